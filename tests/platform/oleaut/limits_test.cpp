// Every numeric kind at the edges of its range: each operation ends in a value or in a classic
// error, never in undefined behaviour (the sanitizer build runs this table too).

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <functional>
#include <limits>

#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/operand.hpp"
#include "platform/oleaut/variant.hpp"
#include "tests/platform/oleaut/variant_kinds.hpp"
#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

using namespace kinds;

using Operation = std::function<Variant(const Variant&, const Variant&)>;

const Operation kAdd = [](const Variant& a, const Variant& b) { return a + b; };
const Operation kSub = [](const Variant& a, const Variant& b) { return a - b; };
const Operation kMul = [](const Variant& a, const Variant& b) { return a * b; };
const Operation kDiv = [](const Variant& a, const Variant& b) { return a / b; };
const Operation kIntDiv = intDiv;
const Operation kMod = mod;
const Operation kPow = pow;
const Operation kNeg = [](const Variant& a, const Variant&) { return -a; };
const Operation kNot = [](const Variant& a, const Variant&) { return Not(a); };
const Operation kAbs = [](const Variant& a, const Variant&) { return Abs(a); };
const Operation kInt = [](const Variant& a, const Variant&) { return Int(a); };
const Operation kFix = [](const Variant& a, const Variant&) { return Fix(a); };
// Round(a, b): b is the number of decimals.
const Operation kRound = [](const Variant& a, const Variant& b) { return Round(a, CInt(b)); };
const Operation kCInt = [](const Variant& a, const Variant&) { return Variant(CInt(a)); };
const Operation kCLng = [](const Variant& a, const Variant&) { return Variant(CLng(a)); };
const Operation kCSng = [](const Variant& a, const Variant&) { return Variant(CSng(a)); };
const Operation kCDbl = [](const Variant& a, const Variant&) { return Variant(CDbl(a)); };
const Operation kCCur = [](const Variant& a, const Variant&) { return Variant(CCur(a)); };
const Operation kCDate = [](const Variant& a, const Variant&) { return Variant(CDate(a)); };
// DateSerial(a, b, 1).
const Operation kDateSerial = [](const Variant& a, const Variant& b) {
    return Variant(DateSerial(CLng(a), CLng(b), 1));
};
// TimeSerial(a, 0, b).
const Operation kTimeSerial = [](const Variant& a, const Variant& b) {
    return Variant(TimeSerial(CLng(a), 0, CLng(b)));
};
// DateAdd("h", b, a) and addDays(a, b).
const Operation kAddHours = [](const Variant& a, const Variant& b) {
    return Variant(DateAdd("h", CDbl(b), CDate(a)));
};
const Operation kAddDays = [](const Variant& a, const Variant& b) {
    return Variant(addDays(CDate(a), CDbl(b)));
};
// The Date of the OLE date value a, unconverted.
const Operation kDateOf = [](const Variant& a, const Variant&) { return Variant(Date{CDbl(a)}); };
// The whole number nearest to a, checked against the 64-bit range.
const Operation kWhole64 = [](const Variant& a, const Variant&) {
    constexpr int64_t low = std::numeric_limits<int64_t>::min();
    constexpr int64_t high = std::numeric_limits<int64_t>::max();
    return Variant(static_cast<double>(detail::roundToWhole(CDbl(a), low, high)));
};

constexpr int16_t kMinI = std::numeric_limits<int16_t>::min();
constexpr int32_t kMinL = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxL = std::numeric_limits<int32_t>::max();
constexpr int64_t kMinC = std::numeric_limits<int64_t>::min();  // -922337203685477.5808
constexpr int64_t kMaxC = std::numeric_limits<int64_t>::max();  // 922337203685477.5807
constexpr double kMinDate = -657434.0;                          // 0100-01-01
constexpr double kMaxDate = 2958465.0;                          // 9999-12-31
const Variant kE;

// A value, or the number of the error the operation fails with.
struct Outcome {
    Variant value;
    int32_t error = 0;
};
const Outcome kOverflowed{Variant(), kOverflow};
const Outcome kRefused{Variant(), kInvalidProcedureCall};

