#include "library/services/water_properties.hpp"

#include <gtest/gtest.h>

#include "library/services/water_coefficients.hpp"
#include "platform/oleaut/error.hpp"
#include "tests/library/services/property_test_support.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::water {
namespace {

using kalvik::test::errorNumberOf;
using kalvik::testing::kMpaPerKgf;
using kalvik::testing::kSingleTolerance;
using kalvik::testing::nearRelative;

TEST(WaterCoefficients, PreMultipliedFactorsAreTheProductsOfTheirFactors) {
    struct Case {
        const char* name;
        double literal;
        double product;
    };
    // Factors from the IFC-67 sub-region 1 table.
    const Case cases[] = {
        {"2a4", k2a4, 2 * 7.342278489e-2},
        {"2a5", k2a5, 2 * 4.975858870e-2},
        {"6a2", k6a2, 6 * 5.362162162e-4},
        {"42a2", k42a2, 42 * 5.362162162e-4},
        {"A11a5", kA11a5, 7.982692717 * 4.975858870e-2},
        {"2A14", k2A14, 2 * 2.284279054e-2},
        {"90A15", k90A15, 90 * 2.421647003e2},
        {"722A16", k722A16, 722 * 1.269716088e-10},
        {"342A16", k342A16, 342 * 1.269716088e-10},
        {"2A18", k2A18, 2 * 2.174020350e-8},
        {"3A19", k3A19, 3 * 1.105710498e-9},
        {"306a9", k306a9, 306 * 0.14188},
        {"3A21", k3A21, 3 * 1.308119072e-5},
        {"4A22", k4A22, 4 * 6.047626338e-14},
        {"420A22", k420A22, 420 * 6.047626338e-14},
        {"3A24", k3A24, 3 * 3.45815825e-5},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(c.literal, c.product, 1e-15)) << c.name;
    }
}

TEST(WaterCoefficients, TableHoldsTheStandardValues) {
    struct Case {
        int index;
        double value;
    };
    const Case bigA[] = {{0, 6.824687741e3},  {1, -5.422063673e2},   {6, -1.093911774e5},
                         {11, 7.982692717},   {12, -2.616571843e-2}, {16, 1.269716088e-10},
                         {20, 1.293441934e1}, {22, 6.047626338e-14}, {23, 2.75137215e-3},
                         {24, 3.45815825e-5}};
    for (const Case& c : bigA)
        EXPECT_EQ(kA[c.index], c.value) << "A" << c.index;
    const Case smallA[] = {{1, 0.8438375405},    {3, 1.72},  {7, 1.15e-6}, {10, 7.002753165},
                           {11, 2.995284926e-4}, {12, 0.204}};
    for (const Case& c : smallA)
        EXPECT_EQ(ka[c.index], c.value) << "a" << c.index;
}

TEST(Psp, ReducedSaturationPressureFromTheChebyshevFit) {
    struct Case {
        double theta;
        double expected;
    };
    // At the triple point the fit gives 2.7630678e-5, not the physical 2.765e-5.
    const Case cases[] = {
        {1.0, 1.0001544},
        {373.16 / 647.3, 0.0045823101},
        {273.16 / 647.3, 2.7630678e-5},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Psp(c.theta), c.expected, kSingleTolerance)) << c.theta;
    }
}

TEST(Psp, CloseToTheIf97SaturationPressure) {
    struct Case {
        double kelvin;
        double megapascal;  // IAPWS-IF97 verification values
    };
    const Case cases[] = {{300.0, 0.00353658941}, {500.0, 2.63889776}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Psp(c.kelvin / 647.3) * 22.12, c.megapascal, 2e-3)) << c.kelvin;
    }
}

TEST(Ivs, SaturatedWaterEnthalpyWithTheSumHeldInSinglePrecision) {
    struct Case {
        double tv;
        double expected;
    };
    // Summed in double precision, Ivs(150) would be about 151.138.
    const Case cases[] = {{20.0, 20.031538}, {100.0, 100.08232}, {150.0, 151.07535}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Ivs(c.tv), c.expected, kSingleTolerance)) << c.tv;
    }
    EXPECT_EQ(Ivs(0.0), 0.0f);
}

