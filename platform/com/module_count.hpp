#pragma once
// The counts that decide whether a library may be unloaded: live objects and server locks.

namespace com {

// A member of every object the library hands out: counts it as live while it exists.
class LiveObject {
  public:
    LiveObject() noexcept;
    LiveObject(const LiveObject&) noexcept;
    LiveObject& operator=(const LiveObject&) noexcept = default;
    ~LiveObject();
};

long liveObjects() noexcept;
void lockServer(bool lock) noexcept;
// True only with no live object and no lock.
bool canUnloadNow() noexcept;

}  // namespace com
