#include "library/services/fiz_par.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "library/com/ifiz_par.hpp"
#include "library/com/service.hpp"
#include "platform/oleaut/error.hpp"
#include "tests/library/services/property_test_support.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik {
namespace {

using kalvik::test::errorNumberOf;
using kalvik::testing::kSingleTolerance;
using kalvik::testing::nearRelative;
using oleaut::Variant;
using oleaut::VarType;

Variant integer(int16_t value) {
    return Variant(value);
}

// One-argument methods of the interface, by name.
struct OneArgument {
    const char* name;
    std::function<double(IFiz_par&, Variant&)> call;
};
const OneArgument kOneArgumentMethods[] = {
    {"Ivs", [](IFiz_par& f, Variant& v) { return double(f.Ivs(v)); }},
    {"Vvs", [](IFiz_par& f, Variant& v) { return double(f.Vvs(v)); }},
    {"Tsp", [](IFiz_par& f, Variant& v) { return double(f.Tsp(v)); }},
    {"Isp", [](IFiz_par& f, Variant& v) { return double(f.Isp(v)); }},
    {"Vsp", [](IFiz_par& f, Variant& v) { return double(f.Vsp(v)); }},
    {"Muvs", [](IFiz_par& f, Variant& v) { return oleaut::CDbl(f.Muvs(v)); }},
    {"nu_vozd", [](IFiz_par& f, Variant& v) { return double(f.nu_vozd(v)); }},
    {"lb_vozd", [](IFiz_par& f, Variant& v) { return double(f.lb_vozd(v)); }},
    {"Pr_vozd", [](IFiz_par& f, Variant& v) { return double(f.Pr_vozd(v)); }},
};

const OneArgument& method(const std::string& name) {
    for (const OneArgument& m : kOneArgumentMethods) {
        if (name == m.name) return m;
    }
    throw std::invalid_argument(name);
}

class FizPar : public ::testing::Test {
  protected:
    Service<IFiz_par> fizPar;
};

TEST_F(FizPar, OneArgumentMethodsReadAnyNumericKind) {
    struct Case {
        const char* method;
        Variant argument;
        double expected;
    };
    const Case cases[] = {
        {"Ivs", Variant(20.0), 20.031538},      {"Ivs", integer(100), 100.08232},
        {"Vvs", Variant(20.0f), 0.0010017267},  {"Tsp", Variant(int32_t{10}), 179.03627},
        {"Isp", Variant("10"), 663.07147},      {"Vsp", integer(10), 0.19791976},
        {"Muvs", integer(20), 1.0027757e-3},    {"Muvs", Variant(100.0), 2.8217890e-4},
        {"nu_vozd", integer(20), 1.5105561e-5}, {"lb_vozd", Variant(20.0), 0.025914006},
        {"Pr_vozd", integer(20), 0.70354801},
    };
    for (const Case& c : cases) {
        Variant argument = c.argument;
        const double got = method(c.method).call(fizPar.get(), argument);
        EXPECT_TRUE(nearRelative(got, c.expected, kSingleTolerance)) << c.method;
        EXPECT_TRUE(identical(argument, c.argument)) << c.method << " changed its argument";
    }
}

TEST_F(FizPar, MuvsReturnsADouble) {
    Variant tv = integer(20);
    EXPECT_EQ(fizPar->Muvs(tv).type(), VarType::Double);
}

TEST_F(FizPar, NullFailsWithInvalidUseOfNullAndStaysNull) {
    for (const OneArgument& m : kOneArgumentMethods) {
        Variant argument(oleaut::kNull);
        EXPECT_EQ(errorNumberOf([&] { m.call(fizPar.get(), argument); }), oleaut::kInvalidUseOfNull)
            << m.name;
        EXPECT_TRUE(argument.isNull()) << m.name;
    }
}

TEST_F(FizPar, EmptyCountsAsZero) {
    struct Case {
        const char* method;
        double expected;
    };
    const Case cases[] = {{"Ivs", 0.0}, {"nu_vozd", 1.3334426e-5}, {"Pr_vozd", 0.7085}};
    for (const Case& c : cases) {
        Variant argument;
        EXPECT_TRUE(nearRelative(method(c.method).call(fizPar.get(), argument), c.expected,
                                 kSingleTolerance))
            << c.method;
        EXPECT_TRUE(argument.isEmpty()) << c.method;
    }
    Variant pressure;
    EXPECT_EQ(errorNumberOf([&] { fizPar->Tsp(pressure); }), oleaut::kDivisionByZero);
}

// Iv and Vv through one signature, so that the write-back rules are checked for both.
struct TwoArguments {
    const char* name;
    float (IFiz_par::*call)(Variant&, Variant&);
    double at1and70;  // value at 1 kgf/cm² and 70 °C
};
const TwoArguments kTwoArgumentMethods[] = {
    {"Iv", &IFiz_par::Iv, 70.049286},
    {"Vv", &IFiz_par::Vv, 0.0010228243},
};

TEST_F(FizPar, NullPressureBecomesIntegerOne) {
    for (const TwoArguments& m : kTwoArgumentMethods) {
        Variant PV(oleaut::kNull);
        Variant tv(70.0);
        const double got = (fizPar.get().*m.call)(PV, tv);
        EXPECT_TRUE(nearRelative(got, m.at1and70, kSingleTolerance)) << m.name;
        EXPECT_TRUE(identical(PV, integer(1))) << m.name;
        EXPECT_TRUE(identical(tv, Variant(70.0))) << m.name;
    }
}

TEST_F(FizPar, NullTemperatureBecomesIntegerZero) {
    Variant PV(6.0);
    Variant tv(oleaut::kNull);
    EXPECT_EQ(fizPar->Iv(PV, tv), 0.0f);
    EXPECT_TRUE(identical(tv, integer(0)));
    EXPECT_TRUE(identical(PV, Variant(6.0)));

    Variant volumeTv(oleaut::kNull);
    Variant one = integer(1);
    // Liquid water at 0 °C and 1 kgf/cm²: about 0.0010002 m³/kg.
    EXPECT_TRUE(nearRelative(fizPar->Vv(one, volumeTv), 0.0010002, 2e-4));
    EXPECT_TRUE(identical(volumeTv, integer(0)));
}

TEST_F(FizPar, OneNullVariableForBothArgumentsComputesAtOneDegree) {
    for (const TwoArguments& m : kTwoArgumentMethods) {
        Variant x(oleaut::kNull);
        const double aliased = (fizPar.get().*m.call)(x, x);
        EXPECT_TRUE(identical(x, integer(1))) << m.name;
        Variant PV = integer(1);
        Variant tv = integer(1);
        EXPECT_EQ(aliased, (fizPar.get().*m.call)(PV, tv)) << m.name;
    }
}

TEST_F(FizPar, EmptyArgumentsAreNotReplaced) {
    for (const TwoArguments& m : kTwoArgumentMethods) {
        Variant PV;
        Variant tv(70.0);
        (fizPar.get().*m.call)(PV, tv);
        EXPECT_TRUE(PV.isEmpty()) << m.name;
    }
    Variant PV(6.0);
    Variant tv;
    EXPECT_EQ(fizPar->Iv(PV, tv), 0.0f);
    EXPECT_TRUE(tv.isEmpty());
}

TEST_F(FizPar, WriteBacksStayWhenTheCallFails) {
    Variant PV(oleaut::kNull);
    Variant tv(-273.16);
    EXPECT_EQ(errorNumberOf([&] { fizPar->Iv(PV, tv); }), oleaut::kDivisionByZero);
    EXPECT_TRUE(identical(PV, integer(1)));

    Variant text("not a number");
    Variant nullTv(oleaut::kNull);
    EXPECT_EQ(errorNumberOf([&] { fizPar->Vv(text, nullTv); }), oleaut::kTypeMismatch);
    EXPECT_TRUE(nullTv.isNull()) << "the temperature is replaced only after the pressure is read";
}

TEST_F(FizPar, ArithmeticFaultsFailTheCall) {
    struct Case {
        const char* method;
        Variant argument;
        int32_t number;
    };
    const Case cases[] = {
        {"Ivs", integer(450), oleaut::kInvalidProcedureCall},
        {"Tsp", integer(0), oleaut::kDivisionByZero},
        {"Isp", integer(-1), oleaut::kInvalidProcedureCall},
        {"Vsp", Variant(-0.5), oleaut::kInvalidProcedureCall},
        {"Pr_vozd", Variant(1e100), oleaut::kOverflow},
    };
    for (const Case& c : cases) {
        Variant argument = c.argument;
        EXPECT_EQ(errorNumberOf([&] { method(c.method).call(fizPar.get(), argument); }), c.number)
            << c.method;
    }
}

}  // namespace
}  // namespace kalvik
