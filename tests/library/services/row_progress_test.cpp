#include "library/services/row_progress.hpp"

#include "platform/ui/messages.hpp"
#include "platform/ui/mode.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace kalvik {
namespace {

// What the window showed each time the host was let process its pending messages.
struct Seen {
    std::string name;
    std::string counter;
    float value;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "{" << s.name << ", " << s.counter << ", " << s.value << "}";
}

class RowProgressRun : public ::testing::Test {
  protected:
    ui::ScopedMode headless{ui::Mode::Headless};
};

// The loop of a calculation over `rows` consumers numbered from 501, failing at row `failAt`.
void runConsumers(RowProgress& progress, int32_t rows, int32_t failAt = 0) {
    for (int32_t i = 1; i <= rows; ++i) {
        progress.beginRow("Расчет потребитель " + std::to_string(500 + i));
        if (i == failAt) throw std::runtime_error("row failed");
        progress.endRow();
    }
    progress.finish();
}

TEST_F(RowProgressRun, FollowsTheRowsInOrder) {
    for (int32_t rows : {0, 1, 3, 250}) {
        std::vector<Seen> seen;
        const RowProgress* watched = nullptr;
        ui::ScopedMessageHook hook([&] {
            const fProgres& w = watched->window();
            seen.push_back({w.lblName.Caption(), w.lblCounter.Caption(), w.ProgressBar1.Value()});
        });
        RowProgress progress(rows);
        watched = &progress;
        EXPECT_TRUE(progress.window().Visible());
        EXPECT_EQ(progress.window().ProgressBar1.Min(), 0.0f);
        EXPECT_EQ(progress.window().ProgressBar1.Max(), static_cast<float>(rows));
        EXPECT_EQ(progress.window().ProgressBar1.Value(), 0.0f);

        runConsumers(progress, rows);

        // Twice per row: after the labels are set, and after the row, before the bar moves on.
        std::vector<Seen> expected;
        for (int32_t i = 1; i <= rows; ++i) {
            const Seen s{"Расчет потребитель " + std::to_string(500 + i),
                         std::to_string(i) + "/" + std::to_string(rows), static_cast<float>(i - 1)};
            expected.push_back(s);
            expected.push_back(s);
        }
        EXPECT_EQ(seen, expected) << rows << " rows";
        EXPECT_EQ(progress.window().ProgressBar1.Value(), static_cast<float>(rows));
        EXPECT_EQ(progress.window().ProgressBar1.filled(), rows == 0 ? 0.0 : 1.0);
        EXPECT_EQ(progress.window().lblCounter.Caption(),
                  rows == 0 ? "" : std::to_string(rows) + "/" + std::to_string(rows));
        EXPECT_FALSE(progress.window().Visible()) << "unloaded after the last row";
    }
}

TEST_F(RowProgressRun, AFailingRunClosesTheWindow) {
    const std::size_t before = ui::Form::shownCount();
    std::size_t shownDuringTheRun = 0;
    ui::ScopedMessageHook hook([&] { shownDuringTheRun = ui::Form::shownCount(); });
    try {
        RowProgress progress(5);
        runConsumers(progress, 5, 3);
        ADD_FAILURE() << "the run did not fail";
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(shownDuringTheRun, before + 1);
    EXPECT_EQ(ui::Form::shownCount(), before);
}

TEST_F(RowProgressRun, EachRunShowsAFreshWindow) {
    RowProgress first(2);
    runConsumers(first, 2);
    RowProgress second(4);
    EXPECT_TRUE(second.window().Visible());
    EXPECT_EQ(second.window().ProgressBar1.Value(), 0.0f);
    EXPECT_EQ(second.window().lblCounter.Caption(), "");
    EXPECT_EQ(second.row(), 0);
}

}  // namespace
}  // namespace kalvik
