#pragma once
// A form: a window laid out in twips, holding controls. It is presented as the process's mode says
// when it is shown, and keeps its controls' state either way.

#include "platform/ui/controls.hpp"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

enum class Frame {
    TitleBar,  // a caption bar with the form's caption
    Thin,      // no caption bar: a thin line around the client area
};

struct FormStyle {
    std::string caption;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    Frame frame = Frame::TitleBar;
};

// What presents a shown form: a window, a terminal line. Internal to the window layer.
class FormView {
  public:
    virtual ~FormView() = default;
    virtual void controlChanged(const Control& control) = 0;
    virtual void captionChanged() = 0;
    // Draws what changed and returns; takes no input.
    virtual void refresh() = 0;
    // Handles the user's input until the user closes the view; only a window takes input.
    virtual void run();
    // Moves the keyboard focus to the control; only a window has one.
    virtual void focusChanged(const Control& /*control*/) {}
    // The control that has the keyboard focus. A view without a focus of its own answers the
    // control the program gave it to.
    virtual const Control* focusedControl(const Control* given) const { return given; }
    // Runs work and returns when it is done (Form::waitFor); a view that takes no input just runs
    // it.
    virtual void wait(const std::function<void()>& work) { work(); }
};

class Form {
  public:
    explicit Form(FormStyle style);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Controls are laid out in twips from the client area's top left corner (on a tab too) and
    // live as long as the form. A control placed on a tab sits on a tab control of this form.
    Label& addLabel(Rect rect, Placement placement = {});
    ProgressBar& addProgressBar(Rect rect, Placement placement = {});
    TextBox& addTextBox(Rect rect, Placement placement = {});
    CommandButton& addCommandButton(Rect rect, Placement placement = {});
    ComboBox& addComboBox(Rect rect, Placement placement = {});
    TabControl& addTabControl(Rect rect, std::vector<std::string> captions,
                              Placement placement = {});

    // The caption, changed while shown too.
    const std::string& Caption() const { return style_.caption; }
    void setCaption(std::string caption);

    // Shows the form modeless, centred on the screen: returns at once. Showing a shown form does
    // nothing.
    void show();
    // Hides the form. Harmless when it is not shown.
    void unload();
    bool visible() const { return visible_; }
    // Draws what changed, taking no input; nothing to draw when the form is not shown.
    void Refresh();
    // Runs work, which the program waits for, and returns when it is done; work's error comes out
    // here. Shown in a window, work runs on a thread of its own, and once it takes longer than a
    // moment the window shows the wait cursor and is drawn while it runs; the user's input
    // meanwhile is dropped, and a close asked for meanwhile is done once the reaction that waited
    // has ended. Work must therefore touch neither the form nor what the form's handlers use.
    // Elsewhere work simply runs.
    void waitFor(const std::function<void()>& work);
    // Shows the form as the program's main window and handles the user's input until the user
    // closes it; then the form is unloaded. Only on a display: elsewhere nobody can close it. An
    // error that a handler lets out closes the window and comes out of Run.
    void Run();

    const FormStyle& style() const { return style_; }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Called by the controls when their state changes.
    void controlChanged(const Control& control);

    // Gives the keyboard focus to the first enabled text box or combo box on the tab shown, as
    // choosing a tab does; nothing when the tab has none.
    void focusFirstField(const TabControl& tabs);
    // The control that has the keyboard focus: in a window, where the user or the program moved
    // it (nothing while no control has it); otherwise where the program last gave it; nothing
    // before.
    const Control* ActiveControl() const;

    // Moves the focus to the next stop after the active control, or the one before it, wrapping
    // at the ends: as Tab and Shift+Tab do. The stops are the text boxes, combo boxes, buttons and
    // tab controls that take input now, in the order they were added.
    void focusNextStop(bool backwards);
    // Shows the next tab, or the one before, of the tab control that holds the focus (else of the
    // form's first tab control), wrapping at the ends, as Ctrl+Tab and Ctrl+Shift+Tab do; the
    // focus goes to the first stop of that tab, and stays on the tab control when it was there.
    void showNextTab(bool backwards);

    // How many forms of the process are shown now.
    static std::size_t shownCount();

  private:
    template <class C, class... Args>
    C& add(Rect rect, Placement placement, Args&&... args);
    // Whether the control is drawn and takes input: enabled, and on a tab shown of a tab control
    // that is so itself.
    [[nodiscard]] bool isLive(const Control& control) const;
    // Whether the keyboard stops at the control: a field, a button or a tab control, live.
    [[nodiscard]] bool isStop(const Control& control) const;
    void giveFocus(const Control& control);

    FormStyle style_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<FormView> view_;
    const Control* focused_ = nullptr;
    bool visible_ = false;
};

}  // namespace ui
