#include "platform/oleaut/regional.hpp"

#include <langinfo.h>
#include <locale.h>

#include <optional>
#include <utility>

namespace oleaut {
namespace {

std::optional<RegionalSettings>& installed() {
    static std::optional<RegionalSettings> settings;
    return settings;
}

// A locale object built from the environment for one category; the global locale is untouched.
class EnvironmentLocale {
  public:
    explicit EnvironmentLocale(int mask) : locale_(newlocale(mask, "", static_cast<locale_t>(0))) {}
    ~EnvironmentLocale() {
        if (locale_) freelocale(locale_);
    }
    EnvironmentLocale(const EnvironmentLocale&) = delete;
    EnvironmentLocale& operator=(const EnvironmentLocale&) = delete;
    explicit operator bool() const { return locale_ != static_cast<locale_t>(0); }
    std::string item(nl_item what) const { return nl_langinfo_l(what, locale_); }

  private:
    locale_t locale_;
};

}  // namespace

RegionalSettings RegionalSettings::invariant() {
    return RegionalSettings{};
}

RegionalSettings RegionalSettings::fromEnvironment() {
    RegionalSettings s;
    // The C locale's own conventions when the environment names no usable locale.
    s.groupingSeparator = "";
    s.groupingSize = 0;
    s.shortDate = "MM/dd/yy";
    if (EnvironmentLocale numeric(LC_NUMERIC_MASK); numeric) {
        s.decimalSeparator = numeric.item(RADIXCHAR);
        if (s.decimalSeparator.empty()) s.decimalSeparator = ".";
        s.groupingSeparator = numeric.item(THOUSEP);
        const std::string grouping = numeric.item(GROUPING);
        const int size = grouping.empty() ? 0 : static_cast<unsigned char>(grouping[0]);
        s.groupingSize = s.groupingSeparator.empty() || size == 127 ? 0 : size;
    }
    if (EnvironmentLocale time(LC_TIME_MASK); time) {
        s.shortDate = patternFromStrftime(time.item(D_FMT));
        s.longTime = patternFromStrftime(time.item(T_FMT));
    }
    return s;
}

const RegionalSettings& regionalSettings() {
    auto& settings = installed();
    if (!settings) settings = RegionalSettings::fromEnvironment();
    return *settings;
}

void setRegionalSettings(RegionalSettings settings) {
    installed() = std::move(settings);
}

ScopedRegionalSettings::ScopedRegionalSettings(RegionalSettings settings)
    : previous_(regionalSettings()) {
    setRegionalSettings(std::move(settings));
}

ScopedRegionalSettings::~ScopedRegionalSettings() {
    setRegionalSettings(std::move(previous_));
}

std::string patternFromStrftime(const std::string& format) {
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        char c = format[++i];
        if (c == 'E' || c == 'O' || c == '-') {  // modifiers: same field
            if (i + 1 == format.size()) break;
            c = format[++i];
        }
        switch (c) {
            case 'd':
                out += "dd";
                break;
            case 'e':
                out += "d";
                break;
            case 'm':
                out += "MM";
                break;
            case 'Y':
                out += "yyyy";
                break;
            case 'y':
                out += "yy";
                break;
            case 'H':
                out += "HH";
                break;
            case 'k':
                out += "H";
                break;
            case 'I':
                out += "hh";
                break;
            case 'l':
                out += "h";
                break;
            case 'M':
                out += "mm";
                break;
            case 'S':
                out += "ss";
                break;
            case 'p':
                out += "tt";
                break;
            case 'D':
                out += "MM/dd/yy";
                break;
            case 'F':
                out += "yyyy-MM-dd";
                break;
            case 'T':
                out += "HH:mm:ss";
                break;
            case 'R':
                out += "HH:mm";
                break;
            case 'r':
                out += "hh:mm:ss tt";
                break;
            case '%':
                out += '%';
                break;
            default:
                break;  // names of days and months, zones: not part of the short forms
        }
    }
    return out;
}

}  // namespace oleaut
