#include <cstdio>

#include "library/com/com_object.hpp"
#include "library/com/dispatch_table.hpp"
#include "platform/com/status.hpp"

namespace kalvik {

template <>
int16_t convertArgument<int16_t>(const oleaut::Variant& value) {
    return oleaut::CInt(value);
}
template <>
int32_t convertArgument<int32_t>(const oleaut::Variant& value) {
    return oleaut::CLng(value);
}
template <>
float convertArgument<float>(const oleaut::Variant& value) {
    return oleaut::CSng(value);
}
template <>
double convertArgument<double>(const oleaut::Variant& value) {
    return oleaut::CDbl(value);
}
template <>
oleaut::Date convertArgument<oleaut::Date>(const oleaut::Variant& value) {
    return oleaut::CDate(value);
}
template <>
oleaut::Currency convertArgument<oleaut::Currency>(const oleaut::Variant& value) {
    return oleaut::CCur(value);
}
template <>
std::string convertArgument<std::string>(const oleaut::Variant& value) {
    return oleaut::CStr(value);
}
template <>
oleaut::ObjectRef convertArgument<oleaut::ObjectRef>(const oleaut::Variant& value) {
    if (!value.isObject()) throw oleaut::typeMismatchError();
    return value.asObject();
}

void wrongArgumentCount(std::string_view method, size_t expected, size_t given) {
    char counts[64];
    std::snprintf(counts, sizeof counts, " takes %zu, given %zu", expected, given);
    throw oleaut::Error(com::kWrongArgumentCountError,
                        "Wrong number of arguments or invalid property assignment: " +
                            std::string(method) + counts);
}

void rethrowForArgument(std::string_view method, size_t index) {
    try {
        throw;
    } catch (const oleaut::Error& e) {
        throw e.withContext(std::string(method) + " argument " + std::to_string(index + 1));
    }
}

void memberNotFound(std::string_view className, int32_t dispid) {
    char text[32];
    std::snprintf(text, sizeof text, " has no member 0x%08X", static_cast<uint32_t>(dispid));
    throw oleaut::Error(
        com::kMemberNotFoundError,
        "Object doesn't support this property or method: " + classIdentifier(className) + text);
}

}  // namespace kalvik
