#include "platform/ui/message_box.hpp"

#include "platform/oleaut/error.hpp"
#include "platform/ui/display_text.hpp"
#include "platform/ui/mode.hpp"
#include "platform/ui/window_message_box.hpp"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <utility>

namespace ui {
namespace {

Responder& installedResponder() {
    static Responder responder;
    return responder;
}

void printToStandardError(const MessageBoxRequest& request) {
    // On a terminal a progress line may stand where the cursor is: wipe it first.
    if (mode() == Mode::Terminal && isatty(STDERR_FILENO) == 1) std::cerr << "\r\x1b[K";
    std::cerr << request.title << ": " << detail::plainText(request.text) << std::endl;
}

}  // namespace

std::vector<Answer> buttonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkOnly:
            return {Answer::Ok};
        case Buttons::OkCancel:
            return {Answer::Ok, Answer::Cancel};
        case Buttons::AbortRetryIgnore:
            return {Answer::Abort, Answer::Retry, Answer::Ignore};
        case Buttons::YesNoCancel:
            return {Answer::Yes, Answer::No, Answer::Cancel};
        case Buttons::YesNo:
            return {Answer::Yes, Answer::No};
        case Buttons::RetryCancel:
            return {Answer::Retry, Answer::Cancel};
    }
    return {Answer::Ok};
}

Answer defaultAnswer(Buttons buttons) {
    return buttonsOf(buttons).front();
}

const char* buttonText(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return "OK";
        case Answer::Cancel:
            return "Cancel";
        case Answer::Abort:
            return "Abort";
        case Answer::Retry:
            return "Retry";
        case Answer::Ignore:
            return "Ignore";
        case Answer::Yes:
            return "Yes";
        case Answer::No:
            return "No";
    }
    return "?";
}

Answer messageBox(const MessageBoxRequest& request) {
    // A copy: the responder may replace itself while it answers.
    if (Responder responder = installedResponder()) {
        const Answer answer = responder(request);
        const std::vector<Answer> offered = buttonsOf(request.buttons);
        if (std::find(offered.begin(), offered.end(), answer) == offered.end()) {
            throw oleaut::Error(oleaut::kInvalidProcedureCall,
                                std::string("message box answered with \"") + buttonText(answer) +
                                    "\", a button it does not have");
        }
        return answer;
    }
    if (mode() == Mode::Window) return detail::showWindowMessageBox(request);
    printToStandardError(request);
    return defaultAnswer(request.buttons);
}

Responder setResponder(Responder responder) {
    return std::exchange(installedResponder(), std::move(responder));
}

}  // namespace ui
