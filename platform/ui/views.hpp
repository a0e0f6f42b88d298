#pragma once
// The presentations of a shown form. Internal to the window layer.

#include "platform/ui/form.hpp"

#include <chrono>
#include <memory>

namespace ui::detail {

// A real window on the display; the form's controls are read when it is built, and the user's
// input goes back into them.
std::unique_ptr<FormView> makeWindowView(Form& form);

// One line on standard error, redrawn in place; nothing when standard error is not a terminal.
std::unique_ptr<FormView> makeTerminalView(const Form& form);

}  // namespace ui::detail
