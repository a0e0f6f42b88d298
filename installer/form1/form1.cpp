// Form1's controls: their places, stored texts and enabled states at creation. The layout is this
// program's own: each prompt beside its field, in the window's order from top to bottom.

#include "installer/form1/form1.hpp"

namespace vendrel {
namespace {

constexpr int kWidth = 8600;  // twips
constexpr int kHeight = 4380;
constexpr ui::Colour kLightGrey{224, 224, 224};

// The rows of a tab: a prompt, its field and the field's button.
constexpr int kRowTop = 1200;
constexpr int kRowStep = 510;
constexpr int rowTop(int row) {
    return kRowTop + row * kRowStep;
}
constexpr ui::Rect prompt(int row) {
    return {300, rowTop(row) + 60, 2300, 300};
}
constexpr ui::Rect field(int row) {
    return {2640, rowTop(row), 4320, 345};
}
constexpr ui::Rect fieldButton(int row) {
    return {7080, rowTop(row) - 15, 1200, 375};
}
constexpr ui::Rect kActionButton{5880, 3420, 2400, 435};

template <class C>
C& withState(C& control, bool enabled) {
    control.setEnabled(enabled);
    return control;
}

ui::Label& label(ui::Form& form, ui::Rect rect, std::string caption, ui::Placement on = {}) {
    ui::Label& made = form.addLabel(rect, on);
    made.setCaption(std::move(caption));
    return made;
}

ui::TextBox& textBox(ui::Form& form, ui::Rect rect, std::string text, bool enabled,
                     ui::Placement on = {}) {
    ui::TextBox& made = form.addTextBox(rect, on);
    made.setText(std::move(text));
    return withState(made, enabled);
}

ui::CommandButton& button(ui::Form& form, ui::Rect rect, std::string caption, bool enabled,
                          ui::Placement on = {}) {
    ui::CommandButton& made = form.addCommandButton(rect, on);
    made.setCaption(std::move(caption));
    return withState(made, enabled);
}

ui::Label& greyLine(ui::Form& form, ui::Rect rect, ui::Placement on) {
    ui::Label& made = form.addLabel(rect, on);
    made.setBackColor(kLightGrey);
    return made;
}

ui::ComboBox& comboBox(ui::Form& form, ui::Rect rect, std::string text, bool enabled,
                       ui::Placement on) {
    ui::ComboBox& made = form.addComboBox(rect, on);
    made.setText(std::move(text));
    return withState(made, enabled);
}

}  // namespace

Form1::Form1(std::string programFolder)
    : form({.caption = "Form1", .clientWidth = kWidth, .clientHeight = kHeight}),
      Label1(label(form, {120, 180, 3200, 300}, "Укажите название SQL сервера")),
      Text1(textBox(form, {3360, 120, 2400, 345}, "", true)),
      Command5(button(form, {5880, 90, 2600, 405}, "Проверить подключение", true)),
      SSTab1(form.addTabControl({120, 660, 8360, 3600}, {"Восстановить БД", "Присоединить АРМы"})),
      Label2(label(form, prompt(0), "Имя БД", {&SSTab1, 0})),
      Text2(textBox(form, field(0), "Virsel_Demo", false, {&SSTab1, 0})),
      Label7(label(form, prompt(1), "Путь к файлу бэкапа", {&SSTab1, 0})),
      Text5(textBox(form, field(1), "C:\\Virsel_demo\\DB\\DB_Back\\Virsel_Demo.bak ", false,
                    {&SSTab1, 0})),
      Command7(button(form, fieldButton(1), "Открыть", false, {&SSTab1, 0})),
      Label3(label(form, prompt(2), "Путь к *.mdf", {&SSTab1, 0})),
      Text3(textBox(form, field(2), "C:\\Virsel_demo\\DB\\Virsel_Demo_2008.mdf", false,
                    {&SSTab1, 0})),
      Command3(button(form, fieldButton(2), "Открыть", false, {&SSTab1, 0})),
      Label4(label(form, prompt(3), "Путь к *.ldf", {&SSTab1, 0})),
      Text4(textBox(form, field(3), "C:\\Virsel_demo\\DB\\Virsel_Demo_2008.ldf", false,
                    {&SSTab1, 0})),
      Command4(button(form, fieldButton(3), "Открыть", false, {&SSTab1, 0})),
      Command6(button(form, kActionButton, "Restore database", false, {&SSTab1, 0})),
      Label5(label(form, prompt(0), "Имя БД", {&SSTab1, 1})),
      Combo1(comboBox(form, field(0), "Virsel_Demo", false, {&SSTab1, 1})),
      Label6(label(form, prompt(1), "Путь к *.mdb(*.mde)", {&SSTab1, 1})),
      Text6(textBox(form, field(1), "C:\\Virsel_demo\\MDB\\", true, {&SSTab1, 1})),
      Command1(button(form, fieldButton(1), "Открыть", true, {&SSTab1, 1})),
      Label9(greyLine(form, {300, rowTop(2) + 90, 7980, 330}, {&SSTab1, 1})),
      Label8(greyLine(form, {300, rowTop(3) + 30, 7980, 330}, {&SSTab1, 1})),
      Command8(button(form, kActionButton, "Присоединить mdb", false, {&SSTab1, 1})),
      programFolder_(std::move(programFolder)) {
    // The stored texts above ran nothing: the handlers come after them.
    wireHandlers();
    Form_Load();
}

void Form1::wireHandlers() {
    Command5.onClick([this] { Command5_Click(); });
    Text2.onChange([this] { Text2_Change(); });
    Text2.onLostFocus([this] { Text2_LostFocus(); });
    Text5.onChange([this] { Text5_Change(); });
    Combo1.onChange([this] { Combo1_Change(); });
    Combo1.onClick([this] { Combo1_Click(); });
    Command6.onClick([this] { Command6_Click(); });
    Command8.onClick([this] { Command8_Click(); });
    Command7.onClick([this] { Command7_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command1.onClick([this] { Command1_Click(); });
}

}  // namespace vendrel
