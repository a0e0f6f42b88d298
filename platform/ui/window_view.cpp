// The window presentation of a form, drawn by FLTK. The program's changes go into the widgets; the
// user's input goes into the controls, and so to their handlers.

#include "platform/oleaut/error.hpp"
#include "platform/ui/display_text.hpp"
#include "platform/ui/enter_button.hpp"
#include "platform/ui/views.hpp"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Tabs.H>

#include <chrono>
#include <cstring>
#include <exception>
#include <functional>
#include <future>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ui::detail {
namespace {

constexpr int kTextSize = 12;
constexpr int kTabHeight = 24;  // pixels of the tab captions above a tab's area
const Fl_Color kBarColour = fl_rgb_color(0, 0, 128);
// A wait shorter than this shows nothing; a longer one takes turns of FLTK's of this many seconds.
constexpr std::chrono::milliseconds kMoment{100};
constexpr double kWaitTurn = 0.02;

// A menu entry shown as written: FLTK reads "/" as a submenu, "\" as an escape, a leading "_" as
// a divider and "&" as a shortcut mark.
std::string menuItemText(const std::string& text) {
    std::string escaped;
    for (char c : literalLabel(text)) {
        if (c == '/' || c == '\\' || c == '_') escaped += '\\';
        if (c == '&') escaped += '&';
        escaped += c;
    }
    return escaped;
}

// Closing the window ends its run; Escape, which FLTK also sends to the window, does not.
void windowClosing(Fl_Widget* window, void*) {
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    window->hide();
}

// A text field that tells when the keyboard focus has left it for another widget of its window
// (not for another window, such as a message box, nor for nothing when the window closes).
class FieldInput : public Fl_Input {
  public:
    using Fl_Input::Fl_Input;
    std::function<void()> left;

    int handle(int event) override {
        const int handled = Fl_Input::handle(event);
        const Fl_Widget* now = Fl::focus();
        if (event == FL_UNFOCUS && left && now != nullptr && now->top_window() == top_window()) {
            left();
        }
        return handled;
    }
};

// Whether an event is the user's input to a window: the pointer's or the keyboard's, a paste, a
// drop.
bool isInput(int event) {
    switch (event) {
        case FL_PUSH:
        case FL_RELEASE:
        case FL_DRAG:
        case FL_MOVE:
        case FL_ENTER:
        case FL_LEAVE:
        case FL_MOUSEWHEEL:
        case FL_KEYBOARD:
        case FL_KEYUP:
        case FL_SHORTCUT:
        case FL_PASTE:
        case FL_DND_ENTER:
        case FL_DND_DRAG:
        case FL_DND_LEAVE:
        case FL_DND_RELEASE:
            return true;
        default:
            return false;
    }
}

class WindowView;

// The shown form windows, so that their Tab keys reach them before any widget.
std::unordered_map<const Fl_Window*, WindowView*>& formWindows() {
    static std::unordered_map<const Fl_Window*, WindowView*> windows;
    return windows;
}

constexpr int kIsoLeftTab = 0xfe20;  // the key X may report for Shift+Tab

// Whether a key event is Tab, alone or with Shift, Control or both (Alt belongs to the desktop).
bool isTabKey() {
    const int key = Fl::event_key();
    return (key == FL_Tab || key == kIsoLeftTab) && !Fl::event_state(FL_ALT | FL_META);
}

class WindowView : public FormView {
  public:
    explicit WindowView(Form& form) : form_(form) {
        const FormStyle& style = form.style();
        frame_ = style.frame == Frame::Thin ? 1 : 0;
        const int width = twipsToPixels(style.clientWidth) + 2 * frame_;
        const int height = twipsToPixels(style.clientHeight) + 2 * frame_;

        Fl_Group::current(nullptr);  // a top-level window, not a child of whatever was built last
        window_ = std::make_unique<Fl_Double_Window>(
            Fl::x() + (Fl::w() - width) / 2, Fl::y() + (Fl::h() - height) / 2, width, height);
        window_->end();
        window_->copy_label(style.caption.c_str());
        window_->callback(windowClosing);
        if (style.frame == Frame::Thin) {
            window_->clear_border();
            window_->box(FL_BORDER_BOX);
        }
        // The window owns its widgets and deletes them with itself.
        for (const auto& control : form.controls()) {
            Fl_Widget* widget = makeWidget(*control);
            Fl_Group::current(nullptr);
            parentOf(*control).add(widget);
            widgets_[control.get()] = widget;
            update(*control);
        }
        if (formWindows().empty()) Fl::event_dispatch(dispatch);
        formWindows()[window_.get()] = this;
        window_->show();
        if (form.ActiveControl() != nullptr) focusChanged(*form.ActiveControl());
        Fl::flush();
    }

