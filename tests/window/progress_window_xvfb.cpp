// The progress window drawn by FLTK on the virtual display the test script starts.

#include "library/services/fprogres.hpp"
#include "library/services/row_progress.hpp"
#include "platform/ui/mode.hpp"
#include "tests/window/screenshot.hpp"

// GoogleTest before the X headers, which define None.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace window_tests {
namespace {

// The progress window in pixels: a client area of 5940 x 996 twips is 396 x 66, with a one-pixel
// frame around it.
constexpr int kWidth = 398;
constexpr int kHeight = 68;

constexpr Colour kFrame{0, 0, 0};
constexpr Colour kBarFill{0, 0, 128};
constexpr Colour kBarEmpty{255, 255, 255};

class ProgressWindow : public ::testing::Test {
  protected:
    void SetUp() override { ui::setMode(ui::Mode::Window); }
};

// Where the window stands on the screen, as the X server has it.
void screenPosition(Fl_Window* window, int& x, int& y) {
    ::Window child = 0;
    XTranslateCoordinates(fl_display, fl_xid(window), RootWindow(fl_display, fl_screen), 0, 0, &x,
                          &y, &child);
}

int darkPixels(const Screenshot& shot, int left, int top, int width, int height) {
    int count = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const Colour c = shot.at(x, y);
            count += (c.r + c.g + c.b) < 200 ? 1 : 0;
        }
    }
    return count;
}

TEST_F(ProgressWindow, OpensBorderlessAndCentredAtItsSize) {
    kalvik::fProgres progress;
    progress.Show();
    progress.lblName.setCaption("Расчет потребитель 1024");
    progress.lblCounter.setCaption("125/250");
    progress.ProgressBar1.setMin(0);
    progress.ProgressBar1.setMax(250);
    progress.ProgressBar1.setValue(125);
    settle();

    Fl_Window* window = Fl::first_window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->border(), 0) << "no title bar";
    EXPECT_EQ(window->w(), kWidth);
    EXPECT_EQ(window->h(), kHeight);
    ASSERT_EQ(Fl::w(), 1024) << "the test script starts a 1024 x 768 screen with a white root";
    ASSERT_EQ(Fl::h(), 768);
    const int left = (1024 - kWidth) / 2;  // 313
    const int top = (768 - kHeight) / 2;   // 350
    int x = 0;
    int y = 0;
    screenPosition(window, x, y);
    EXPECT_EQ(x, left);
    EXPECT_EQ(y, top);

    const Screenshot shot = grabScreen();
    savePng(shot, "fprogres");
    // The thin frame at the four corners, the desktop just outside it.
    EXPECT_EQ(shot.at(left, top), kFrame);
    EXPECT_EQ(shot.at(left + kWidth - 1, top), kFrame);
    EXPECT_EQ(shot.at(left, top + kHeight - 1), kFrame);
    EXPECT_EQ(shot.at(left + kWidth - 1, top + kHeight - 1), kFrame);
    EXPECT_NE(shot.at(left - 1, top - 1), kFrame);
    // ProgressBar1 at 45, 525 twips (3, 35 pixels) inside the frame, 390 x 19: half filled.
    const int barX = left + 1 + 3;
    const int barY = top + 1 + 35 + 9;
    EXPECT_EQ(shot.at(barX + 390 / 4, barY), kBarFill);
    EXPECT_EQ(shot.at(barX + 390 * 3 / 4, barY), kBarEmpty);
    // Text in both labels (lblName at 8, 9 pixels, 243 x 19; lblCounter at 257, 9, 128 x 19),
    // and none between them.
    EXPECT_GT(darkPixels(shot, left + 1 + 8, top + 1 + 9, 243, 19), 50);
    EXPECT_GT(darkPixels(shot, left + 1 + 257, top + 1 + 9, 128, 19), 20);
    EXPECT_EQ(darkPixels(shot, left + 1 + 3, top + 1 + 29, 390, 5), 0);

    progress.Unload();
    settle();
    EXPECT_EQ(Fl::first_window(), nullptr);
}

TEST_F(ProgressWindow, DrawsTheBarClampedAndEmptyWithoutRows) {
    struct Case {
        const char* name;
        float max;
        float value;
        Colour quarter;
        Colour threeQuarters;
    };
    const Case cases[] = {
        {"fprogres_empty_run", 0, 0, kBarEmpty, kBarEmpty},
        {"fprogres_past_the_end", 10, 12, kBarFill, kBarFill},
        {"fprogres_before_the_start", 10, -5, kBarEmpty, kBarEmpty},
        {"fprogres_done", 250, 250, kBarFill, kBarFill},
    };
    const int barX = (1024 - kWidth) / 2 + 1 + 3;
    const int barY = (768 - kHeight) / 2 + 1 + 35 + 9;
    for (const Case& c : cases) {
        kalvik::fProgres progress;
        progress.Show();
        progress.lblName.setCaption(c.name);
        progress.ProgressBar1.setMax(c.max);
        progress.ProgressBar1.setValue(c.value);
        const Screenshot shot = grabScreen();
        savePng(shot, c.name);
        EXPECT_EQ(shot.at(barX + 390 / 4, barY), c.quarter) << c.name;
        EXPECT_EQ(shot.at(barX + 390 * 3 / 4, barY), c.threeQuarters) << c.name;
    }
}

TEST_F(ProgressWindow, ARunProcessesFltkEventsAndClosesAtTheEnd) {
    {
        kalvik::RowProgress progress(3);
        for (int i = 1; i <= 3; ++i) {
            progress.beginRow("Расчет потребитель " + std::to_string(i));
            EXPECT_NE(Fl::first_window(), nullptr);
            progress.endRow();
        }
        progress.finish();
    }
    settle();
    EXPECT_EQ(Fl::first_window(), nullptr);
}

}  // namespace
}  // namespace window_tests
