#include "platform/ui/controls.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/ui/form.hpp"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// Runs a handler when one is set.
void run(const Handler& handler) {
    if (handler) handler();
}

}  // namespace

void Control::changed() {
    owner_.controlChanged(*this);
}

bool Control::changeText(std::string& text, std::string value) {
    if (value == text) return false;
    text = std::move(value);
    changed();
    return true;
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed();
}

void Label::setCaption(std::string caption) {
    changeText(caption_, std::move(caption));
}

void Label::setBackColor(std::optional<Colour> colour) {
    backColor_ = colour;
    changed();
}

void ProgressBar::setMin(float min) {
    min_ = min;
    changed();
}

void ProgressBar::setMax(float max) {
    max_ = max;
    changed();
}

void ProgressBar::setValue(float value) {
    value_ = value;
    changed();
}

double ProgressBar::filled() const {
    const double range = static_cast<double>(max_) - min_;
    if (!(range > 0) || std::isnan(value_)) return 0;
    return std::clamp((static_cast<double>(value_) - min_) / range, 0.0, 1.0);
}

void TextBox::setText(std::string text) {
    if (changeText(text_, std::move(text))) run(onChange_);
}

void TextBox::loseFocus() {
    run(onLostFocus_);
}

void CommandButton::setCaption(std::string caption) {
    changeText(caption_, std::move(caption));
}

void CommandButton::click() {
    if (Enabled()) run(onClick_);
}

void ComboBox::setText(std::string text) {
    if (changeText(text_, std::move(text))) run(onChange_);
}

void ComboBox::AddItem(std::string item) {
    list_.push_back(std::move(item));
    changed();
}

const std::string& ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount()) {
        throw oleaut::Error(kInvalidPropertyArrayIndex,
                            "combo box list: no entry " + std::to_string(index));
    }
    return list_[static_cast<std::size_t>(index)];
}

void ComboBox::pick(int index) {
    if (!Enabled()) return;
    changeText(text_, List(index));
    run(onClick_);
}

TabControl::TabControl(Form& owner, Rect rect, std::vector<std::string> captions,
                       Placement placement)
    : Control(owner, rect, placement), captions_(std::move(captions)) {}

void TabControl::setTab(int index) {
    if (index < 0 || index >= Tabs()) {
        throw oleaut::Error(kInvalidPropertyValue, "tab control: no tab " + std::to_string(index));
    }
    if (index == tab_) return;
    tab_ = index;
    changed();
}

}  // namespace ui
