#pragma once
// A form: a window laid out in twips, holding labels and progress bars. It is presented as the
// process's mode says when it is shown, and keeps its controls' state either way.

#include "platform/ui/controls.hpp"

#include <cstddef>
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
};

class Form {
  public:
    explicit Form(FormStyle style);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Controls are laid out in twips from the client area's top left corner and live as long as
    // the form.
    Label& addLabel(Rect rect);
    ProgressBar& addProgressBar(Rect rect);

    // Shows the form modeless, centred on the screen: returns at once. Showing a shown form does
    // nothing.
    void show();
    // Hides the form. Harmless when it is not shown.
    void unload();
    bool visible() const { return visible_; }

    const FormStyle& style() const { return style_; }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Called by the controls when their state changes.
    void controlChanged(const Control& control);

    // How many forms of the process are shown now.
    static std::size_t shownCount();

  private:
    template <class C>
    C& add(Rect rect);

    FormStyle style_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unique_ptr<FormView> view_;
    bool visible_ = false;
};

}  // namespace ui
