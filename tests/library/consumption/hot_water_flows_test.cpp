// The flows of an open system.

#include "library/consumption/hot_water_flows.hpp"

#include <gtest/gtest.h>

#include "tests/library/consumption/expect_failure.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::consumption {
namespace {

using kalvik::test::errorNumberOf;
using oleaut::kNull;

FlowInputs inputs(double Qгвс, double Qтехгвс, double K_G_gvs) {
    FlowInputs in;
    in.Qгвс = Qгвс;
    in.Qтехгвс = Qтехгвс;
    in.Кбал_G = 1;
    in.K_G_sn_ny = 1;
    in.K_G_gvs = K_G_gvs;
    in.QGVS_pr = 1.0;
    in.QTGVS_pr = 1.0;
    in.hotEnthalpy = 60;
    in.coldEnthalpy = 5;
    in.consumerEnthalpy = 55;
    return in;
}

TEST(HotWaterFlows, Flows) {
    struct Case {
        const char* name;
        FlowInputs in;
        OpenSystemFlows expected;
    };
    FlowInputs coefficients = inputs(2.2, 1.1, 0);
    coefficients.Кбал_G = 1.1;
    coefficients.K_G_sn_ny = 0.9;
    coefficients.QGVS_pr = 2.0;
    coefficients.consumerEnthalpy = 50;
    const Case cases[] = {
        // 3 Gcal at 0.0625 Gcal/t are 48 t; the flows by enthalpy are kept as load-based.
        {"by the coefficient", inputs(3, 0, 0.0625), {48, 0, 60, 0, 3.0 / 55 * 1000, 0}},
        {"technological hot water by the coefficient",
         inputs(0, 0.5, 0.0625),
         {0, 8, 0, 10, 0, 0.5 / 55 * 1000}},
        {"by enthalpies", inputs(1.1, 0.55, 0), {20, 10, 22, 11, 0, 0}},
        // 2.2 / 55 × 1000 = 40, × 1.1 × 0.9 × 2; the flows at the consumer take no coefficient.
        {"with the water coefficients",
         coefficients,
         {40 * 1.1 * 0.9 * 2, 20 * 1.1 * 0.9, 2.2 / 45 * 1000, 1.1 / 45 * 1000, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OpenSystemFlows f = openSystemFlows(c.in);
        EXPECT_DOUBLE_EQ(f.hotWater, c.expected.hotWater);
        EXPECT_DOUBLE_EQ(f.technologicalHotWater, c.expected.technologicalHotWater);
        EXPECT_DOUBLE_EQ(f.hotWaterAtConsumer, c.expected.hotWaterAtConsumer);
        EXPECT_DOUBLE_EQ(f.technologicalHotWaterAtConsumer,
                         c.expected.technologicalHotWaterAtConsumer);
        EXPECT_DOUBLE_EQ(f.loadBasedHotWater, c.expected.loadBasedHotWater);
        EXPECT_DOUBLE_EQ(f.loadBasedTechnologicalHotWater,
                         c.expected.loadBasedTechnologicalHotWater);
    }
}

TEST(HotWaterFlows, Failures) {
    FlowInputs equalEnthalpies = inputs(1, 0, 0);
    equalEnthalpies.coldEnthalpy = 60;
    FlowInputs consumerAtCold = inputs(1, 0, 0);
    consumerAtCold.consumerEnthalpy = 5;
    FlowInputs nullMultiplier = inputs(1, 0, 0);
    nullMultiplier.QTGVS_pr = kNull;
    EXPECT_EQ(errorNumberOf([&] { (void)openSystemFlows(equalEnthalpies); }),
              oleaut::kDivisionByZero);
    EXPECT_EQ(errorNumberOf([&] { (void)openSystemFlows(consumerAtCold); }),
              oleaut::kDivisionByZero);
    expectFailure([&] { (void)openSystemFlows(nullMultiplier); }, oleaut::kInvalidUseOfNull,
                  {"QTGVS_pr"});
}

}  // namespace
}  // namespace kalvik::consumption
