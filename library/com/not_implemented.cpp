#include "library/com/not_implemented.hpp"

#include <string>

#include "platform/oleaut/error.hpp"

namespace kalvik {

void notImplemented(std::string_view classAndMethod) {
    throw oleaut::Error(oleaut::kNotImplemented, "not implemented: " + std::string(classAndMethod));
}

}  // namespace kalvik
