// Dates as texts: written with a regional pattern, and read from ISO or regional texts.
#include "platform/oleaut/datetime.hpp"

#include "platform/oleaut/error.hpp"

#include <string>
#include <string_view>

namespace oleaut {
namespace {

std::string twoDigits(int value) {
    std::string s = std::to_string(value);
    return s.size() < 2 ? "0" + s : s;
}

// One field of a date pattern: a letter repeated `count` times.
std::string dateField(char letter, size_t count, const DateParts& p) {
    const auto number = [count](int value) {
        return count >= 2 ? twoDigits(value) : std::to_string(value);
    };
    switch (letter) {
        case 'd':
            return number(p.day);
        case 'M':
            return number(p.month);
        case 'y':
            return count >= 3 ? std::to_string(p.year) : twoDigits(p.year % 100);
        case 'H':
            return number(p.hour);
        case 'h':
            return number(p.hour % 12 == 0 ? 12 : p.hour % 12);
        case 'm':
            return number(p.minute);
        case 's':
            return number(p.second);
        case 't': {
            const std::string marker = p.hour < 12 ? "AM" : "PM";
            return count >= 2 ? marker : marker.substr(0, 1);
        }
    }
    return std::string(count, letter);
}

// A small reader of date and time texts.
class DateReader {
  public:
    DateReader(std::string_view text, const RegionalSettings& settings)
        : text_(text), settings_(settings) {}

    Date read() {
        skipBlanks();
        DateParts parts;
        bool anyDate = false;
        const size_t start = pos_;
        int first = 0;
        size_t firstDigits = 0;
        if (!number(first, firstDigits)) fail();
        if (peek() == ':') {
            pos_ = start;  // a bare time
        } else {
            readDate(first, firstDigits, parts);
            anyDate = true;
            if (peek() == 'T' || peek() == ' ') {
                ++pos_;
                skipBlanks();
            }
        }
        if (pos_ < text_.size()) readTime(parts);
        skipBlanks();
        if (pos_ != text_.size()) fail();
        if (!anyDate) {
            parts.year = 1899;
            parts.month = 12;
            parts.day = 30;
        }
        if (!valid(parts)) fail();
        return makeDate(parts);
    }

  private:
    [[noreturn]] static void fail() { throw typeMismatchError(); }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void skipBlanks() {
        while (peek() == ' ')
            ++pos_;
    }
    bool number(int& value, size_t& digits) {
        value = 0;
        digits = 0;
        while (peek() >= '0' && peek() <= '9' && digits < 9) {
            value = value * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        return digits > 0;
    }
    int expectNumber(size_t& digits) {
        int value = 0;
        if (!number(value, digits)) fail();
        return value;
    }

    void readDate(int first, size_t firstDigits, DateParts& parts) {
        const char separator = peek();
        if (separator != '.' && separator != '/' && separator != '-') fail();
        ++pos_;
        size_t digits = 0;
        const int second = expectNumber(digits);
        if (peek() != separator) fail();
        ++pos_;
        size_t lastDigits = 0;
        const int third = expectNumber(lastDigits);
        if (firstDigits == 4) {  // year first, as in ISO
            parts.year = first;
            parts.month = second;
            parts.day = third;
            return;
        }
        const std::string& order = settings_.shortDate;
        const size_t d = order.find('d'), m = order.find('M'), y = order.find('y');
        int values[3] = {first, second, third};
        // Rank of each field in the regional short date (missing letters keep d, M, y).
        const size_t positions[3] = {d, m, y};
        int rank[3] = {0, 1, 2};
        for (int i = 0; i < 3; ++i) {
            rank[i] = 0;
            for (int j = 0; j < 3; ++j)
                rank[i] += positions[j] < positions[i];
        }
        parts.day = values[rank[0]];
        parts.month = values[rank[1]];
        const size_t yearDigits = rank[2] == 0 ? firstDigits : rank[2] == 1 ? digits : lastDigits;
        parts.year = yearDigits <= 2 ? expandYear(values[rank[2]]) : values[rank[2]];
    }

    void readTime(DateParts& parts) {
        size_t digits = 0;
        parts.hour = expectNumber(digits);
        if (peek() != ':') fail();
        ++pos_;
        parts.minute = expectNumber(digits);
        if (peek() == ':') {
            ++pos_;
            parts.second = expectNumber(digits);
        }
        skipBlanks();
        const std::string_view rest = text_.substr(pos_);
        const bool am = rest.starts_with("AM") || rest.starts_with("am");
        const bool pm = rest.starts_with("PM") || rest.starts_with("pm");
        if (am || pm) {
            if (parts.hour < 1 || parts.hour > 12) fail();
            parts.hour = parts.hour % 12 + (pm ? 12 : 0);
            pos_ += 2;
        }
    }

    static bool valid(const DateParts& p) {
        return p.year >= 100 && p.year <= 9999 && p.month >= 1 && p.month <= 12 && p.day >= 1 &&
               p.day <= daysInMonth(p.year, p.month) && p.hour >= 0 && p.hour < 24 &&
               p.minute >= 0 && p.minute < 60 && p.second >= 0 && p.second < 60;
    }

    std::string_view text_;
    const RegionalSettings& settings_;
    size_t pos_ = 0;
};

}  // namespace

std::string formatDate(Date date, std::string_view pattern) {
    const DateParts p = dateParts(date);
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (std::string_view("dMyHhmst").find(c) != std::string_view::npos) {
            out += dateField(c, run, p);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::string dateText(Date date, const RegionalSettings& settings) {
    const DateParts p = dateParts(date);
    const bool midnight = p.hour == 0 && p.minute == 0 && p.second == 0;
    if (p.year == 1899 && p.month == 12 && p.day == 30) return formatDate(date, settings.longTime);
    std::string text = formatDate(date, settings.shortDate);
    if (!midnight) text += " " + formatDate(date, settings.longTime);
    return text;
}

Date parseDate(std::string_view text, const RegionalSettings& settings) {
    return DateReader(text, settings).read();
}

}  // namespace oleaut
