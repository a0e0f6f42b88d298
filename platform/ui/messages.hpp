#pragma once
// "Let the host process its pending window messages": repaints our windows and lets the host's own
// windows respond, then returns at once. It never runs an event loop of its own.

#include <functional>

namespace ui {

using MessageHook = std::function<void()>;

// Processes what is pending: FLTK's events when windows are drawn, then the host's hook if one is
// installed.
void processPendingMessages();

// Installs the host's hook (an empty one removes it) and returns the one it replaces.
MessageHook setMessageHook(MessageHook hook);

// Installs a hook for as long as it lives, then puts the previous one back.
class ScopedMessageHook {
  public:
    explicit ScopedMessageHook(MessageHook hook) : previous_(setMessageHook(std::move(hook))) {}
    ~ScopedMessageHook() { setMessageHook(std::move(previous_)); }
    ScopedMessageHook(const ScopedMessageHook&) = delete;
    ScopedMessageHook& operator=(const ScopedMessageHook&) = delete;

  private:
    MessageHook previous_;
};

}  // namespace ui
