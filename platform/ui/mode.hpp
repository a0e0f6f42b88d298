#pragma once
// How windows are presented in this process: real windows on a display, a one-line progress bar on
// the terminal, or nothing at all. Chosen once, on first use.

#include "platform/ui/scoped_install.hpp"

#include <optional>
#include <string_view>

namespace ui {

enum class Mode {
    Headless,  // nothing is drawn; message boxes print to standard error and take the default
    Terminal,  // progress windows draw one line on standard error when it is a terminal
    Window,    // FLTK draws real windows on the display
};

// The value of KALVIK_UI ("headless", "terminal", "window"); nothing for an unset or empty value.
// Any other text is an error naming it.
std::optional<Mode> parseMode(const char* value);

// The mode without a forced one: the window when a display opens, else the terminal when standard
// error is one, else headless.
Mode defaultMode(bool displayOpens, bool stderrIsTerminal);

// The process's mode: KALVIK_UI when set, else the default. Forcing "window" without a display that
// opens is an error.
Mode mode();

// Sets the mode for the rest of the process (a host that knows better, tests) and returns the one
// it replaces. Choosing the window opens the display and fails when it cannot.
Mode setMode(Mode mode);

// Sets the mode for as long as it lives, then puts the previous one back.
using ScopedMode = ScopedInstall<Mode, setMode>;

std::string_view modeName(Mode mode);

}  // namespace ui
