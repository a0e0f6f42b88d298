#include "library/services/row_fields.hpp"

#include <string>

namespace kalvik {

namespace {

template <class F>
auto withColumn(std::string_view column, F convert) {
    try {
        return convert();
    } catch (const oleaut::Error& e) {
        throw e.withContext("column " + std::string(column));
    }
}

}  // namespace

double number(const oleaut::Variant& value, std::string_view column) {
    if (value.type() == oleaut::VarType::Double) return value.asDouble();
    return withColumn(column, [&] { return oleaut::CDbl(value); });
}

int16_t integer(const oleaut::Variant& value, std::string_view column) {
    return withColumn(column, [&] { return oleaut::CInt(value); });
}

int32_t longInteger(const oleaut::Variant& value, std::string_view column) {
    return withColumn(column, [&] { return oleaut::CLng(value); });
}

bool equalsZero(const oleaut::Variant& value) {
    return oleaut::isTrue(oleaut::eq(value, oleaut::Variant(int16_t{0})));
}

}  // namespace kalvik
