#include "platform/ui/controls.hpp"

#include "platform/ui/form.hpp"

#include <algorithm>
#include <cmath>

namespace ui {

void Control::changed() {
    owner_.controlChanged(*this);
}

void Label::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
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

}  // namespace ui
