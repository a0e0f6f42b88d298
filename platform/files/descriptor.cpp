#include "platform/files/descriptor.hpp"

#include <unistd.h>

namespace files {

void Descriptor::reset(int descriptor) noexcept {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = descriptor;
}

}  // namespace files