    ~WindowView() override {
        Fl::remove_timeout(reportLeftFields, this);
        formWindows().erase(window_.get());
        if (formWindows().empty()) Fl::event_dispatch(nullptr);
        window_->hide();
        Fl::flush();
    }

    void controlChanged(const Control& control) override { update(control); }
    void focusChanged(const Control& control) override {
        const auto found = widgets_.find(&control);
        if (found == widgets_.end()) return;
        Fl_Widget* widget = found->second;
        if (auto* choice = dynamic_cast<Fl_Input_Choice*>(widget)) widget = choice->input();
        // The tab captions take the focus themselves; asked, FLTK's tabs could pass it on to a
        // widget of the tab shown.
        if (dynamic_cast<Fl_Tabs*>(widget) != nullptr && widget->visible_r() &&
            widget->active_r()) {
            Fl::focus(widget);
            widget->redraw();
            return;
        }
        widget->take_focus();
    }
    const Control* focusedControl(const Control* /*given*/) const override {
        const Fl_Widget* focus = Fl::focus();
        if (focus == nullptr) return nullptr;
        for (const auto& [control, widget] : widgets_) {
            const auto* choice = dynamic_cast<const Fl_Input_Choice*>(widget);
            if (widget == focus || (choice != nullptr && choice->contains(focus))) return control;
        }
        return nullptr;
    }
    void captionChanged() override { window_->copy_label(form_.Caption().c_str()); }
    void refresh() override { Fl::flush(); }

    void run() override {
        while (window_->shown())
            Fl::wait();
        if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
    }