struct Case {
    const char* what;
    Operation op;
    Variant a, b;
    Outcome expected;
};

TEST(Limits, EveryKindEndsInAValueOrAClassicError) {
    const Case cases[] = {
        // Integer: results beyond 16 bits become Long.
        {"-32768 * -32768", kMul, I(kMinI), I(kMinI), {L(1073741824)}},
        {"-(-32768)", kNeg, I(kMinI), kE, {L(32768)}},
        {"Abs(-32768)", kAbs, I(kMinI), kE, {L(32768)}},
        {"-32768 Mod -1", kMod, I(kMinI), I(-1), {I(0)}},
        {"Not -32768", kNot, I(kMinI), kE, {I(32767)}},
        {"CInt(32767.5) rounds to 32768", kCInt, D(32767.5), kE, kOverflowed},
        {"CInt(32766.5) rounds to even", kCInt, D(32766.5), kE, {I(32766)}},
        {"CInt(-32768.5) rounds to even", kCInt, D(-32768.5), kE, {I(kMinI)}},
        {"CInt(-32768.5000001)", kCInt, D(-32768.5000001), kE, kOverflowed},
        {"CInt(Currency 32767.5)", kCInt, C(327675000), kE, kOverflowed},
        {"CInt(Currency -32768.5)", kCInt, C(-327685000), kE, {I(kMinI)}},
        {"CInt(Single 32767.5)", kCInt, S(32767.5f), kE, kOverflowed},
        {"CInt(-1.7976931348623157E+308)", kCInt, D(-DBL_MAX), kE, kOverflowed},
        // Long: results beyond 32 bits become Double, where a Long result is not required.
        {"2147483647 + 1", kAdd, L(kMaxL), L(1), {D(2147483648.0)}},
        {"-2147483648 - 1", kSub, L(kMinL), L(1), {D(-2147483649.0)}},
        {"-2147483648 * -2147483648", kMul, L(kMinL), L(kMinL), {D(4611686018427387904.0)}},
        {"-(-2147483648)", kNeg, L(kMinL), kE, {D(2147483648.0)}},
        {"Abs(-2147483648)", kAbs, L(kMinL), kE, {D(2147483648.0)}},
        {"-2147483648 \\ -1", kIntDiv, L(kMinL), L(-1), kOverflowed},
        {"-2147483648 Mod -1", kMod, L(kMinL), L(-1), {L(0)}},
        {"Not -2147483648", kNot, L(kMinL), kE, {L(kMaxL)}},
        {"CLng(2147483646.5) rounds to even", kCLng, D(2147483646.5), kE, {L(2147483646)}},
        {"CLng(-2147483648.5) rounds to even", kCLng, D(-2147483648.5), kE, {L(kMinL)}},
        {"CLng(-2147483648.5000005)", kCLng, D(-2147483648.5000005), kE, kOverflowed},
        {"CLng(Currency 2147483647.5)", kCLng, C(21474836475000), kE, kOverflowed},
        {"CLng(Currency -2147483648.5)", kCLng, C(-21474836485000), kE, {L(kMinL)}},
        {"CLng(Single 2^31)", kCLng, S(0x1p31f), kE, kOverflowed},
        {"CLng(Single -2^31)", kCLng, S(-0x1p31f), kE, {L(kMinL)}},
        {"CLng(1.7976931348623157E+308)", kCLng, D(DBL_MAX), kE, kOverflowed},
        {"Not 1E+10", kNot, D(1e10), kE, kOverflowed},
        // Currency: 64 bits scaled by 10,000, exact, Overflow past either end.
        {"max Currency + 0.0001", kAdd, C(kMaxC), C(1), kOverflowed},
        {"min Currency - 0.0001", kSub, C(kMinC), C(1), kOverflowed},
        {"min Currency * 1@", kMul, C(kMinC), C(10000), {C(kMinC)}},
        {"min Currency * -1", kMul, C(kMinC), I(-1), kOverflowed},
        {"-min Currency", kNeg, C(kMinC), kE, kOverflowed},
        {"-max Currency", kNeg, C(kMaxC), kE, {C(-kMaxC)}},
        {"Abs(min Currency)", kAbs, C(kMinC), kE, kOverflowed},
        {"Int(min Currency)", kInt, C(kMinC), kE, kOverflowed},
        {"Int(-922337203685477.0001)", kInt, C(-9223372036854770001), kE, kOverflowed},
        {"Int(-922337203685477)", kInt, C(-9223372036854770000), kE, {C(-9223372036854770000)}},
        {"Fix(min Currency)", kFix, C(kMinC), kE, {C(-9223372036854770000)}},
        {"Int(max Currency)", kInt, C(kMaxC), kE, {C(9223372036854770000)}},
        {"Round(min Currency)", kRound, C(kMinC), I(0), kOverflowed},
        {"Round(min Currency, 1)", kRound, C(kMinC), I(1), kOverflowed},
        {"Round(min Currency, 2)", kRound, C(kMinC), I(2), {C(-9223372036854775800)}},
        {"Round(min Currency, 3)", kRound, C(kMinC), I(3), kOverflowed},
        {"Round(max Currency, 2)", kRound, C(kMaxC), I(2), {C(9223372036854775800)}},
        {"Round(max Currency, 3)", kRound, C(kMaxC), I(3), kOverflowed},
        {"min Currency \\ 1", kIntDiv, C(kMinC), I(1), kOverflowed},
        {"CLng(max Currency)", kCLng, C(kMaxC), kE, kOverflowed},
        {"CDbl(min Currency)", kCDbl, C(kMinC), kE, {D(-922337203685477.625)}},
        {"CCur(-922337203685477.5)", kCCur, D(-922337203685477.5), kE, {C(-9223372036854775000)}},
        {"CCur(922337203685477.625)", kCCur, D(922337203685477.625), kE, kOverflowed},
        {"CCur(-1.7976931348623157E+308)", kCCur, D(-DBL_MAX), kE, kOverflowed},
        // Single: a result past the largest Single becomes Double; a conversion to it fails.
        {"largest Single * 2", kMul, S(FLT_MAX), I(2), {D(2.0 * FLT_MAX)}},
        {"-(-largest Single)", kNeg, S(-FLT_MAX), kE, {S(FLT_MAX)}},
        {"Int(-largest Single)", kInt, S(-FLT_MAX), kE, {S(-FLT_MAX)}},
        {"Round(largest Single, 2)", kRound, S(FLT_MAX), I(2), {S(FLT_MAX)}},
        {"CSng(largest Single + 2^102)", kCSng, D(FLT_MAX + 0x1p102), kE, {S(FLT_MAX)}},
        {"CSng(largest Single + 2^103)", kCSng, D(FLT_MAX + 0x1p103), kE, kOverflowed},
        {"CCur(largest Single)", kCCur, S(FLT_MAX), kE, kOverflowed},
        // Double: an infinite result is Overflow, never stored.
        {"largest Double + largest Double", kAdd, D(DBL_MAX), D(DBL_MAX), kOverflowed},
        {"largest Double * -2", kMul, D(DBL_MAX), I(-2), kOverflowed},
        {"1 / smallest Double", kDiv, I(1), D(0x1p-1074), kOverflowed},
        {"largest Double ^ 2", kPow, D(DBL_MAX), I(2), kOverflowed},
        {"largest Double \\ 1", kIntDiv, D(DBL_MAX), I(1), kOverflowed},
        {"Int(-largest Double)", kInt, D(-DBL_MAX), kE, {D(-DBL_MAX)}},
        {"Round(largest Double, 2)", kRound, D(DBL_MAX), I(2), {D(DBL_MAX)}},
        {"nearest 64-bit whole of 2^63", kWhole64, D(0x1p63), kE, kOverflowed},
        {"nearest 64-bit whole of -2^63", kWhole64, D(-0x1p63), kE, {D(-0x1p63)}},
        // Date: 0100-01-01 to 9999-12-31.
        {"9999-12-31 + 1", kAdd, T(kMaxDate), I(1), kOverflowed},
        {"0100-01-01 - 1", kSub, T(kMinDate), I(1), kOverflowed},
        {"9999-12-31 - 0100-01-01", kSub, T(kMaxDate), T(kMinDate), {D(3615899.0)}},
        {"-(9999-12-31)", kNeg, T(kMaxDate), kE, kOverflowed},
        {"Abs(0100-01-01)", kAbs, T(kMinDate), kE, {T(657434.0)}},
        {"CDate(2958466)", kCDate, D(kMaxDate + 1), kE, kOverflowed},
        {"CDate(-657435)", kCDate, D(kMinDate - 1), kE, kOverflowed},
        {"CInt(9999-12-31)", kCInt, T(kMaxDate), kE, kOverflowed},
        {"DateSerial(2009, smallest Long, 1)", kDateSerial, L(2009), L(kMinL), kRefused},
        {"DateSerial(2009, largest Long, 1)", kDateSerial, L(2009), L(kMaxL), kRefused},
        {"DateSerial(largest Long, 1, 1)", kDateSerial, L(kMaxL), L(1), kRefused},
        // Every moment of the first and the last day is a date. Before 30 December 1899 the
        // fraction counts away from zero: 0100-01-01 12:00 is -657434.5, and -657435 is the day
        // before.
        {"CDate(-657434.5)", kCDate, D(-657434.5), kE, {T(-657434.5)}},
        {"CDate(-657434.999)", kCDate, D(-657434.999), kE, {T(-657434.999)}},
        {"CDate(2958465.999)", kCDate, D(2958465.999), kE, {T(2958465.999)}},
        {"Date -657434.999", kDateOf, D(-657434.999), kE, {T(-657434.999)}},
        {"Date -657435", kDateOf, D(kMinDate - 1), kE, kOverflowed},
        {"Date 2958466", kDateOf, D(kMaxDate + 1), kE, kOverflowed},
        {"0100-01-01 - 0.5 is its noon", kSub, T(kMinDate), D(0.5), {T(-657434.5)}},
        {"0100-01-01 + -0.999", kAdd, T(kMinDate), D(-0.999), {T(-657434.999)}},
        {"0100-01-01 12:00 - 0.5", kSub, T(-657434.5), D(0.5), kOverflowed},
        {"9999-12-31 + 0.999", kAdd, T(kMaxDate), D(0.999), {T(2958465.999)}},
        {"9999-12-31 12:00 + 0.5", kAdd, T(kMaxDate + 0.5), D(0.5), kOverflowed},
        {"addDays(0100-01-01, -0.999)", kAddDays, T(kMinDate), D(-0.999), {T(-657434.999)}},
        {"addDays(0100-01-01, -1)", kAddDays, T(kMinDate), D(-1), kOverflowed},
        {"DateAdd(\"h\", 12, 0100-01-01)", kAddHours, T(kMinDate), I(12), {T(-657434.5)}},
        {"DateAdd(\"h\", -1, 0100-01-01)", kAddHours, T(kMinDate), I(-1), kRefused},
        {"DateAdd(\"h\", 23, 9999-12-31)",
         kAddHours,
         T(kMaxDate),
         I(23),
         {T(kMaxDate + 23 / 24.0)}},
        {"DateAdd(\"h\", 24, 9999-12-31)", kAddHours, T(kMaxDate), I(24), kRefused},
        {"DateSerial(100, 1, 1)", kDateSerial, L(100), L(1), {T(kMinDate)}},
        {"DateSerial(100, 0, 1)", kDateSerial, L(100), L(0), kRefused},
        // 657434 days of 24 hours before day 0 is 0100-01-01.
        {"TimeSerial(-15778416 + 12, 0, 0)", kTimeSerial, L(-15778404), L(0), {T(-657434.5)}},
        {"TimeSerial(-15778416, 0, -1)", kTimeSerial, L(-15778416), L(-1), kRefused},
    };
    for (const Case& c : cases) {
        Variant got;
        const int32_t error = errorNumberOf([&] { got = c.op(c.a, c.b); });
        EXPECT_EQ(error, c.expected.error) << c.what;
        if (error == 0 && c.expected.error == 0) {
            EXPECT_TRUE(identical(got, c.expected.value))
                << c.what << " gave " << ::testing::PrintToString(got);
        }
    }
}

}  // namespace
}  // namespace oleaut
