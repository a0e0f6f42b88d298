#pragma once
// Declared column types, ADO data types and the variant kinds their values take.

#include <string_view>

#include "platform/ado/constants.hpp"
#include "platform/oleaut/variant.hpp"

namespace ado {

// INTEGER/INT to adInteger, SMALLINT to adSmallInt, BIT to adBoolean, REAL/FLOAT/DOUBLE to
// adDouble, MONEY to adCurrency, DATETIME to adDBTimeStamp, TEXT/VARCHAR to adVarChar and
// NVARCHAR/NTEXT to adVarWChar; no declaration (an expression) to adVariant.
DataTypeEnum typeOfDeclaration(std::string_view declared);

// The variant kind of a type's values; Empty for adVariant, whose values keep their own kind.
oleaut::VarType kindOf(DataTypeEnum type) noexcept;

// A value converted to the kind of a field or parameter of that type, as an assignment converts
// it. Empty and Null become Null.
oleaut::Variant coerce(const oleaut::Variant& value, DataTypeEnum type);

// Whether values of the type are text.
bool isTextType(DataTypeEnum type) noexcept;

}  // namespace ado
