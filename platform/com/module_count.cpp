#include "platform/com/module_count.hpp"

#include <atomic>

namespace com {
namespace {

std::atomic<long> objects{0};
std::atomic<long> locks{0};

}  // namespace

LiveObject::LiveObject() noexcept {
    ++objects;
}
LiveObject::LiveObject(const LiveObject&) noexcept {
    ++objects;
}
LiveObject::~LiveObject() {
    --objects;
}

long liveObjects() noexcept {
    return objects;
}

void lockServer(bool lock) noexcept {
    if (lock) {
        ++locks;
    } else if (locks > 0) {
        --locks;
    }
}

bool canUnloadNow() noexcept {
    return objects == 0 && locks == 0;
}

}  // namespace com
