#pragma once
// Status codes and error information of calls across an object boundary. Inside, a failure is an
// oleaut::Error exception; at a boundary (dispatch, exported functions) it becomes a failed status
// with the error's number, description and source, and nothing escapes as an exception.

#include <cstdint>
#include <string>

#include "platform/oleaut/error.hpp"

namespace com {

using HResult = int32_t;

constexpr HResult hresult(uint32_t code) {
    return static_cast<HResult>(code);
}

inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;
inline constexpr HResult kFail = hresult(0x80004005);
inline constexpr HResult kNoInterface = hresult(0x80004002);
inline constexpr HResult kOutOfMemory = hresult(0x8007000E);
inline constexpr HResult kUnknownName = hresult(0x80020006);
inline constexpr HResult kMemberNotFound = hresult(0x80020003);
inline constexpr HResult kTypeMismatch = hresult(0x80020005);
inline constexpr HResult kBadParamCount = hresult(0x8002000E);
inline constexpr HResult kException = hresult(0x80020009);
inline constexpr HResult kClassNotAvailable = hresult(0x80040111);
inline constexpr HResult kClassNotRegistered = hresult(0x80040154);

constexpr bool succeeded(HResult hr) {
    return hr >= 0;
}
constexpr bool failed(HResult hr) {
    return hr < 0;
}

// The error information a failed status carries.
struct ErrorInfo {
    int32_t number = 0;
    std::string description;
    std::string source;
};

// Classic error numbers of calls by name.
enum CallErrorNumber : int32_t {
    kInternalError = 51,             // "Internal error"
    kOutOfMemoryError = 7,           // "Out of memory"
    kMemberNotFoundError = 438,      // "Object doesn't support this property or method"
    kWrongArgumentCountError = 450,  // "Wrong number of arguments or invalid property assignment"
};

// The status and error information of an exception caught at a boundary (call inside a catch).
HResult statusOfCurrentException(ErrorInfo& error) noexcept;

// Runs body at a boundary: its exception becomes a failed status with its error information.
template <class Body>
HResult guarded(ErrorInfo& error, Body&& body) noexcept {
    try {
        body();
        return kOk;
    } catch (...) {
        return statusOfCurrentException(error);
    }
}

// The exception a client raises for a failed status: the callee's error, or one made from the
// status when the callee gave none.
oleaut::Error errorOfStatus(HResult hr, const ErrorInfo& error);

}  // namespace com
