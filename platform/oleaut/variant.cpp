#include "platform/oleaut/variant.hpp"

#include <cmath>

#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/decimal.hpp"

namespace oleaut {

const char* typeName(VarType type) noexcept {
    switch (type) {
        case VarType::Empty:
            return "Empty";
        case VarType::Null:
            return "Null";
        case VarType::Integer:
            return "Integer";
        case VarType::Long:
            return "Long";
        case VarType::Single:
            return "Single";
        case VarType::Double:
            return "Double";
        case VarType::Currency:
            return "Currency";
        case VarType::Date:
            return "Date";
        case VarType::String:
            return "String";
        case VarType::Object:
            return "Object";
        case VarType::Boolean:
            return "Boolean";
    }
    return "Unknown";
}

double checkedDouble(double value) {
    if (std::isnan(value)) throw invalidProcedureCallError();
    if (std::isinf(value)) throw overflowError();
    return value;
}

Currency Currency::fromDouble(double value) {
    detail::Decimal d = detail::shortestDecimal(checkedDouble(value));
    detail::roundDecimal(d, 4, detail::HalfRule::ToEven);
    Currency c;
    if (!detail::toScaledInteger(d, 4, c.raw)) throw overflowError();
    return c;
}

Variant::Variant(float f) : v_(f) {
    if (!std::isfinite(f)) (void)checkedDouble(f);
}

Variant::Variant(double d) : v_(d) {
    (void)checkedDouble(d);
}

Variant::Variant(Date d) : v_(d) {
    if (!Date::holds(d.value)) {
        (void)checkedDouble(d.value);
        dateOverflow(d.value);
    }
}

Variant::~Variant() = default;

bool Variant::isNumeric() const noexcept {
    switch (type()) {
        case VarType::Boolean:
        case VarType::Integer:
        case VarType::Long:
        case VarType::Single:
        case VarType::Double:
        case VarType::Currency:
        case VarType::Date:
            return true;
        default:
            return false;
    }
}

}  // namespace oleaut
