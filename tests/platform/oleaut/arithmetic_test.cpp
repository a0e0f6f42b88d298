#include <gtest/gtest.h>

#include <functional>

#include "platform/oleaut/variant.hpp"
#include "tests/platform/oleaut/variant_kinds.hpp"
#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

using namespace kinds;

using BinaryOp = std::function<Variant(const Variant&, const Variant&)>;

const BinaryOp kAdd = [](const Variant& a, const Variant& b) { return a + b; };
const BinaryOp kSub = [](const Variant& a, const Variant& b) { return a - b; };
const BinaryOp kMul = [](const Variant& a, const Variant& b) { return a * b; };
const BinaryOp kDiv = [](const Variant& a, const Variant& b) { return a / b; };
const BinaryOp kIntDiv = intDiv;
const BinaryOp kMod = mod;
const BinaryOp kPow = pow;
const BinaryOp kConcat = concat;

const Variant kEmpty;
const Variant kN(kNull);

struct Case {
    const char* what;
    BinaryOp op;
    Variant a, b;
    Variant expected;
};

class Arithmetic : public PinnedRegional {};

TEST_F(Arithmetic, NullAndEmptyThroughEveryOperator) {
    const Case cases[] = {
        {"Null + 1", kAdd, kN, I(1), kN},
        {"1 + Null", kAdd, I(1), kN, kN},
        {"Null - 1", kSub, kN, I(1), kN},
        {"Null * 0", kMul, kN, I(0), kN},
        {"Null / 1", kDiv, kN, I(1), kN},
        {"1 / Null", kDiv, I(1), kN, kN},
        {"Null \\ 1", kIntDiv, kN, I(1), kN},
        {"Null Mod 2", kMod, kN, I(2), kN},
        {"Null ^ 2", kPow, kN, I(2), kN},
        {"2 ^ Null", kPow, I(2), kN, kN},
        {"Null & \"a\"", kConcat, kN, Variant("a"), Variant("a")},
        {"\"a\" & Null", kConcat, Variant("a"), kN, Variant("a")},
        {"Null & Null", kConcat, kN, kN, kN},
        {"Empty + Empty", kAdd, kEmpty, kEmpty, I(0)},
        {"Empty + 5&", kAdd, kEmpty, L(5), L(5)},
        {"Empty - 2.5", kSub, kEmpty, D(2.5), D(-2.5)},
        {"Empty * 7", kMul, kEmpty, I(7), I(0)},
        {"Empty / 4", kDiv, kEmpty, I(4), D(0.0)},
        {"Empty \\ 3", kIntDiv, kEmpty, I(3), I(0)},
        {"Empty ^ 0", kPow, kEmpty, I(0), D(1.0)},
        {"Empty & Empty", kConcat, kEmpty, kEmpty, Variant("")},
        {"Empty + \"ab\"", kAdd, kEmpty, Variant("ab"), Variant("ab")},
        {"\"ab\" + Empty", kAdd, Variant("ab"), kEmpty, Variant("ab")},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(c.op(c.a, c.b), c.expected))
            << c.what << " gave " << ::testing::PrintToString(c.op(c.a, c.b));
    }
    EXPECT_TRUE(identical(-kN, kN));
    EXPECT_TRUE(identical(-kEmpty, I(0)));
}

TEST_F(Arithmetic, ResultKinds) {
    const Case cases[] = {
        {"Integer + Integer", kAdd, I(2), I(3), I(5)},
        {"True + True", kAdd, Variant(true), Variant(true), I(-2)},
        {"Integer + Long", kAdd, I(2), L(3), L(5)},
        {"Long + Single", kAdd, L(2), S(0.5f), D(2.5)},
        {"Integer + Single", kAdd, I(2), S(0.5f), S(2.5f)},
        {"Single + Double", kAdd, S(0.5f), D(0.25), D(0.75)},
        {"Double + Currency", kAdd, D(1.5), C(10000), C(25000)},
        {"Currency * Double", kMul, C(15000), D(2.0), D(3.0)},
        {"Currency * Integer", kMul, C(15000), I(3), C(45000)},
        {"Currency * Currency", kMul, C(15000), C(15000), C(22500)},
        {"Currency * Currency rounds half even", kMul, C(1), C(5000), C(0)},
        {"Currency * Currency odd half up", kMul, C(3), C(5000), C(2)},
        {"Date + Integer", kAdd, T(61.5), I(2), T(63.5)},
        {"Date - Integer", kSub, T(61.5), I(1), T(60.5)},
        {"Date - Date is days", kSub, T(61.5), T(60.0), D(1.5)},
        {"Date * 2 is a number", kMul, T(2.0), I(2), D(4.0)},
        {"\"1.5\" + 1", kAdd, Variant("1.5"), I(1), D(2.5)},
        {"\"ab\" + \"cd\"", kAdd, Variant("ab"), Variant("cd"), Variant("abcd")},
        {"\"3\" - \"1\"", kSub, Variant("3"), Variant("1"), D(2.0)},
        {"7 / 2", kDiv, I(7), I(2), D(3.5)},
        {"Currency / Integer", kDiv, C(10000), I(4), D(0.25)},
        {"7 \\ 2", kIntDiv, I(7), I(2), I(3)},
        {"-7 \\ 2", kIntDiv, I(-7), I(2), I(-3)},
        {"7.5 \\ 2 rounds the operand to even 8", kIntDiv, D(7.5), I(2), L(4)},
        {"6.5 \\ 2 rounds the operand to even 6", kIntDiv, D(6.5), I(2), L(3)},
        {"-7 Mod 3", kMod, I(-7), I(3), I(-1)},
        {"7 Mod -3", kMod, I(7), I(-3), I(1)},
        {"100000 Mod 7", kMod, L(100000), I(7), L(5)},
        {"2 ^ 10", kPow, I(2), I(10), D(1024.0)},
        {"4 ^ 0.5", kPow, I(4), D(0.5), D(2.0)},
        {"1.5 & 2", kConcat, D(1.5), I(2), Variant("1.52")},
        {"True & 1", kConcat, Variant(true), I(1), Variant("True1")},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(c.op(c.a, c.b), c.expected))
            << c.what << " gave " << ::testing::PrintToString(c.op(c.a, c.b));
    }
}

