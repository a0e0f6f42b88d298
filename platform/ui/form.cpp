#include "platform/ui/form.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/ui/mode.hpp"
#include "platform/ui/views.hpp"

namespace ui {
namespace {

std::size_t& shownForms() {
    static std::size_t count = 0;
    return count;
}

std::unique_ptr<FormView> makeView(const Form& form) {
    switch (mode()) {
        case Mode::Window:
            return detail::makeWindowView(form);
        case Mode::Terminal:
            return detail::makeTerminalView(form);
        case Mode::Headless:
            break;
    }
    return nullptr;
}

}  // namespace

Form::Form(FormStyle style) : style_(std::move(style)) {}

Form::~Form() {
    unload();
}

template <class C>
C& Form::add(Rect rect) {
    if (visible_) {
        throw oleaut::Error(
            oleaut::kInvalidProcedureCall,
            "form \"" + style_.caption + "\": controls are added before it is shown");
    }
    auto control = std::make_unique<C>(*this, rect);
    C& added = *control;
    controls_.push_back(std::move(control));
    return added;
}

Label& Form::addLabel(Rect rect) {
    return add<Label>(rect);
}

ProgressBar& Form::addProgressBar(Rect rect) {
    return add<ProgressBar>(rect);
}

void Form::show() {
    if (visible_) return;
    view_ = makeView(*this);
    visible_ = true;
    ++shownForms();
}

void Form::unload() {
    if (!visible_) return;
    view_.reset();
    visible_ = false;
    --shownForms();
}

void Form::controlChanged(const Control& control) {
    if (view_) view_->controlChanged(control);
}

std::size_t Form::shownCount() {
    return shownForms();
}

}  // namespace ui
