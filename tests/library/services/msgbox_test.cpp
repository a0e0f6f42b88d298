#include "library/services/msgbox.hpp"

#include "platform/ui/mode.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace kalvik {
namespace {

TEST(MsgBox, WithoutATitleCarriesTheApplicationTitle) {
    ui::ScopedMode headless{ui::Mode::Headless};
    std::vector<ui::MessageBoxRequest> asked;
    ui::ScopedResponder responder([&](const ui::MessageBoxRequest& r) {
        asked.push_back(r);
        return ui::Answer::Ok;
    });

    EXPECT_EQ(MsgBox("Вентиляция отсутствует"), ui::Answer::Ok);
    EXPECT_EQ(MsgBox("Отсутствуют данные по Вентиляции. Проверьте!!?", ui::Buttons::OkOnly,
                     ui::Icon::Information, "Проверка исходных"),
              ui::Answer::Ok);

    const std::vector<ui::MessageBoxRequest> expected = {
        {"Вентиляция отсутствует", ui::Buttons::OkOnly, ui::Icon::NoIcon, "Kalvik_dll"},
        {"Отсутствуют данные по Вентиляции. Проверьте!!?", ui::Buttons::OkOnly,
         ui::Icon::Information, "Проверка исходных"},
    };
    EXPECT_EQ(asked, expected);
}

}  // namespace
}  // namespace kalvik
