#include "platform/ui/mode.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/ui/display.hpp"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace ui {
namespace {

constexpr std::string_view kVariable = "KALVIK_UI";

std::optional<Mode>& chosen() {
    static std::optional<Mode> mode;
    return mode;
}

// Why the window cannot be drawn: no display named, or the one named does not open.
oleaut::Error noDisplayError() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return oleaut::Error(oleaut::kInvalidProcedureCall,
                             "window mode: no display is set (DISPLAY is unset or empty)");
    }
    return oleaut::Error(oleaut::kInvalidProcedureCall, std::string("window mode: the display \"") +
                                                            display + "\" cannot be opened");
}

Mode chooseFromEnvironment() {
    const std::optional<Mode> forced = parseMode(std::getenv(std::string(kVariable).c_str()));
    if (forced == Mode::Window && !detail::openDisplay()) throw noDisplayError();
    if (forced) return *forced;
    return defaultMode(detail::openDisplay(), isatty(STDERR_FILENO) == 1);
}

}  // namespace

std::optional<Mode> parseMode(const char* value) {
    if (value == nullptr || *value == '\0') return std::nullopt;
    const std::string_view text(value);
    for (Mode m : {Mode::Headless, Mode::Terminal, Mode::Window}) {
        if (text == modeName(m)) return m;
    }
    throw oleaut::Error(oleaut::kInvalidProcedureCall, std::string(kVariable) +
                                                           ": unknown mode \"" + std::string(text) +
                                                           "\" (headless, terminal or window)");
}

Mode defaultMode(bool displayOpens, bool stderrIsTerminal) {
    if (displayOpens) return Mode::Window;
    return stderrIsTerminal ? Mode::Terminal : Mode::Headless;
}

Mode mode() {
    if (!chosen()) chosen() = chooseFromEnvironment();
    return *chosen();
}

Mode setMode(Mode mode) {
    if (mode == Mode::Window && !detail::openDisplay()) throw noDisplayError();
    const Mode previous = ui::mode();
    chosen() = mode;
    return previous;
}

std::string_view modeName(Mode mode) {
    switch (mode) {
        case Mode::Headless:
            return "headless";
        case Mode::Terminal:
            return "terminal";
        case Mode::Window:
            return "window";
    }
    return "?";
}

}  // namespace ui
