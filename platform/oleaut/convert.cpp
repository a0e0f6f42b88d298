// Conversions CDbl .. CBool between the kinds of Variant.

#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/format.hpp"
#include "platform/oleaut/math.hpp"
#include "platform/oleaut/operand.hpp"
#include "platform/oleaut/variant.hpp"

namespace oleaut {
namespace {

using detail::operand;

void requireValue(const Variant& v) {
    if (v.isNull()) throw invalidUseOfNullError();
    if (v.isObject()) throw typeMismatchError();
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

}  // namespace

double CDbl(const Variant& v) {
    requireValue(v);
    return operand(v).toDouble();
}

float CSng(const Variant& v) {
    return single(CDbl(v));
}

int16_t CInt(const Variant& v) {
    requireValue(v);
    const int32_t value = operand(v).toLong();
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw overflowError();
    return static_cast<int16_t>(value);
}

int32_t CLng(const Variant& v) {
    requireValue(v);
    return operand(v).toLong();
}

Currency CCur(const Variant& v) {
    requireValue(v);
    return operand(v).toCurrency();
}

Date CDate(const Variant& v) {
    requireValue(v);
    if (v.isString()) return parseDate(v.asString());
    const double value = CDbl(v);
    if (!Date::holds(value)) dateOverflow(value);
    return Date{value};
}

std::string CStr(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
            return "";
        case VarType::Null:
            throw invalidUseOfNullError();
        case VarType::Boolean:
            return v.asBool() ? "True" : "False";
        case VarType::Integer:
            return integerText(v.asInteger());
        case VarType::Long:
            return integerText(v.asLong());
        case VarType::Single:
            return numberText(v.asSingle(), 7);
        case VarType::Double:
            return numberText(v.asDouble(), 15);
        case VarType::Currency:
            return currencyText(v.asCurrency());
        case VarType::Date:
            return dateText(v.asDate());
        case VarType::String:
            return v.asString();
        case VarType::Object:
            break;
    }
    throw typeMismatchError();
}

bool CBool(const Variant& v) {
    requireValue(v);
    if (v.isString()) {
        const std::string& text = v.asString();
        if (equalsIgnoringCase(text, "true")) return true;
        if (equalsIgnoringCase(text, "false")) return false;
        return parseNumber(text) != 0.0;
    }
    if (v.type() == VarType::Boolean) return v.asBool();
    const detail::Operand x = operand(v);
    return x.kind == VarType::Integer || x.kind == VarType::Long || x.kind == VarType::Currency
               ? x.whole != 0
               : x.real != 0.0;
}

}  // namespace oleaut