TEST(Vvs, SaturatedWaterVolume) {
    struct Case {
        double tv;
        double expected;
        double if97;  // saturated-liquid volume of IAPWS
    };
    const Case cases[] = {{20.0, 0.0010017267, 0.00100184}, {100.0, 0.0010437161, 0.00104346}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Vvs(c.tv), c.expected, kSingleTolerance)) << c.tv;
        EXPECT_TRUE(nearRelative(Vvs(c.tv), c.if97, 5e-4)) << c.tv;
    }
}

TEST(Iv, HeatCapacityTimesCelsiusTemperature) {
    struct Case {
        double PV;
        double tv;
        double expected;
    };
    const Case cases[] = {{1.0, 70.0, 70.049286}, {6.0, 70.0, 70.031319}, {11.0, 150.0, 154.34799}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Iv(c.PV, c.tv), c.expected, kSingleTolerance))
            << c.PV << ", " << c.tv;
    }
    for (double PV : {0.5, 1.0, 6.0, 100.0})
        EXPECT_EQ(Iv(PV, 0.0), 0.0f) << PV;
}

TEST(Iv, HeatCapacityCloseToIf97) {
    struct Case {
        double kelvin;
        double megapascal;
        double cp;  // kJ/(kg·K), IAPWS-IF97 verification values
    };
    const Case cases[] = {
        {300.0, 3.0, 4.17301218}, {300.0, 80.0, 4.01008987}, {500.0, 3.0, 4.65580682}};
    for (const Case& c : cases) {
        const double tv = c.kelvin - 273.15;
        EXPECT_TRUE(nearRelative(Iv(c.megapascal / kMpaPerKgf, tv) / tv, c.cp / 4.1868, 2e-3))
            << c.kelvin << " K, " << c.megapascal << " MPa";
    }
}

TEST(Iv, SaturatedAndCompressedWaterDifferByTheCorrectionDivisor) {
    // Saturation pressure at 100 °C in kgf/cm², and the divisor worked by hand at 100 °C.
    const double saturation = Psp(373.16 / 647.3) * 22.12 / kMpaPerKgf;
    const double divisor = 0.9967 + 0.003 - 0.00008 + 0.008 - 0.002 + 0.0005;
    EXPECT_TRUE(nearRelative(Iv(saturation, 100.0) / Ivs(100.0), divisor, 5e-4));
}

TEST(Vv, CompressedWaterVolume) {
    struct Case {
        double PV;
        double tv;
        double expected;
    };
    const Case cases[] = {{1.0, 70.0, 0.0010228243}, {1.0, 20.0, 0.0010016831}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Vv(c.PV, c.tv), c.expected, kSingleTolerance)) << c.tv;
    }
}

TEST(Vv, CloseToIf97) {
    struct Case {
        double tv;
        double megapascal;
        double volume;  // m³/kg, IAPWS-IF97
    };
    const Case cases[] = {{20.0, 0.0980665, 0.0010017986},
                          {26.85, 3.0, 0.00100215168},
                          {26.85, 80.0, 0.000971180894},
                          {226.85, 3.0, 0.00120241800}};
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(Vv(c.megapascal / kMpaPerKgf, c.tv), c.volume, 5e-4))
            << c.tv << " °C, " << c.megapascal << " MPa";
    }
}

TEST(WaterProperties, ArithmeticFaultsFailTheCall) {
    struct Case {
        const char* what;
        float (*call)();
        int32_t number;
    };
    const Case cases[] = {
        {"Ivs(450): negative base to a fractional power", [] { return Ivs(450.0); },
         oleaut::kInvalidProcedureCall},
        {"Vvs(450)", [] { return Vvs(450.0); }, oleaut::kInvalidProcedureCall},
        {"Ivs(-273.16)", [] { return Ivs(-273.16); }, oleaut::kDivisionByZero},
        {"Vvs(-273.16)", [] { return Vvs(-273.16); }, oleaut::kDivisionByZero},
        {"Iv(1, -273.16)", [] { return Iv(1.0, -273.16); }, oleaut::kDivisionByZero},
        {"Vv(1, -273.16)", [] { return Vv(1.0, -273.16); }, oleaut::kDivisionByZero},
        {"Psp(0)", [] { return Psp(0.0); }, oleaut::kDivisionByZero},
        {"Iv at a temperature whose powers overflow", [] { return Iv(1.0, 1e300); },
         oleaut::kOverflow},
        {"Vv where the root's argument is negative", [] { return Vv(-5000.0, 20.0); },
         oleaut::kInvalidProcedureCall},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorNumberOf(c.call), c.number) << c.what;
}

}  // namespace
}  // namespace kalvik::water
