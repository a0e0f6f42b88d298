#include "platform/ui/form.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace ui {
namespace {

TEST(UiProgressBar, StartsAtZeroOfAHundred) {
    Form form({});
    const ProgressBar& bar = form.addProgressBar({});
    EXPECT_EQ(bar.Min(), 0.0f);
    EXPECT_EQ(bar.Max(), 100.0f);
    EXPECT_EQ(bar.Value(), 0.0f);
    EXPECT_EQ(bar.filled(), 0.0);
}

TEST(UiProgressBar, FillsClampedAndEmptyWithoutARange) {
    struct Case {
        float min, max, value;
        double filled;
    };
    const Case cases[] = {
        {0, 100, 50, 0.5},
        {0, 4, 1, 0.25},
        {0, 250, 250, 1.0},
        {10, 20, 15, 0.5},
        {0, 10, 15, 1.0},  // past the end: full, not an error
        {0, 10, -3, 0.0},  // before the start: empty
        {0, 0, 0, 0.0},    // a run with no rows: empty
        {0, 0, 1, 0.0},
        {10, 0, 5, 0.0},  // Max below Min: empty
        {0, 10, std::numeric_limits<float>::quiet_NaN(), 0.0},
    };
    for (const Case& c : cases) {
        Form form({});
        ProgressBar& bar = form.addProgressBar({});
        bar.setMin(c.min);
        bar.setMax(c.max);
        bar.setValue(c.value);
        EXPECT_DOUBLE_EQ(bar.filled(), c.filled) << c.min << ".." << c.max << " at " << c.value;
    }
}

TEST(UiProgressBar, KeepsTheValuesAsSet) {
    Form form({});
    ProgressBar& bar = form.addProgressBar({});
    bar.setMax(10);
    bar.setValue(15);
    EXPECT_EQ(bar.Value(), 15.0f);
    bar.setValue(bar.Value() + 1);
    EXPECT_EQ(bar.Value(), 16.0f);
}

TEST(UiLabel, KeepsItsCaption) {
    Form form({});
    Label& label = form.addLabel({});
    EXPECT_EQ(label.Caption(), "");
    label.setCaption("Расчет потребитель 17");
    EXPECT_EQ(label.Caption(), "Расчет потребитель 17");
}

}  // namespace
}  // namespace ui
