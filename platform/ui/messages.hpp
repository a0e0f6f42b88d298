#pragma once
// "Let the host process its pending window messages": repaints our windows and lets the host's own
// windows respond, then returns at once. It never runs an event loop of its own.

#include "platform/ui/scoped_install.hpp"

#include <functional>

namespace ui {

using MessageHook = std::function<void()>;

// Processes what is pending: FLTK's events when windows are drawn, then the host's hook if one is
// installed.
void processPendingMessages();

// Installs the host's hook (an empty one removes it) and returns the one it replaces.
MessageHook setMessageHook(MessageHook hook);

// Installs a hook for as long as it lives, then puts the previous one back.
using ScopedMessageHook = ScopedInstall<MessageHook, setMessageHook>;

}  // namespace ui
