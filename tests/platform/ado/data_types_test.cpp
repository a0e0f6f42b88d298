#include "platform/ado/data_types.hpp"
#include "tests/support/case_names.hpp"

#include <gtest/gtest.h>

namespace {

using oleaut::VarType;

struct DeclaredCase {
    const char* declared;
    ado::DataTypeEnum type;
    VarType kind;
};

void PrintTo(const DeclaredCase& c, std::ostream* os) {
    *os << c.declared;
}

class DeclaredType : public ::testing::TestWithParam<DeclaredCase> {};

TEST_P(DeclaredType, MapsToTheAdoTypeAndKind) {
    const DeclaredCase& c = GetParam();
    EXPECT_EQ(ado::typeOfDeclaration(c.declared), c.type) << c.declared;
    EXPECT_EQ(ado::kindOf(c.type), c.kind) << c.declared;
}

INSTANTIATE_TEST_SUITE_P(
    Declarations, DeclaredType,
    ::testing::Values(DeclaredCase{"INTEGER", ado::adInteger, VarType::Long},
                      DeclaredCase{"int", ado::adInteger, VarType::Long},
                      DeclaredCase{"SMALLINT", ado::adSmallInt, VarType::Integer},
                      DeclaredCase{"BIT", ado::adBoolean, VarType::Boolean},
                      DeclaredCase{"REAL", ado::adDouble, VarType::Double},
                      DeclaredCase{"FLOAT", ado::adDouble, VarType::Double},
                      DeclaredCase{"DOUBLE PRECISION", ado::adDouble, VarType::Double},
                      DeclaredCase{"MONEY", ado::adCurrency, VarType::Currency},
                      DeclaredCase{"DATETIME", ado::adDBTimeStamp, VarType::Date},
                      DeclaredCase{"TEXT", ado::adVarChar, VarType::String},
                      DeclaredCase{"VARCHAR(10)", ado::adVarChar, VarType::String},
                      DeclaredCase{"NVARCHAR(50)", ado::adVarWChar, VarType::String},
                      DeclaredCase{"", ado::adVariant, VarType::Empty}),
    kalvik::test::NamedByPrinting{});

TEST(Coerce, ConvertsToTheKindOfTheType) {
    EXPECT_TRUE(identical(ado::coerce(oleaut::Variant(2.5), ado::adInteger), int32_t{2}));
    EXPECT_TRUE(identical(ado::coerce(oleaut::Variant(3.5), ado::adInteger), int32_t{4}));
    EXPECT_TRUE(identical(ado::coerce(oleaut::Variant(int32_t{7}), ado::adDouble), 7.0));
    EXPECT_TRUE(identical(ado::coerce(oleaut::Variant(int32_t{0}), ado::adBoolean), false));
    EXPECT_TRUE(identical(ado::coerce(oleaut::Variant(), ado::adInteger), oleaut::kNull));
    EXPECT_TRUE(identical(ado::coerce(oleaut::kNull, ado::adVarChar), oleaut::kNull));
    EXPECT_TRUE(identical(ado::coerce(oleaut::Variant(1.25), ado::adVariant), 1.25));
    EXPECT_THROW(ado::coerce(oleaut::Variant("abc"), ado::adInteger), oleaut::Error);
}

}  // namespace
