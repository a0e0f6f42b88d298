#include "platform/com/status.hpp"

#include <cstdio>
#include <exception>
#include <new>

namespace com {
namespace {

HResult statusOfError(const oleaut::Error& e) {
    switch (e.number()) {
        case kMemberNotFoundError:
            return kMemberNotFound;
        case kWrongArgumentCountError:
            return kBadParamCount;
        case oleaut::kCannotCreateObject:
            return kClassNotRegistered;
        default:
            return kException;
    }
}

}  // namespace

HResult statusOfCurrentException(ErrorInfo& error) noexcept {
    try {
        throw;
    } catch (const oleaut::Error& e) {
        error = {e.number(), e.description(), e.source()};
        return statusOfError(e);
    } catch (const std::bad_alloc&) {
        error = {kOutOfMemoryError, "Out of memory", {}};
        return kOutOfMemory;
    } catch (const std::exception& e) {
        error = {kInternalError, e.what(), {}};
        return kException;
    } catch (...) {
        error = {kInternalError, "Internal error", {}};
        return kException;
    }
}

oleaut::Error errorOfStatus(HResult hr, const ErrorInfo& error) {
    if (error.number != 0 || !error.description.empty())
        return oleaut::Error(error.number, error.description, error.source);
    char text[64];
    std::snprintf(text, sizeof text, "call failed with status 0x%08X", static_cast<uint32_t>(hr));
    return oleaut::Error(kInternalError, text, error.source);
}

}  // namespace com
