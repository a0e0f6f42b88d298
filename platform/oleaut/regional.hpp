#pragma once
// Regional settings: how numbers and dates are written and read. Read once from the process's
// LC_NUMERIC and LC_TIME locale (without touching the process's global locale); tests and hosts
// install their own with ScopedRegionalSettings or setRegionalSettings.

#include <string>

namespace oleaut {

struct RegionalSettings {
    std::string decimalSeparator = ".";
    std::string groupingSeparator = ",";
    int groupingSize = 3;  // 0: no grouping
    // Date and time patterns: d dd M MM yy yyyy, H HH h hh m mm s ss, tt (AM/PM); other text kept.
    std::string shortDate = "dd.MM.yyyy";
    std::string longTime = "HH:mm:ss";

    // "." decimals, "," grouping by 3, "dd.MM.yyyy", "HH:mm:ss": a fixed choice for tests.
    [[nodiscard]] static RegionalSettings invariant();
    // The settings of the locale named by the environment (LC_ALL, LC_NUMERIC / LC_TIME, LANG).
    [[nodiscard]] static RegionalSettings fromEnvironment();
};

// The settings in force: those installed last, else the environment's, read on first use.
[[nodiscard]] const RegionalSettings& regionalSettings();
void setRegionalSettings(RegionalSettings settings);

// Installs settings for its lifetime and restores the previous ones after.
class ScopedRegionalSettings {
  public:
    explicit ScopedRegionalSettings(RegionalSettings settings);
    ~ScopedRegionalSettings();
    ScopedRegionalSettings(const ScopedRegionalSettings&) = delete;
    ScopedRegionalSettings& operator=(const ScopedRegionalSettings&) = delete;

  private:
    RegionalSettings previous_;
};

// Converts a strftime date or time format ("%d.%m.%Y") to the pattern form above.
[[nodiscard]] std::string patternFromStrftime(const std::string& format);

}  // namespace oleaut
