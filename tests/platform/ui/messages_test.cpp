#include "platform/ui/messages.hpp"

#include "platform/ui/mode.hpp"

#include <gtest/gtest.h>

#include <string>

namespace ui {
namespace {

class UiMessages : public ::testing::Test {
  protected:
    ui::ScopedMode headless{Mode::Headless};
};

TEST_F(UiMessages, AnEmptyHookRemovesTheInstalledOne) {
    int calls = 0;
    ScopedMessageHook installed([&] { ++calls; });
    {
        ScopedMessageHook none{MessageHook{}};
        processPendingMessages();
    }
    EXPECT_EQ(calls, 0);
}

TEST_F(UiMessages, CallsTheInstalledHookAndRestoresThePreviousOne) {
    std::string calls;
    {
        ScopedMessageHook outer([&] { calls += "o"; });
        processPendingMessages();
        {
            ScopedMessageHook inner([&] { calls += "i"; });
            processPendingMessages();
            processPendingMessages();
        }
        processPendingMessages();
    }
    processPendingMessages();
    EXPECT_EQ(calls, "oiio");
}

TEST_F(UiMessages, AHookMayReplaceItselfWhileItRuns) {
    int first = 0;
    int second = 0;
    ScopedMessageHook scope([&] {
        ++first;
        setMessageHook([&] { ++second; });
    });
    processPendingMessages();
    processPendingMessages();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

}  // namespace
}  // namespace ui
