#include "library/services/fprogres.hpp"

#include "platform/ui/mode.hpp"

#include <gtest/gtest.h>

namespace kalvik {
namespace {

class FProgres : public ::testing::Test {
  protected:
    ui::ScopedMode headless{ui::Mode::Headless};
};

// Reaches the form through the controls' own rectangles: fProgres keeps its form private.
void expectRect(const ui::Control& control, ui::Rect expected) {
    EXPECT_EQ(control.rect().left, expected.left);
    EXPECT_EQ(control.rect().top, expected.top);
    EXPECT_EQ(control.rect().width, expected.width);
    EXPECT_EQ(control.rect().height, expected.height);
}

TEST_F(FProgres, ControlsStandWhereTheLayoutPutsThem) {
    fProgres window;
    expectRect(window.lblName, {120, 135, 3645, 285});
    expectRect(window.lblCounter, {3855, 135, 1920, 285});
    expectRect(window.ProgressBar1, {45, 525, 5850, 285});
    EXPECT_EQ(window.lblName.Caption(), "");
    EXPECT_EQ(window.lblCounter.Caption(), "");
}

TEST_F(FProgres, ShowsAndUnloads) {
    const std::size_t before = ui::Form::shownCount();
    fProgres window;
    window.Unload();  // never shown: harmless
    EXPECT_FALSE(window.Visible());
    window.Show();
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(ui::Form::shownCount(), before + 1);
    window.Unload();
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(ui::Form::shownCount(), before);
}

}  // namespace
}  // namespace kalvik
