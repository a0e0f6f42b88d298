#include "platform/ui/form.hpp"

#include "platform/oleaut/error.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

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

namespace ui {
namespace {

// The change rule: a new text runs the change handler once, the same text not at all; a pick from
// a combo box's list sets the text and runs the click handler only.
TEST(UiChangeRule, RunsHandlersOncePerChange) {
    struct Step {
        const char* what;
        std::function<void(TextBox&, ComboBox&)> act;
        std::string text, comboText;
        int textChanges, comboChanges, comboClicks;
    };
    const Step steps[] = {
        {"new text", [](TextBox& t, ComboBox&) { t.setText("a"); }, "a", "", 1, 0, 0},
        {"same text", [](TextBox& t, ComboBox&) { t.setText("a"); }, "a", "", 1, 0, 0},
        {"combo text", [](TextBox&, ComboBox& c) { c.setText("x"); }, "a", "x", 1, 1, 0},
        {"pick", [](TextBox&, ComboBox& c) { c.pick(1); }, "a", "master", 1, 1, 1},
        {"pick again", [](TextBox&, ComboBox& c) { c.pick(1); }, "a", "master", 1, 1, 2},
        {"same combo text", [](TextBox&, ComboBox& c) { c.setText("master"); }, "a", "master", 1, 1,
         2},
    };
    Form form({});
    TextBox& text = form.addTextBox({});
    ComboBox& combo = form.addComboBox({});
    combo.AddItem("tempdb");
    combo.AddItem("master");
    int textChanges = 0, comboChanges = 0, comboClicks = 0;
    text.onChange([&] { ++textChanges; });
    combo.onChange([&] { ++comboChanges; });
    combo.onClick([&] { ++comboClicks; });
    for (const Step& s : steps) {
        s.act(text, combo);
        EXPECT_EQ(text.Text(), s.text) << s.what;
        EXPECT_EQ(combo.Text(), s.comboText) << s.what;
        EXPECT_EQ(textChanges, s.textChanges) << s.what;
        EXPECT_EQ(comboChanges, s.comboChanges) << s.what;
        EXPECT_EQ(comboClicks, s.comboClicks) << s.what;
    }
    EXPECT_EQ(combo.ListCount(), 2);
    EXPECT_EQ(combo.List(0), "tempdb");
    EXPECT_THROW(combo.List(2), oleaut::Error);
}

}  // namespace
}  // namespace ui
