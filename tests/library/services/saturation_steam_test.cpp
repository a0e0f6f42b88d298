#include "library/services/saturation_steam.hpp"

#include <gtest/gtest.h>

#include "platform/oleaut/error.hpp"
#include "tests/library/services/property_test_support.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::steam {
namespace {

using kalvik::test::errorNumberOf;
using kalvik::testing::kMpaPerKgf;
using kalvik::testing::kSingleTolerance;
using kalvik::testing::nearRelative;

TEST(Tsp, SaturationTemperatureFromTheChebyshevFit) {
    struct Case {
        double pp;
        double expected;
        double tolerance;  // the shorter values are given to the digits shown
    };
    const Case cases[] = {
        {10.0, 179.03627, kSingleTolerance},
        {1.0332, 100.00, 5e-5},
        {1.0, 99.088, 5e-6},
        {0.1, 45.45, 1e-4},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Tsp(c.pp), c.expected, c.tolerance)) << c.pp;
    }
}

TEST(Tsp, CloseToTheIf97SaturationTemperature) {
    struct Case {
        double megapascal;
        double celsius;  // IAPWS-IF97
    };
    const Case cases[] = {{0.980665, 179.0390},
                          {0.1, 372.755919 - 273.15},
                          {1.0, 453.035632 - 273.15},
                          {10.0, 584.149488 - 273.15}};
    for (const Case& c : cases) {
        EXPECT_NEAR(Tsp(c.megapascal / kMpaPerKgf), c.celsius, 0.05) << c.megapascal;
    }
}

TEST(Isp, DrySaturatedSteamEnthalpy) {
    struct Case {
        double pp;
        double expected;
        double tolerance;
    };
    const Case cases[] = {{10.0, 663.07147, kSingleTolerance}, {1.0332, 639.25, 1e-5}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Isp(c.pp), c.expected, c.tolerance)) << c.pp;
    }
    // IAPWS-IF97 saturated-steam enthalpy at 0.980665 MPa, in kcal/kg.
    EXPECT_TRUE(nearRelative(Isp(10.0), 663.126, 1e-3));
}

TEST(Vsp, DrySaturatedSteamVolume) {
    struct Case {
        double pp;
        double expected;
        double tolerance;
    };
    const Case cases[] = {{10.0, 0.19791976, kSingleTolerance}, {1.0332, 1.6743, 5e-5}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Vsp(c.pp), c.expected, c.tolerance)) << c.pp;
    }
}

TEST(Muvs, SaturatedWaterViscosity) {
    struct Case {
        double tv;
        double expected;
        double iapws;  // Pa·s, IAPWS viscosity of saturated liquid water
    };
    const Case cases[] = {{20.0, 1.0027757e-3, 1.0016e-3}, {100.0, 2.8217890e-4, 2.8174e-4}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Muvs(c.tv), c.expected, kSingleTolerance)) << c.tv;
        EXPECT_TRUE(nearRelative(Muvs(c.tv), c.iapws, 5e-3)) << c.tv;
    }
}

TEST(SaturationSteam, ArithmeticFaultsFailTheCall) {
    struct Case {
        const char* what;
        double (*call)();
        int32_t number;
    };
    const Case cases[] = {
        {"Tsp(0)", [] { return double(Tsp(0.0)); }, oleaut::kDivisionByZero},
        {"Tsp(-1): logarithm of a negative number", [] { return double(Tsp(-1.0)); },
         oleaut::kInvalidProcedureCall},
        {"Tsp(300): above 248.12 kgf/cm²", [] { return double(Tsp(300.0)); },
         oleaut::kInvalidProcedureCall},
        {"Isp(0)", [] { return double(Isp(0.0)); }, oleaut::kDivisionByZero},
        {"Isp(-1)", [] { return double(Isp(-1.0)); }, oleaut::kInvalidProcedureCall},
        {"Vsp(0)", [] { return double(Vsp(0.0)); }, oleaut::kDivisionByZero},
        {"Vsp(-1)", [] { return double(Vsp(-1.0)); }, oleaut::kInvalidProcedureCall},
        {"Muvs(450)", [] { return Muvs(450.0); }, oleaut::kInvalidProcedureCall},
        {"Muvs(-273.16)", [] { return Muvs(-273.16); }, oleaut::kDivisionByZero},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorNumberOf(c.call), c.number) << c.what;
}

}  // namespace
}  // namespace kalvik::steam