TEST_F(Arithmetic, OverflowPromotesOrFails) {
    const Case cases[] = {
        {"32767 + 1 becomes Long", kAdd, I(32767), I(1), L(32768)},
        {"-32768 - 1 becomes Long", kSub, I(-32768), I(1), L(-32769)},
        {"200 * 200 becomes Long", kMul, I(200), I(200), L(40000)},
        {"Long overflow becomes Double", kAdd, L(2147483647), L(1), D(2147483648.0)},
        {"Long * Long becomes Double", kMul, L(100000), L(100000), D(1e10)},
        {"Single overflow becomes Double", kMul, S(3e38f), I(10),
         D(static_cast<double>(3e38f) * 10)},
        {"-32768 \\ -1 becomes Long", kIntDiv, I(-32768), I(-1), L(32768)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(identical(c.op(c.a, c.b), c.expected))
            << c.what << " gave " << ::testing::PrintToString(c.op(c.a, c.b));
    }
    EXPECT_TRUE(identical(-I(-32768), L(32768)));
    EXPECT_TRUE(identical(-L(-2147483647 - 1), D(2147483648.0)));
    EXPECT_TRUE(identical(-Variant(true), I(1)));
    EXPECT_TRUE(identical(-C(5), C(-5)));
}

TEST_F(Arithmetic, FailuresCarryTheClassicNumbers) {
    struct Failure {
        const char* what;
        BinaryOp op;
        Variant a, b;
        int number;
    };
    const Variant maxCurrency = C(std::numeric_limits<int64_t>::max());
    const Failure cases[] = {
        {"1 / 0", kDiv, I(1), I(0), kDivisionByZero},
        {"0 / 0", kDiv, I(0), I(0), kDivisionByZero},
        {"1 / Empty", kDiv, I(1), kEmpty, kDivisionByZero},
        {"7 \\ 0", kIntDiv, I(7), I(0), kDivisionByZero},
        {"7 Mod Empty", kMod, I(7), kEmpty, kDivisionByZero},
        {"7 Mod 0.4 (rounds to 0)", kMod, I(7), D(0.4), kDivisionByZero},
        {"Double overflow", kMul, D(1e308), I(10), kOverflow},
        {"Double overflow on add", kAdd, D(1.7e308), D(1.7e308), kOverflow},
        {"10 ^ 400", kPow, I(10), I(400), kOverflow},
        {"(-8) ^ (1/3) is no real number", kPow, I(-8), D(1.0 / 3), kInvalidProcedureCall},
        {"Currency overflow", kAdd, maxCurrency, C(1), kOverflow},
        {"Currency product overflow", kMul, maxCurrency, I(2), kOverflow},
        {"Long \\ -1 overflow", kIntDiv, L(-2147483647 - 1), I(-1), kOverflow},
        {"\\ of a Double beyond Long", kIntDiv, D(3e9), I(2), kOverflow},
        {"Date beyond 9999", kAdd, T(2958465.0), I(1), kOverflow},
        {"text that is no number", kAdd, Variant("abc"), I(1), kTypeMismatch},
        {"object in arithmetic", kAdd, Variant(std::make_shared<Object>()), I(1), kTypeMismatch},
        {"object in concatenation", kConcat, Variant(std::make_shared<Object>()), I(1),
         kTypeMismatch},
    };
    for (const Failure& c : cases) {
        EXPECT_EQ(errorNumberOf([&] { c.op(c.a, c.b); }), c.number) << c.what;
    }
    EXPECT_EQ(errorNumberOf([&] { return -maxCurrency - C(2); }), kOverflow);
}

TEST_F(Arithmetic, ConcatenationUsesTheGeneralNumberForm) {
    ScopedRegionalSettings comma({",", "\u00a0", 3, "dd.MM.yyyy", "HH:mm:ss"});
    EXPECT_TRUE(identical(concat(D(1234.5), Variant(" сек")), Variant("1234,5 сек")));
    EXPECT_TRUE(identical(concat(Variant("№"), L(12)), Variant("№12")));
    EXPECT_TRUE(identical(concat(T(61.0), kEmpty), Variant("01.03.1900")));
}

}  // namespace
}  // namespace oleaut
