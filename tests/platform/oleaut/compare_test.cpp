#include <gtest/gtest.h>

#include <functional>

#include "platform/oleaut/variant.hpp"
#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

using BinaryOp = std::function<Variant(const Variant&, const Variant&)>;

const Variant kT(true), kF(false), kN(kNull), kE;
Variant I(int v) {
    return Variant(static_cast<int16_t>(v));
}

struct Case {
    const char* what;
    BinaryOp op;
    Variant a, b;
    Variant expected;
};

void check(const Case& c) {
    const Variant got = c.op(c.a, c.b);
    EXPECT_TRUE(identical(got, c.expected)) << c.what << " gave " << ::testing::PrintToString(got);
}

class Comparison : public PinnedRegional {};

TEST_F(Comparison, AnyComparisonWithNullIsNull) {
    for (const BinaryOp& op :
         {BinaryOp(eq), BinaryOp(ne), BinaryOp(lt), BinaryOp(le), BinaryOp(gt), BinaryOp(ge)}) {
        check({"Null ? 1", op, kN, I(1), kN});
        check({"\"a\" ? Null", op, Variant("a"), kN, kN});
        check({"Null ? Null", op, kN, kN, kN});
        check({"Empty ? Null", op, kE, kN, kN});
    }
}

TEST_F(Comparison, ValuesOfEveryKind) {
    const Case cases[] = {
        {"1 = 1#", eq, I(1), Variant(1.0), kT},
        {"1 < 1.5", lt, I(1), Variant(1.5), kT},
        {"2& > 1!", gt, Variant(int32_t{2}), Variant(1.0f), kT},
        {"Empty = 0", eq, kE, I(0), kT},
        {"Empty = \"\"", eq, kE, Variant(""), kT},
        {"Empty < \"a\"", lt, kE, Variant("a"), kT},
        {"Empty = Empty", eq, kE, kE, kT},
        {"True = -1", eq, kT, I(-1), kT},
        {"False < True is false (0 > -1)", lt, kF, kT, kF},
        {"Currency 1.5 = 1.5#", eq, Variant(Currency{15000}), Variant(1.5), kT},
        {"Currency 1 = Long 1", eq, Variant(Currency{10000}), Variant(int32_t{1}), kT},
        {"Date 61 > 60", gt, Variant(Date{61.0}), I(60), kT},
        {"\"a\" < \"b\"", lt, Variant("a"), Variant("b"), kT},
        {"\"B\" < \"a\": ordinal", lt, Variant("B"), Variant("a"), kT},
        {"\"Тонн\" <> \"тонн\": case counts", ne, Variant("Тонн"), Variant("тонн"), kT},
        {"\"Я\" > \"Z\"", gt, Variant("Я"), Variant("Z"), kT},
        {"\"10\" = 10: text read as number", eq, Variant("10"), I(10), kT},
        {"\"9\" < 10", lt, Variant("9"), I(10), kT},
        {"1 >= 1", ge, I(1), I(1), kT},
        {"1 <= 0", le, I(1), I(0), kF},
        {"1 <> 1", ne, I(1), I(1), kF},
        {"Single 0.1 <> Double 0.1", ne, Variant(0.1f), Variant(0.1), kT},
    };
    for (const Case& c : cases)
        check(c);
}

TEST_F(Comparison, WhatDoesNotCompareFails) {
    const Variant object(std::make_shared<Object>());
    EXPECT_EQ(errorNumberOf([&] { return eq(object, I(1)); }), kTypeMismatch);
    EXPECT_EQ(errorNumberOf([] { return lt(Variant("abc"), I(1)); }), kTypeMismatch);
}

TEST_F(Comparison, ThreeValuedLogicTables) {
    const Case cases[] = {
        {"T And T", And, kT, kT, kT},
        {"T And F", And, kT, kF, kF},
        {"T And N", And, kT, kN, kN},
        {"F And N", And, kF, kN, kF},
        {"N And F", And, kN, kF, kF},
        {"N And N", And, kN, kN, kN},
        {"N And T", And, kN, kT, kN},
        {"F And F", And, kF, kF, kF},
        {"T Or F", Or, kT, kF, kT},
        {"F Or F", Or, kF, kF, kF},
        {"T Or N", Or, kT, kN, kT},
        {"N Or T", Or, kN, kT, kT},
        {"F Or N", Or, kF, kN, kN},
        {"N Or N", Or, kN, kN, kN},
        {"T Xor T", Xor, kT, kT, kF},
        {"T Xor N", Xor, kT, kN, kN},
        {"12 And 10 bitwise", And, I(12), I(10), I(8)},
        {"12 Or 3 bitwise", Or, I(12), I(3), I(15)},
        {"N And 0", And, kN, I(0), I(0)},
        {"N And 5", And, kN, I(5), kN},
        {"N Or -1", Or, kN, I(-1), I(-1)},
        {"N Or 5", Or, kN, I(5), kN},
        {"True And 6", And, kT, I(6), I(6)},
    };
    for (const Case& c : cases)
        check(c);
    EXPECT_TRUE(identical(Not(kN), kN));
    EXPECT_TRUE(identical(Not(kT), kF));
    EXPECT_TRUE(identical(Not(kF), kT));
    EXPECT_TRUE(identical(Not(I(0)), I(-1)));
    EXPECT_TRUE(identical(Not(Variant(int32_t{5})), Variant(int32_t{-6})));
    EXPECT_TRUE(identical(Not(kE), I(-1)));
}

TEST_F(Comparison, ConditionsTreatNullAsFalse) {
    struct Truth {
        Variant value;
        bool expected;
    };
    const Truth cases[] = {
        {kN, false},
        {kE, false},
        {kT, true},
        {kF, false},
        {I(0), false},
        {I(-3), true},
        {Variant(0.0), false},
        {Variant(0.001), true},
        {Variant(Currency{1}), true},
        {Variant("True"), true},
        {Variant("false"), false},
        {Variant("2"), true},
        {Variant("0"), false},
        {eq(kN, kN), false},
        {Not(kN), false},
    };
    for (const Truth& c : cases) {
        EXPECT_EQ(isTrue(c.value), c.expected) << ::testing::PrintToString(c.value);
    }
    EXPECT_EQ(errorNumberOf([] { return isTrue(Variant("yes")); }), kTypeMismatch);
}

}  // namespace
}  // namespace oleaut
