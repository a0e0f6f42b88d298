#include "platform/oleaut/error.hpp"

#include "platform/oleaut/error_text.hpp"

namespace oleaut {

Error::Error(int32_t number, std::string_view description, std::string source)
    : std::runtime_error(errorLine(description)),
      number_(number),
      description_(std::runtime_error::what()),
      source_(std::move(source)) {}

Error overflowError() {
    return Error(kOverflow, "Overflow");
}
Error divisionByZeroError() {
    return Error(kDivisionByZero, "Division by zero");
}
Error typeMismatchError() {
    return Error(kTypeMismatch, "Type mismatch");
}
Error invalidUseOfNullError() {
    return Error(kInvalidUseOfNull, "Invalid use of Null");
}
Error invalidProcedureCallError() {
    return Error(kInvalidProcedureCall, "Invalid procedure call or argument");
}

}  // namespace oleaut
