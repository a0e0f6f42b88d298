#pragma once
// Message boxes: every one goes through messageBox(), which asks the installed responder, else
// shows a modal window, else prints the title and text to standard error and takes the default
// button.

#include "platform/ui/scoped_install.hpp"

#include <functional>
#include <string>
#include <vector>

namespace ui {

// The button sets, in the order their buttons stand; the first is the default.
enum class Buttons { OkOnly, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };

enum class Icon { NoIcon, Critical, Information };

// The button pressed, numbered as the classic message box numbers them.
enum class Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBoxRequest {
    std::string text;
    Buttons buttons = Buttons::OkOnly;
    Icon icon = Icon::NoIcon;
    std::string title;

    bool operator==(const MessageBoxRequest&) const = default;
};

// The buttons of a set, in order, and the one taken when nobody answers.
std::vector<Answer> buttonsOf(Buttons buttons);
Answer defaultAnswer(Buttons buttons);
const char* buttonText(Answer answer);

// Shows the box and returns the button pressed. A responder's answer must be one of the box's
// buttons.
Answer messageBox(const MessageBoxRequest& request);

// A responder answers every message box in place of the user (a host that shows its own, tests).
using Responder = std::function<Answer(const MessageBoxRequest&)>;

// Installs a responder (an empty one removes it) and returns the one it replaces.
Responder setResponder(Responder responder);

// Installs a responder for as long as it lives, then puts the previous one back.
using ScopedResponder = ScopedInstall<Responder, setResponder>;

}  // namespace ui
