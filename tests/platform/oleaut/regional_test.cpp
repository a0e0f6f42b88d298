#include "platform/oleaut/regional.hpp"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

namespace oleaut {
namespace {

// Sets an environment variable for one scope and restores it after.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = getenv(name)) old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Regional, StrftimeFormatsBecomePatterns) {
    struct Case {
        const char* strftime;
        const char* pattern;
    };
    const Case cases[] = {
        {"%d.%m.%Y", "dd.MM.yyyy"},     {"%H:%M:%S", "HH:mm:ss"},  {"%m/%d/%y", "MM/dd/yy"},
        {"%r", "hh:mm:ss tt"},          {"%T", "HH:mm:ss"},        {"%D", "MM/dd/yy"},
        {"%F", "yyyy-MM-dd"},           {"%e.%m.%Y", "d.MM.yyyy"}, {"%Od/%Om/%EY", "dd/MM/yyyy"},
        {"%I:%M:%S %p", "hh:mm:ss tt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(patternFromStrftime(c.strftime), c.pattern);
}

TEST(Regional, TheCLocaleOfTheEnvironment) {
    ScopedEnv all("LC_ALL", "C");
    const RegionalSettings s = RegionalSettings::fromEnvironment();
    EXPECT_EQ(s.decimalSeparator, ".");
    EXPECT_EQ(s.groupingSeparator, "");
    EXPECT_EQ(s.groupingSize, 0);
    EXPECT_EQ(s.shortDate, "MM/dd/yy");
    EXPECT_EQ(s.longTime, "HH:mm:ss");
}

TEST(Regional, AnUnknownLocaleFallsBackToC) {
    ScopedEnv all("LC_ALL", "xx_NOWHERE.UTF-8");
    const RegionalSettings s = RegionalSettings::fromEnvironment();
    EXPECT_EQ(s.decimalSeparator, ".");
    EXPECT_EQ(s.groupingSize, 0);
}

TEST(Regional, ScopedSettingsAreRestored) {
    const RegionalSettings before = regionalSettings();
    {
        ScopedRegionalSettings comma({",", " ", 3, "dd.MM.yyyy", "H:mm:ss"});
        EXPECT_EQ(regionalSettings().decimalSeparator, ",");
        {
            ScopedRegionalSettings inner(RegionalSettings::invariant());
            EXPECT_EQ(regionalSettings().decimalSeparator, ".");
        }
        EXPECT_EQ(regionalSettings().longTime, "H:mm:ss");
    }
    EXPECT_EQ(regionalSettings().decimalSeparator, before.decimalSeparator);
    EXPECT_EQ(regionalSettings().shortDate, before.shortDate);
}

}  // namespace
}  // namespace oleaut