    // The work runs on a thread of its own; past a moment the window takes FLTK's turns until it
    // is done, so that it is drawn, with the wait cursor, while its input is dropped.
    void wait(const std::function<void()>& work) override {
        // A wait asked for during another (by a timer's handler: no input runs meanwhile) runs
        // at once, in the other's turn.
        if (waiting_) return work();
        std::future<void> done = std::async(std::launch::async, [&work] { work(); });
        if (done.wait_for(kMoment) != std::future_status::ready) {
            const Waiting waiting(*this);
            while (done.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
                Fl::wait(kWaitTurn);
        }
        done.get();
    }

  private:
    // While a wait takes turns: the wait cursor shown, the input dropped, a close kept.
    class Waiting {
      public:
        explicit Waiting(WindowView& view) : view_(view) {
            view_.waiting_ = true;
            view_.window_->cursor(FL_CURSOR_WAIT);
            Fl::flush();
        }
        ~Waiting() {
            view_.waiting_ = false;
            view_.window_->cursor(FL_CURSOR_DEFAULT);
            if (!view_.leftFields_.empty()) Fl::add_timeout(0, reportLeftFields, &view_);
            view_.closeIfAsked();
        }
        Waiting(const Waiting&) = delete;
        Waiting& operator=(const Waiting&) = delete;

      private:
        WindowView& view_;
    };

    // While a wait takes turns the window is drawn, moved and raised, but the user's input to it
    // is dropped, and a close is kept for when the reaction that waits has ended.
    int whileWaiting(int event) {
        if (event == FL_CLOSE) {
            closeAsked_ = true;
            return 1;
        }
        if (isInput(event)) return 1;
        return Fl::handle_(event, window_.get());
    }

    // A close asked for during a wait, done once no handler of the user's input runs.
    void closeIfAsked() {
        if (!closeAsked_ || handlersRunning_ > 0) return;
        closeAsked_ = false;
        window_->hide();
    }

    // Tab and Shift+Tab walk the form's stops, Ctrl+Tab and Ctrl+Shift+Tab its tabs, before any
    // widget sees the key: FLTK's groups would walk their own widgets only, and stop at their
    // ends. Enter goes to the widget with the focus alone (a button takes it as a press): FLTK
    // would make an Enter nobody takes a move of the focus. A modal window over the form keeps its
    // keys.
    static int dispatch(int event, Fl_Window* window) {
        const auto found = formWindows().find(window);
        if (found != formWindows().end() && found->second->waiting_) {
            return found->second->whileWaiting(event);
        }
        if (event != FL_KEYBOARD || found == formWindows().end() || !(isTabKey() || isEnterKey()) ||
            (Fl::modal() != nullptr && Fl::modal() != window)) {
            return Fl::handle_(event, window);
        }
        if (isEnterKey()) {
            if (Fl_Widget* focus = Fl::focus(); focus != nullptr && focus->window() == window) {
                focus->handle(FL_KEYBOARD);
            }
            return 1;
        }
        WindowView& view = *found->second;
        const bool backwards = Fl::event_state(FL_SHIFT) != 0 || Fl::event_key() != FL_Tab;
        view.guarded([&view, backwards] {
            if (Fl::event_state(FL_CTRL)) {
                view.form_.showNextTab(backwards);
            } else {
                view.form_.focusNextStop(backwards);
            }
        });
        return 1;
    }

    // Runs a handler of the user's input. An error it lets out cannot cross FLTK: it closes the
    // window and comes out of run().
    void guarded(const std::function<void()>& act) {
        ++handlersRunning_;
        try {
            act();
        } catch (...) {
            failure_ = std::current_exception();
            window_->hide();
        }
        --handlersRunning_;
        closeIfAsked();
    }

    struct Reaction {
        WindowView* view;
        std::function<void()> act;
    };

    static void react(Fl_Widget*, void* data) {
        auto* reaction = static_cast<Reaction*>(data);
        reaction->view->guarded(reaction->act);
    }

    // The fields the focus has left are told once the focus has come to rest, so that a message
    // box their handler shows does not come between the two widgets.
    void fieldLeft(TextBox& text) {
        leftFields_.push_back(&text);
        Fl::add_timeout(0, reportLeftFields, this);
    }

    // During a wait they are told once it is over.
    static void reportLeftFields(void* data) {
        auto* view = static_cast<WindowView*>(data);
        if (view->waiting_) return;
        for (TextBox* text : std::exchange(view->leftFields_, {}))
            view->guarded([text] { text->loseFocus(); });
    }

    void connect(Fl_Widget* widget, std::function<void()> act) {
        reactions_.push_back(std::make_unique<Reaction>(Reaction{this, std::move(act)}));
        widget->callback(react, reactions_.back().get());
    }

    Fl_Group& parentOf(const Control& control) {
        const Placement& place = control.placement();
        if (place.tabs == nullptr) return *window_;
        return *tabGroups_.at(place.tabs).at(static_cast<std::size_t>(place.tab));
    }

    Fl_Widget* makeWidget(Control& control) {
        const PixelRect p = toPixels(control.rect());
        const int x = p.x + frame_;
        const int y = p.y + frame_;
        if (dynamic_cast<Label*>(&control) != nullptr) {
            auto* box = new Fl_Box(x, y, p.w, p.h);
            box->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
            box->labelsize(kTextSize);
            return box;
        }
        if (dynamic_cast<ProgressBar*>(&control) != nullptr) {
            auto* bar = new Fl_Progress(x, y, p.w, p.h);
            bar->box(FL_THIN_DOWN_BOX);
            bar->color(FL_BACKGROUND2_COLOR);
            bar->selection_color(kBarColour);
            bar->minimum(0);
            bar->maximum(1);
            return bar;
        }
        if (auto* text = dynamic_cast<TextBox*>(&control)) {
            auto* input = new FieldInput(x, y, p.w, p.h);
            input->textsize(kTextSize);
            input->when(FL_WHEN_CHANGED);
            connect(input, [text, input] { text->setText(input->value()); });
            input->left = [this, text] { fieldLeft(*text); };
            return input;
        }
        if (auto* button = dynamic_cast<CommandButton*>(&control)) {
            auto* widget = new EnterButton<Fl_Button>(x, y, p.w, p.h);
            widget->labelsize(kTextSize);
            connect(widget, [button] { button->click(); });
            return widget;
        }
        if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
            auto* choice = new Fl_Input_Choice(x, y, p.w, p.h);
            choice->end();
            choice->textsize(kTextSize);
            Fl_Input* input = choice->input();
            input->when(FL_WHEN_CHANGED);
            connect(input, [combo, input] { combo->setText(input->value()); });
            Fl_Menu_Button* list = choice->menubutton();
            connect(list, [combo, list] { combo->pick(list->value()); });
            return choice;
        }
        if (auto* tabs = dynamic_cast<TabControl*>(&control)) {
            auto* widget = new Fl_Tabs(x, y, p.w, p.h);
            widget->labelsize(kTextSize);
            std::vector<Fl_Group*>& groups = tabGroups_[tabs];
            for (const std::string& caption : tabs->captions()) {
                auto* group = new Fl_Group(x, y + kTabHeight, p.w, p.h - kTabHeight);
                group->end();
                group->copy_label(literalLabel(caption).c_str());
                group->labelsize(kTextSize);
                widget->add(group);
                groups.push_back(group);
            }
            widget->end();
            connect(widget, [tabs, widget, &groups] {
                for (std::size_t i = 0; i < groups.size(); ++i) {
                    if (groups[i] == widget->value()) tabs->setTab(static_cast<int>(i));
                }
            });
            return widget;
        }
        throw oleaut::Error(oleaut::kInvalidProcedureCall, "a control the window cannot draw");
    }

