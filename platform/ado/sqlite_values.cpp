#include "platform/ado/sqlite_values.hpp"

#include <cstring>
#include <limits>

#include "platform/ado/connection_string.hpp"
#include "platform/ado/data_types.hpp"
#include "platform/ado/errors.hpp"

namespace ado::sqlite {
namespace {

using oleaut::Variant;
using oleaut::VarType;

const char* storageName(int storage) {
    switch (storage) {
        case SQLITE_INTEGER:
            return "an integer";
        case SQLITE_FLOAT:
            return "a real number";
        case SQLITE_TEXT:
            return "text";
        default:
            return "binary data";
    }
}

[[noreturn]] void cannotRead(const ColumnInfo& column, int storage, VarType kind) {
    throw adoError(adErrDataConversion,
                   "column " + inQuotes(column.name) + " holds " + storageName(storage) +
                       ", which cannot be read as " + oleaut::typeName(kind),
                   "SQLite");
}

Variant wholeNumber(sqlite3_int64 value, VarType kind) {
    if (kind == VarType::Integer) {
        if (value < std::numeric_limits<int16_t>::min() ||
            value > std::numeric_limits<int16_t>::max()) {
            throw oleaut::overflowError();
        }
        return static_cast<int16_t>(value);
    }
    if (value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
        if (kind == VarType::Long) throw oleaut::overflowError();
        return static_cast<double>(value);
    }
    return static_cast<int32_t>(value);
}

// Stored text, which must be UTF-8: a text in any other encoding fails naming its column. The
// view lasts until the statement moves on.
std::string_view storedText(sqlite3_stmt* statement, int index, const ColumnInfo& column) {
    const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
    const std::string_view value(chars ? chars : "",
                                 static_cast<size_t>(sqlite3_column_bytes(statement, index)));
    if (!oleaut::isValidUtf8(value)) {
        throw adoError(adErrDataConversion,
                       "column " + inQuotes(column.name) + " holds text that is not valid UTF-8",
                       "SQLite");
    }
    return value;
}

std::string text(sqlite3_stmt* statement, int index, const ColumnInfo& column) {
    return std::string(storedText(statement, index, column));
}

std::string_view bareName(std::string_view name) {
    if (!name.empty() && (name.front() == '@' || name.front() == ':' || name.front() == '$')) {
        name.remove_prefix(1);
    }
    return name;
}

}  // namespace

std::vector<ColumnInfo> describeColumns(sqlite3_stmt* statement) {
    const int count = sqlite3_column_count(statement);
    std::vector<ColumnInfo> columns(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        ColumnInfo& column = columns[static_cast<size_t>(i)];
        const char* name = sqlite3_column_name(statement, i);
        const char* declared = sqlite3_column_decltype(statement, i);
        const char* table = sqlite3_column_table_name(statement, i);
        const char* origin = sqlite3_column_origin_name(statement, i);
        column.name = name ? name : "";
        column.type = typeOfDeclaration(declared ? declared : "");
        column.baseTable = table ? table : "";
        column.baseColumn = origin ? origin : "";
    }
    return columns;
}

namespace {

Variant readStored(sqlite3_stmt* statement, int index, const ColumnInfo& column) {
    const int storage = sqlite3_column_type(statement, index);
    if (storage == SQLITE_NULL) return oleaut::kNull;
    const VarType kind = kindOf(column.type);
    const bool number = storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
    switch (kind) {
        case VarType::String:
            return text(statement, index, column);
        case VarType::Empty:  // an expression: the stored value's own kind
            if (storage == SQLITE_INTEGER) {
                return wholeNumber(sqlite3_column_int64(statement, index), VarType::Empty);
            }
            if (storage == SQLITE_FLOAT) return sqlite3_column_double(statement, index);
            return text(statement, index, column);
        case VarType::Integer:
        case VarType::Long:
            if (storage == SQLITE_INTEGER) {
                return wholeNumber(sqlite3_column_int64(statement, index), kind);
            }
            if (storage == SQLITE_FLOAT) {
                const Variant real = sqlite3_column_double(statement, index);
                return kind == VarType::Long ? Variant(oleaut::CLng(real))
                                             : Variant(oleaut::CInt(real));
            }
            break;
        case VarType::Boolean:
            if (number) return sqlite3_column_double(statement, index) != 0.0;
            break;
        case VarType::Single:
            if (number) return static_cast<float>(sqlite3_column_double(statement, index));
            break;
        case VarType::Double:
            if (number) return sqlite3_column_double(statement, index);
            break;
        case VarType::Currency:
            if (storage == SQLITE_INTEGER) {
                return oleaut::CCur(wholeNumber(sqlite3_column_int64(statement, index), kind));
            }
            if (storage == SQLITE_FLOAT) {
                return oleaut::Currency::fromDouble(sqlite3_column_double(statement, index));
            }
            break;
        case VarType::Date:
            if (number) return oleaut::Date{sqlite3_column_double(statement, index)};
            break;
        default:
            break;
    }
    cannotRead(column, storage, kind);
}

}  // namespace

Variant readValue(sqlite3_stmt* statement, int index, const ColumnInfo& column) {
    try {
        return readStored(statement, index, column);
    } catch (const oleaut::Error& e) {
        if (e.number() == adErrDataConversion) throw;  // names the column already
        throw e.withContext("column " + inQuotes(column.name));
    }
}

void readInto(sqlite3_stmt* statement, int index, const ColumnInfo& column, CellStore& cells) {
    // Nulls, texts and the numbers of REAL columns, most of what is read, go in without a Variant.
    const int storage = sqlite3_column_type(statement, index);
    const VarType kind = kindOf(column.type);
    if (storage == SQLITE_NULL) {
        cells.appendNulls(1);
    } else if (storage == SQLITE_TEXT && (kind == VarType::String || kind == VarType::Empty)) {
        cells.pushText(storedText(statement, index, column));
    } else if (kind == VarType::Double && storage != SQLITE_TEXT && storage != SQLITE_BLOB) {
        cells.pushDouble(sqlite3_column_double(statement, index));
    } else {
        cells.push_back(readValue(statement, index, column));
    }
}

void bindValue(sqlite3_stmt* statement, int index, const Variant& value) {
    switch (value.type()) {
        case VarType::Empty:
        case VarType::Null:
            sqlite3_bind_null(statement, index);
            return;
        case VarType::Boolean:
            sqlite3_bind_int(statement, index, value.asBool() ? 1 : 0);
            return;
        case VarType::Integer:
            sqlite3_bind_int(statement, index, value.asInteger());
            return;
        case VarType::Long:
            sqlite3_bind_int(statement, index, value.asLong());
            return;
        case VarType::Single:
            sqlite3_bind_double(statement, index, value.asSingle());
            return;
        case VarType::Double:
            sqlite3_bind_double(statement, index, value.asDouble());
            return;
        case VarType::Currency: {
            const int64_t raw = value.asCurrency().raw;
            if (raw % oleaut::Currency::kScale == 0) {
                sqlite3_bind_int64(statement, index, raw / oleaut::Currency::kScale);
            } else {
                sqlite3_bind_double(statement, index, value.asCurrency().toDouble());
            }
            return;
        }
        case VarType::Date:
            sqlite3_bind_double(statement, index, value.asDate().value);
            return;
        case VarType::String: {
            const std::string& s = value.asString();
            // The caller keeps the value alive until the statement is reset.
            sqlite3_bind_text(statement, index, s.data(), static_cast<int>(s.size()),
                              SQLITE_STATIC);
            return;
        }
        case VarType::Object:
            throw oleaut::typeMismatchError();
    }
}

void bindParameters(sqlite3_stmt* statement, const std::vector<Binding>& bindings,
                    size_t* nextPositional, const std::string& what) {
    const int count = sqlite3_bind_parameter_count(statement);
    for (int i = 1; i <= count; ++i) {
        const char* placeholder = sqlite3_bind_parameter_name(statement, i);
        const Binding* found = nullptr;
        if (placeholder == nullptr || placeholder[0] == '?') {
            const size_t position = (placeholder && placeholder[1])
                                        ? static_cast<size_t>(std::atoi(placeholder + 1) - 1)
                                        : (*nextPositional)++;
            if (position < bindings.size()) found = &bindings[position];
        } else {
            const std::string_view wanted = bareName(placeholder);
            for (const Binding& binding : bindings) {
                if (!binding.name.empty() &&
                    equalsIgnoringAsciiCase(bareName(binding.name), wanted)) {
                    found = &binding;
                    break;
                }
            }
        }
        if (!found) {
            const std::string name = placeholder ? placeholder : "?" + std::to_string(i);
            throw adoError(
                adErrInvalidParamInfo,
                what + " expects parameter " + inQuotes(name) + ", which was not supplied",
                "SQLite");
        }
        bindValue(statement, i, found->value);
    }
}

std::string quoteIdentifier(const std::string& name) {
    std::string quotedName = "\"";
    for (char c : name) {
        quotedName += c;
        if (c == '"') quotedName += '"';
    }
    return quotedName + "\"";
}

}  // namespace ado::sqlite
