#pragma once
// Installs a process-wide setting (a hook, a responder, the mode) for as long as the object lives,
// then puts the previous one back. `Install` sets the value and returns the one it replaces.

#include <utility>

namespace ui {

template <class Value, Value (*Install)(Value)>
class ScopedInstall {
  public:
    explicit ScopedInstall(Value value) : previous_(Install(std::move(value))) {}
    ~ScopedInstall() { Install(std::move(previous_)); }
    ScopedInstall(const ScopedInstall&) = delete;
    ScopedInstall& operator=(const ScopedInstall&) = delete;

  private:
    Value previous_;
};

}  // namespace ui
