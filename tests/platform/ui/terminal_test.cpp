#include "platform/ui/terminal.hpp"

#include "platform/ui/mode.hpp"
#include "tests/support/standard_error.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <string>

namespace ui {
namespace {

using testing_support::Pty;
using testing_support::readAvailable;
using testing_support::RedirectedStderr;

struct Layout {
    Form form{{}};
    Label& name = form.addLabel({});
    Label& counter = form.addLabel({});
    ProgressBar& bar = form.addProgressBar({});
};

TEST(UiTerminalLine, ShowsTextsCounterBarAndPercentage) {
    struct Case {
        const char* name;
        const char* counter;
        float max, value;
        int columns;
        const char* line;
    };
    const Case cases[] = {
        // 17 of 250: 0.068 fills 1 of 20 cells and shows 6%.
        {"Расчет потребитель 12", "17/250", 250, 17, 80,
         "Расчет потребитель 12  17/250  [#-------------------]   6%"},
        {"Расчет потребитель 12", "250/250", 250, 250, 80,
         "Расчет потребитель 12  250/250  [####################] 100%"},
        // 2 of 3: 13.3 cells and 66.7%, both shown as reached, not rounded up.
        {"Вентиляция", "2/3", 3, 2, 80, "Вентиляция  2/3  [#############-------]  66%"},
        // No rows: an empty bar.
        {"", "", 0, 0, 80, "[--------------------]   0%"},
        // A narrow terminal cuts the texts, by characters, not bytes: 39 columns of line,
        // 29 for the bar, 10 left.
        {"Расчет потребитель 12", "17/250", 250, 17, 40, "Расчет пот  [#-------------------]   6%"},
    };
    for (const Case& c : cases) {
        Layout layout;
        layout.name.setCaption(c.name);
        layout.counter.setCaption(c.counter);
        layout.bar.setMax(c.max);
        layout.bar.setValue(c.value);
        EXPECT_EQ(terminalLine(layout.form, c.columns), c.line);
    }
}

// A three-row run as a calculation performs it, with the form shown in terminal mode.
void runThreeRows() {
    Layout layout;
    layout.form.show();
    layout.bar.setMin(0);
    layout.bar.setMax(3);
    layout.bar.setValue(0);
    for (int i = 1; i <= 3; ++i) {
        layout.name.setCaption("Расчет потребитель " + std::to_string(100 + i));
        layout.counter.setCaption(std::to_string(i) + "/3");
        layout.bar.setValue(layout.bar.Value() + 1);
    }
    layout.form.unload();
}

class UiTerminalMode : public ::testing::Test {
  protected:
    void SetUp() override { setTerminalRefreshInterval(std::chrono::milliseconds(0)); }
    void TearDown() override { setTerminalRefreshInterval(interval_); }

    ui::ScopedMode terminal_{Mode::Terminal};
    std::chrono::milliseconds interval_ = terminalRefreshInterval();
};

TEST_F(UiTerminalMode, DrawsItsLineOnATerminalInPlace) {
    Pty pty;
    ASSERT_GE(pty.slave, 0);
    {
        RedirectedStderr redirected(pty.slave);
        runThreeRows();
    }
    const std::string written = readAvailable(pty.master);
    const std::string last = "\rРасчет потребитель 103  3/3  [####################] 100%\x1b[K";
    const std::string erase = "\r\x1b[K";
    ASSERT_GE(written.size(), last.size() + erase.size());
    EXPECT_EQ(written.substr(written.size() - erase.size()), erase)
        << "the line is wiped at the end";
    EXPECT_EQ(written.substr(written.size() - erase.size() - last.size(), last.size()), last);
    EXPECT_EQ(written.find('\n'), std::string::npos) << "redrawn in place, never a new line";
}

TEST_F(UiTerminalMode, WritesNothingToAPipe) {
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    {
        RedirectedStderr redirected(pipeEnds[1]);
        runThreeRows();
    }
    close(pipeEnds[1]);
    EXPECT_EQ(readAvailable(pipeEnds[0]), "");
    close(pipeEnds[0]);
}

TEST_F(UiTerminalMode, RedrawsAtMostAFewTimesASecond) {
    setTerminalRefreshInterval(std::chrono::milliseconds(200));
    Pty pty;
    ASSERT_GE(pty.slave, 0);
    const auto start = std::chrono::steady_clock::now();
    {
        RedirectedStderr redirected(pty.slave);
        Layout layout;
        layout.form.show();
        layout.bar.setMax(20000);
        for (int i = 1; i <= 20000; ++i) {
            layout.counter.setCaption(std::to_string(i) + "/20000");
            layout.bar.setValue(static_cast<float>(i));
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const std::string written = readAvailable(pty.master);
    std::size_t draws = 0;
    for (std::size_t at = written.find("%\x1b[K"); at != std::string::npos;
         at = written.find("%\x1b[K", at + 1)) {
        ++draws;
    }
    // One draw when shown, then at most one for every 200 ms that passed.
    EXPECT_GE(draws, 1u);
    EXPECT_LE(draws, 1 + static_cast<std::size_t>(elapsed / std::chrono::milliseconds(200)));
}

}  // namespace
}  // namespace ui
