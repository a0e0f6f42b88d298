#pragma once
// Readable variants in test failure messages, a fixture with pinned regional settings, and the
// shared error-number helper.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/oleaut/regional.hpp"
#include "platform/oleaut/variant.hpp"
#include "tests/support/error_number.hpp"

namespace oleaut {

inline void PrintTo(const Variant& v, std::ostream* os) {
    *os << typeName(v.type());
    switch (v.type()) {
        case VarType::Empty:
        case VarType::Null:
            return;
        case VarType::Object:
            *os << " object";
            return;
        case VarType::Boolean:
            *os << (v.asBool() ? " True" : " False");
            return;
        case VarType::Integer:
            *os << ' ' << v.asInteger();
            return;
        case VarType::Long:
            *os << ' ' << v.asLong();
            return;
        case VarType::Single:
            *os << ' ' << v.asSingle();
            return;
        case VarType::Double:
            *os << ' ' << v.asDouble();
            return;
        case VarType::Currency:
            *os << " raw " << v.asCurrency().raw;
            return;
        case VarType::Date:
            *os << " serial " << v.asDate().value;
            return;
        case VarType::String:
            *os << " \"" << v.asString() << '"';
            return;
    }
}

// Tests run with "." decimals, "," grouping by three, "dd.MM.yyyy" and "HH:mm:ss".
class PinnedRegional : public ::testing::Test {
  protected:
    ScopedRegionalSettings regional_{RegionalSettings::invariant()};
};

using kalvik::test::errorNumberOf;

}  // namespace oleaut
