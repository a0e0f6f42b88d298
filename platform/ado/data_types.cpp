#include "platform/ado/data_types.hpp"

#include <string>

#include "platform/ado/connection_string.hpp"

namespace ado {
namespace {

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

DataTypeEnum typeOfDeclaration(std::string_view declared) {
    std::string upper(declared);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    if (upper.empty()) return adVariant;
    if (contains(upper, "BIGINT")) return adBigInt;
    if (contains(upper, "SMALLINT") || contains(upper, "TINYINT")) return adSmallInt;
    if (upper.rfind("BIT", 0) == 0 || contains(upper, "BOOL")) return adBoolean;
    if (contains(upper, "INT")) return adInteger;
    if (contains(upper, "MONEY") || contains(upper, "CURRENCY")) return adCurrency;
    if (contains(upper, "DATE") || contains(upper, "TIME")) return adDBTimeStamp;
    if (contains(upper, "REAL") || contains(upper, "FLOA") || contains(upper, "DOUB")) {
        return adDouble;
    }
    if (contains(upper, "NUMERIC") || contains(upper, "DECIMAL")) return adNumeric;
    if (contains(upper, "CHAR") || contains(upper, "TEXT") || contains(upper, "CLOB")) {
        return upper.front() == 'N' ? adVarWChar : adVarChar;
    }
    return adVariant;
}

oleaut::VarType kindOf(DataTypeEnum type) noexcept {
    using oleaut::VarType;
    switch (type) {
        case adSmallInt:
        case adTinyInt:
            return VarType::Integer;
        case adInteger:
            return VarType::Long;
        case adSingle:
            return VarType::Single;
        case adDouble:
        case adNumeric:
        case adBigInt:
            return VarType::Double;
        case adCurrency:
            return VarType::Currency;
        case adDate:
        case adDBDate:
        case adDBTimeStamp:
            return VarType::Date;
        case adBoolean:
            return VarType::Boolean;
        case adBSTR:
        case adChar:
        case adWChar:
        case adVarChar:
        case adLongVarChar:
        case adVarWChar:
        case adLongVarWChar:
            return VarType::String;
        default:
            return VarType::Empty;
    }
}

bool isTextType(DataTypeEnum type) noexcept {
    return kindOf(type) == oleaut::VarType::String;
}

oleaut::Variant coerce(const oleaut::Variant& value, DataTypeEnum type) {
    using oleaut::VarType;
    if (value.isNull() || value.isEmpty()) return oleaut::kNull;
    const VarType kind = kindOf(type);
    if (kind == VarType::Empty || value.type() == kind) {
        if (value.isObject()) throw oleaut::typeMismatchError();
        return value;
    }
    switch (kind) {
        case VarType::Integer:
            return oleaut::CInt(value);
        case VarType::Long:
            return oleaut::CLng(value);
        case VarType::Single:
            return oleaut::CSng(value);
        case VarType::Double:
            return oleaut::CDbl(value);
        case VarType::Currency:
            return oleaut::CCur(value);
        case VarType::Date:
            return oleaut::CDate(value);
        case VarType::Boolean:
            return oleaut::CBool(value);
        case VarType::String:
            return oleaut::CStr(value);
        default:
            return value;
    }
}

}  // namespace ado