    void update(const Control& control) {
        const auto found = widgets_.find(&control);
        if (found == widgets_.end()) return;
        Fl_Widget* widget = found->second;
        if (control.Enabled()) {
            widget->activate();
        } else {
            widget->deactivate();
        }
        if (const auto* label = dynamic_cast<const Label*>(&control)) {
            widget->copy_label(literalLabel(label->Caption()).c_str());
            widget->box(label->BackColor() ? FL_FLAT_BOX : FL_NO_BOX);
            if (const auto& c = label->BackColor()) widget->color(fl_rgb_color(c->r, c->g, c->b));
        } else if (const auto* bar = dynamic_cast<const ProgressBar*>(&control)) {
            static_cast<Fl_Progress*>(widget)->value(static_cast<float>(bar->filled()));
        } else if (const auto* text = dynamic_cast<const TextBox*>(&control)) {
            showText(*static_cast<Fl_Input*>(widget), text->Text());
        } else if (const auto* button = dynamic_cast<const CommandButton*>(&control)) {
            widget->copy_label(literalLabel(button->Caption()).c_str());
        } else if (const auto* combo = dynamic_cast<const ComboBox*>(&control)) {
            auto* choice = static_cast<Fl_Input_Choice*>(widget);
            showText(*choice->input(), combo->Text());
            choice->menubutton()->clear();
            for (const std::string& item : combo->items())
                choice->menubutton()->add(menuItemText(item).c_str());
        } else if (const auto* tabs = dynamic_cast<const TabControl*>(&control)) {
            static_cast<Fl_Tabs*>(widget)->value(
                tabGroups_.at(tabs).at(static_cast<std::size_t>(tabs->Tab())));
        }
        widget->redraw();
    }

    // A text the user is typing is already in its widget: setting it again would move the cursor.
    static void showText(Fl_Input& input, const std::string& text) {
        if (std::strcmp(input.value(), text.c_str()) != 0) input.value(text.c_str());
    }

    Form& form_;
    int frame_ = 0;
    std::unique_ptr<Fl_Double_Window> window_;
    std::unordered_map<const Control*, Fl_Widget*> widgets_;
    std::unordered_map<const TabControl*, std::vector<Fl_Group*>> tabGroups_;
    std::vector<std::unique_ptr<Reaction>> reactions_;
    std::vector<TextBox*> leftFields_;
    std::exception_ptr failure_;
    bool waiting_ = false;
    bool closeAsked_ = false;
    int handlersRunning_ = 0;
};

}  // namespace

std::unique_ptr<FormView> makeWindowView(Form& form) {
    return std::make_unique<WindowView>(form);
}

}  // namespace ui::detail
