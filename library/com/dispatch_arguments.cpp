#include <cstdio>
#include <vector>

#include "library/com/com_object.hpp"
#include "library/com/dispatch_table.hpp"
#include "platform/com/status.hpp"
#include "platform/oleaut/text.hpp"

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

void requireValidText(const oleaut::Variant& argument) {
    if (argument.isString() && !oleaut::isValidUtf8(argument.asString())) {
        throw oleaut::Error(
            oleaut::kInvalidProcedureCall,
            oleaut::invalidProcedureCallError().description() + ": the text is not valid UTF-8");
    }
}

namespace {

// A classic conversion error as the variant rules raise it, with nothing said about where.
bool namesNothing(const oleaut::Error& e) {
    for (const oleaut::Error& classic :
         {oleaut::typeMismatchError(), oleaut::overflowError(), oleaut::invalidUseOfNullError(),
          oleaut::divisionByZeroError(), oleaut::invalidProcedureCallError()}) {
        if (e.number() == classic.number() && e.description().starts_with(classic.description()))
            return true;
    }
    return false;
}

// Whether a text reads as a number or as a date.
bool numberOrDate(const oleaut::Variant& text) {
    try {
        (void)oleaut::CDbl(text);
        return true;
    } catch (const oleaut::Error&) {
    }
    try {
        (void)oleaut::CDate(text);
        return true;
    } catch (const oleaut::Error&) {
        return false;
    }
}

// Whether an argument can have caused the error: Null for Invalid use of Null; an object, or a text
// that is neither a number nor a date, for Type mismatch.
bool suspect(const oleaut::Error& e, const oleaut::Variant& value) {
    switch (e.number()) {
        case oleaut::kInvalidUseOfNull:
            return value.isNull();
        case oleaut::kTypeMismatch:
            return value.isObject() || (value.isString() && !numberOrDate(value));
        default:
            return false;
    }
}

}  // namespace

void rethrowForMethod(std::string_view method, com::Arguments args) {
    try {
        throw;
    } catch (const oleaut::Error& e) {
        if (!namesNothing(e)) throw;
        std::vector<size_t> suspects;
        for (size_t i = 0; i < args.size(); ++i) {
            if (suspect(e, *args[i])) suspects.push_back(i + 1);
        }
        std::string where(method);
        for (size_t i = 0; i < suspects.size(); ++i) {
            where += i == 0 ? (suspects.size() == 1 ? " argument " : " one of arguments ") : ", ";
            where += std::to_string(suspects[i]);
        }
        throw e.withContext(where);
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
