#include "platform/ui/messages.hpp"

#include "platform/ui/mode.hpp"

#include <FL/Fl.H>

#include <utility>

namespace ui {
namespace {

MessageHook& installedHook() {
    static MessageHook hook;
    return hook;
}

}  // namespace

void processPendingMessages() {
    if (mode() == Mode::Window) Fl::check();
    // A copy: the hook may replace itself while it runs.
    if (MessageHook hook = installedHook()) hook();
}

MessageHook setMessageHook(MessageHook hook) {
    return std::exchange(installedHook(), std::move(hook));
}

}  // namespace ui
