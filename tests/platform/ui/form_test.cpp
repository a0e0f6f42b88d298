#include "platform/ui/form.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/ui/mode.hpp"

#include <gtest/gtest.h>

namespace ui {
namespace {

class UiForm : public ::testing::Test {
  protected:
    ui::ScopedMode headless{Mode::Headless};
};

TEST_F(UiForm, ShowsAndUnloads) {
    const std::size_t before = Form::shownCount();
    Form form({.caption = "c", .clientWidth = 1500, .clientHeight = 600});
    EXPECT_FALSE(form.visible());
    form.show();
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(Form::shownCount(), before + 1);
    form.show();  // showing a shown form changes nothing
    EXPECT_EQ(Form::shownCount(), before + 1);
    form.unload();
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(Form::shownCount(), before);
}

TEST_F(UiForm, UnloadingAFormNeverShownIsHarmless) {
    const std::size_t before = Form::shownCount();
    Form form({});
    form.unload();
    form.unload();
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(Form::shownCount(), before);
}

TEST_F(UiForm, GoingAwayUnloads) {
    const std::size_t before = Form::shownCount();
    {
        Form form({});
        form.show();
        EXPECT_EQ(Form::shownCount(), before + 1);
    }
    EXPECT_EQ(Form::shownCount(), before);
}

TEST_F(UiForm, ControlsKeepTheirOrderAndLayout) {
    Form form({});
    Label& first = form.addLabel({1, 2, 3, 4});
    ProgressBar& second = form.addProgressBar({5, 6, 7, 8});
    ASSERT_EQ(form.controls().size(), 2u);
    EXPECT_EQ(form.controls()[0].get(), &first);
    EXPECT_EQ(form.controls()[1].get(), &second);
    EXPECT_EQ(second.rect().left, 5);
    EXPECT_EQ(second.rect().height, 8);
}

TEST_F(UiForm, ControlsAreAddedBeforeShowing) {
    Form form({.caption = "Окно"});
    form.show();
    EXPECT_THROW(form.addLabel({}), oleaut::Error);
}

}  // namespace
}  // namespace ui
