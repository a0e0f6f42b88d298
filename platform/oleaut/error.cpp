#include "platform/oleaut/error.hpp"

namespace oleaut {

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
