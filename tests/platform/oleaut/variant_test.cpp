#include "platform/oleaut/variant.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

TEST(Variant, KindsAndNames) {
    struct Case {
        Variant value;
        VarType type;
        const char* name;
    };
    const Case cases[] = {
        {Variant(), VarType::Empty, "Empty"},
        {Variant(kNull), VarType::Null, "Null"},
        {Variant(true), VarType::Boolean, "Boolean"},
        {Variant(int16_t{7}), VarType::Integer, "Integer"},
        {Variant(int32_t{7}), VarType::Long, "Long"},
        {Variant(1.5f), VarType::Single, "Single"},
        {Variant(1.5), VarType::Double, "Double"},
        {Variant(Currency{15000}), VarType::Currency, "Currency"},
        {Variant(Date{61.0}), VarType::Date, "Date"},
        {Variant("Тонн"), VarType::String, "String"},
        {Variant(std::make_shared<Object>()), VarType::Object, "Object"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value.type(), c.type) << c.name;
        EXPECT_STREQ(typeName(c.value.type()), c.name);
    }
    EXPECT_EQ(static_cast<int>(VarType::Boolean), 11);
    EXPECT_EQ(static_cast<int>(VarType::String), 8);
}

TEST(Variant, ExactAccessOfAnotherKindIsTypeMismatch) {
    EXPECT_EQ(errorNumberOf([] { (void)Variant(int16_t{1}).asLong(); }), kTypeMismatch);
    EXPECT_EQ(errorNumberOf([] { (void)Variant().asString(); }), kTypeMismatch);
    EXPECT_EQ(Variant(int32_t{5}).asLong(), 5);
}

TEST(Variant, NoInfinityOrNanIsEverStored) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(errorNumberOf([&] { Variant v(inf); }), kOverflow);
    EXPECT_EQ(errorNumberOf([&] { Variant v(-inf); }), kOverflow);
    EXPECT_EQ(errorNumberOf([&] { Variant v(nan); }), kInvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { Variant v(static_cast<float>(inf)); }), kOverflow);
    EXPECT_EQ(errorNumberOf([&] { Variant v(Date{nan}); }), kInvalidProcedureCall);
    // Dates hold 1 January 100 .. 31 December 9999.
    EXPECT_EQ(errorNumberOf([] { Variant v(Date{2958466.0}); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { Variant v(Date{-657435.0}); }), kOverflow);
    EXPECT_EQ(errorNumberOf([] { Variant v(Date{2958465.5}); }), 0);
}

TEST(Variant, IdenticalComparesKindAndValue) {
    struct Case {
        Variant a, b;
        bool same;
    };
    const Case cases[] = {
        {Variant(kNull), Variant(kNull), true},
        {Variant(), Variant(), true},
        {Variant(int16_t{1}), Variant(int32_t{1}), false},
        {Variant(), Variant(kNull), false},
        {Variant("a"), Variant(std::string("a")), true},
        {Variant(1.5), Variant(1.5f), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(identical(c.a, c.b), c.same);
}

TEST(Variant, NumbersAreKeptWithoutHeapStorage) {
    // The whole value fits in the variant itself: a string buffer is its largest member.
    EXPECT_LE(sizeof(Variant), sizeof(std::string) + 8);
    EXPECT_TRUE(Variant(Date{1.0}).isNumeric());
    EXPECT_FALSE(Variant("1").isNumeric());
    EXPECT_FALSE(Variant().isNumeric());
}

}  // namespace
}  // namespace oleaut
