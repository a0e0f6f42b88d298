#pragma once
// Push buttons that Enter presses while they have the keyboard focus, as Space does. Internal to
// the window layer.

#include <FL/Enumerations.H>
#include <FL/Fl.H>

namespace ui::detail {

// Whether the key of a key event is Enter, on the main keys or the keypad.
inline bool isEnterKey() {
    return Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter;
}

// FLTK's buttons take Space only and pass Enter on as a shortcut, which moves the focus down or
// presses another button of the window.
template <class Button>
class EnterButton : public Button {
  public:
    using Button::Button;

    int handle(int event) override {
        if (event == FL_KEYBOARD && Fl::focus() == this && isEnterKey()) {
            this->simulate_key_action();
            this->do_callback();
            return 1;
        }
        return Button::handle(event);
    }
};

}  // namespace ui::detail
