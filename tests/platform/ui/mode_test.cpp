#include "platform/ui/mode.hpp"

#include "platform/oleaut/error.hpp"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(UiMode, ParsesTheForcedMode) {
    struct Case {
        const char* value;
        std::optional<Mode> mode;
    };
    const Case cases[] = {
        {nullptr, std::nullopt},      {"", std::nullopt},       {"headless", Mode::Headless},
        {"terminal", Mode::Terminal}, {"window", Mode::Window},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseMode(c.value), c.mode) << (c.value ? c.value : "(unset)");
    }
}

TEST(UiMode, RejectsAnUnknownModeByName) {
    for (const char* value : {"Window", "gui", "headless "}) {
        try {
            parseMode(value);
            ADD_FAILURE() << value << " accepted";
        } catch (const oleaut::Error& e) {
            EXPECT_NE(e.description().find("KALVIK_UI"), std::string::npos) << e.description();
            EXPECT_NE(e.description().find(value), std::string::npos) << e.description();
        }
    }
}

TEST(UiMode, DefaultPrefersTheDisplayThenTheTerminal) {
    struct Case {
        bool displayOpens;
        bool stderrIsTerminal;
        Mode mode;
    };
    const Case cases[] = {
        {true, true, Mode::Window},
        {true, false, Mode::Window},
        {false, true, Mode::Terminal},
        {false, false, Mode::Headless},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(defaultMode(c.displayOpens, c.stderrIsTerminal), c.mode)
            << c.displayOpens << c.stderrIsTerminal;
    }
}

TEST(UiMode, NamesRoundTrip) {
    for (Mode m : {Mode::Headless, Mode::Terminal, Mode::Window}) {
        EXPECT_EQ(parseMode(std::string(modeName(m)).c_str()), m);
    }
}

TEST(UiMode, AScopedModePutsThePreviousOneBack) {
    const Mode before = mode();
    {
        ScopedMode terminal{Mode::Terminal};
        EXPECT_EQ(mode(), Mode::Terminal);
        {
            ScopedMode headless{Mode::Headless};
            EXPECT_EQ(mode(), Mode::Headless);
        }
        EXPECT_EQ(mode(), Mode::Terminal);
    }
    EXPECT_EQ(mode(), before);
}

}  // namespace
}  // namespace ui
