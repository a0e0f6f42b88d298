#include "library/com/service.hpp"

#include <cstdio>
#include <string>

#include "library/com/type_library.hpp"
#include "platform/oleaut/error.hpp"

namespace kalvik {

void cannotCreate(std::string_view className, com::HResult hr) {
    char status[32];
    std::snprintf(status, sizeof status, " (status 0x%08X)", static_cast<uint32_t>(hr));
    throw oleaut::Error(oleaut::kCannotCreateObject, "ActiveX component can't create object: " +
                                                         classIdentifier(className) + status);
}

}  // namespace kalvik
