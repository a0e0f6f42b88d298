#pragma once
// The error every layer throws inside the library: a number, a description and a source, as the
// automation error information carries them. Boundaries (dispatch, exported functions) turn it into
// a failed status; it never crosses a shared-library boundary as an exception.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace oleaut {

// Classic run-time error numbers, for every layer that raises one of them.
enum ErrorNumber : int32_t {
    kInvalidProcedureCall = 5,  // "Invalid procedure call or argument"
    kOverflow = 6,              // "Overflow"
    kDivisionByZero = 11,       // "Division by zero"
    kTypeMismatch = 13,         // "Type mismatch"
    kFileNotFound = 53,         // "File not found"
    kFileAlreadyExists = 58,    // "File already exists"
    kPermissionDenied = 70,     // "Permission denied"
    kPathFileAccessError = 75,  // "Path/File access error"
    kInvalidUseOfNull = 94,     // "Invalid use of Null"
    kObjectRequired = 424,      // "Object required"
    kCannotCreateObject = 429,  // "ActiveX component can't create object"
    kNotImplemented = 445,      // "Object doesn't support this action"
};

// Its description, and what() the same, is one line of valid UTF-8 of at most kErrorLineBytes
// bytes, as errorLine makes the text given: a name or a damaged file's bytes quoted in it never
// split, garble or flood the line that shows it.
class Error : public std::runtime_error {
  public:
    Error(int32_t number, std::string_view description, std::string source = {});

    [[nodiscard]] int32_t number() const noexcept { return number_; }
    [[nodiscard]] const std::string& description() const noexcept { return description_; }
    [[nodiscard]] const std::string& source() const noexcept { return source_; }

    // The error with its description prefixed by context ("consumer 12: ..."), number kept.
    [[nodiscard]] Error withContext(const std::string& context) const {
        return Error(number_, context + ": " + description_, source_);
    }

  private:
    int32_t number_;
    std::string description_;
    std::string source_;
};

// The classic errors with their classic texts.
[[nodiscard]] Error overflowError();
[[nodiscard]] Error divisionByZeroError();
[[nodiscard]] Error typeMismatchError();
[[nodiscard]] Error invalidUseOfNullError();
[[nodiscard]] Error invalidProcedureCallError();

}  // namespace oleaut
