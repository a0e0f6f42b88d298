#include "platform/ui/form.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/ui/mode.hpp"
#include "platform/ui/views.hpp"

#include <algorithm>

namespace ui {
namespace {

std::size_t& shownForms() {
    static std::size_t count = 0;
    return count;
}

std::unique_ptr<FormView> makeView(Form& form) {
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

// The tab control that is the control or holds it; the form's first one when none does.
TabControl* tabControlHolding(const std::vector<std::unique_ptr<Control>>& controls,
                              const Control* control) {
    const Control* wanted = control;
    if (control != nullptr && dynamic_cast<const TabControl*>(control) == nullptr) {
        wanted = control->placement().tabs;
    }
    for (const auto& candidate : controls) {
        auto* tabs = dynamic_cast<TabControl*>(candidate.get());
        if (tabs != nullptr && (wanted == nullptr || tabs == wanted)) return tabs;
    }
    return nullptr;
}

}  // namespace

void FormView::run() {
    throw oleaut::Error(oleaut::kInvalidProcedureCall, "this presentation takes no input");
}

Form::Form(FormStyle style) : style_(std::move(style)) {}

Form::~Form() {
    unload();
}

template <class C, class... Args>
C& Form::add(Rect rect, Placement placement, Args&&... args) {
    const std::string name = "form \"" + style_.caption + "\": ";
    if (visible_) {
        throw oleaut::Error(oleaut::kInvalidProcedureCall,
                            name + "controls are added before it is shown");
    }
    if (placement.tabs != nullptr) {
        const bool ours = std::any_of(controls_.begin(), controls_.end(),
                                      [&](const auto& c) { return c.get() == placement.tabs; });
        if (!ours || placement.tab < 0 || placement.tab >= placement.tabs->Tabs()) {
            throw oleaut::Error(oleaut::kInvalidProcedureCall,
                                name + "a control is placed on a tab the form does not have");
        }
    }
    auto control = std::make_unique<C>(*this, rect, std::forward<Args>(args)..., placement);
    C& added = *control;
    controls_.push_back(std::move(control));
    return added;
}

Label& Form::addLabel(Rect rect, Placement placement) {
    return add<Label>(rect, placement);
}

ProgressBar& Form::addProgressBar(Rect rect, Placement placement) {
    return add<ProgressBar>(rect, placement);
}

TextBox& Form::addTextBox(Rect rect, Placement placement) {
    return add<TextBox>(rect, placement);
}

CommandButton& Form::addCommandButton(Rect rect, Placement placement) {
    return add<CommandButton>(rect, placement);
}

ComboBox& Form::addComboBox(Rect rect, Placement placement) {
    return add<ComboBox>(rect, placement);
}

TabControl& Form::addTabControl(Rect rect, std::vector<std::string> captions, Placement placement) {
    return add<TabControl>(rect, placement, std::move(captions));
}

void Form::setCaption(std::string caption) {
    if (caption == style_.caption) return;
    style_.caption = std::move(caption);
    if (view_) view_->captionChanged();
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

void Form::Refresh() {
    if (view_) view_->refresh();
}

void Form::waitFor(const std::function<void()>& work) {
    if (view_) {
        view_->wait(work);
    } else {
        work();
    }
}

void Form::Run() {
    if (mode() != Mode::Window) {
        throw oleaut::Error(
            oleaut::kInvalidProcedureCall,
            "form \"" + style_.caption + "\": runs as a program's window only on a display");
    }
    show();
    // Unloaded however the run ends.
    struct Unload {
        Form& form;
        ~Unload() { form.unload(); }
    } unloadAtEnd{*this};
    view_->run();
}

void Form::controlChanged(const Control& control) {
    if (view_) view_->controlChanged(control);
}

void Form::focusFirstField(const TabControl& tabs) {
    for (const auto& control : controls_) {
        const Placement& place = control->placement();
        const bool field = dynamic_cast<const TextBox*>(control.get()) != nullptr ||
                           dynamic_cast<const ComboBox*>(control.get()) != nullptr;
        if (place.tabs != &tabs || place.tab != tabs.Tab() || !field || !control->Enabled())
            continue;
        giveFocus(*control);
        return;
    }
}

const Control* Form::ActiveControl() const {
    return view_ ? view_->focusedControl(focused_) : focused_;
}

void Form::giveFocus(const Control& control) {
    focused_ = &control;
    if (view_) view_->focusChanged(control);
}

bool Form::isLive(const Control& control) const {
    const Placement& place = control.placement();
    if (!control.Enabled()) return false;
    return place.tabs == nullptr || (place.tabs->Tab() == place.tab && isLive(*place.tabs));
}

bool Form::isStop(const Control& control) const {
    const bool takesKeys = dynamic_cast<const TextBox*>(&control) != nullptr ||
                           dynamic_cast<const ComboBox*>(&control) != nullptr ||
                           dynamic_cast<const CommandButton*>(&control) != nullptr ||
                           dynamic_cast<const TabControl*>(&control) != nullptr;
    return takesKeys && isLive(control);
}

void Form::focusNextStop(bool backwards) {
    const auto count = static_cast<std::ptrdiff_t>(controls_.size());
    const auto active = std::find_if(
        controls_.begin(), controls_.end(),
        [focus = ActiveControl()](const auto& control) { return control.get() == focus; });
    // Without an active control the walk starts before the first (after the last) one.
    std::ptrdiff_t at = active == controls_.end() ? (backwards ? count : -1)
                                                  : std::distance(controls_.begin(), active);
    const std::ptrdiff_t step = backwards ? count - 1 : 1;
    for (std::ptrdiff_t walked = 0; walked < count; ++walked) {
        at = (at + step + count) % count;
        const Control& candidate = *controls_[static_cast<std::size_t>(at)];
        if (!isStop(candidate)) continue;
        giveFocus(candidate);
        return;
    }
}

void Form::showNextTab(bool backwards) {
    const Control* active = ActiveControl();
    TabControl* tabs = tabControlHolding(controls_, active);
    if (tabs == nullptr || !isLive(*tabs)) return;
    tabs->setTab((tabs->Tab() + (backwards ? tabs->Tabs() - 1 : 1)) % tabs->Tabs());
    if (active != tabs) {
        for (const auto& control : controls_) {
            if (control->placement().tabs != tabs || !isStop(*control)) continue;
            giveFocus(*control);
            return;
        }
    }
    giveFocus(*tabs);
}

std::size_t Form::shownCount() {
    return shownForms();
}

}  // namespace ui
