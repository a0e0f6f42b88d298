#include "library/consumption/coefficient_write_back.hpp"

#include <gtest/gtest.h>

namespace kalvik::consumption {
namespace {

TEST(CoefficientWriteBack, HeatFlowsByBothWaysAndThePhysicalCoefficient) {
    struct Case {
        const char* name = "";
        double Qгвс = 0, Qтехгвс = 0;
        double byCoefficient = 0, technologicalByCoefficient = 0;
        double byEnthalpy = 0, technologicalByEnthalpy = 0;
        double hot = 0, cold = 0;
        double expected[9] = {};
    };
    const Case cases[] = {
        // An open system: 3 Gcal by 0.0625 Gcal/t are 48 t; by enthalpies 60 and 5, 3000 / 55 t.
        {.name = "open system",
         .Qгвс = 3,
         .Qтехгвс = 0.5,
         .byCoefficient = 48,
         .technologicalByCoefficient = 8,
         .byEnthalpy = 3000.0 / 55,
         .technologicalByEnthalpy = 500.0 / 55,
         .hot = 60,
         .cold = 5,
         .expected = {3, 48, 0.5, 8, 3, 3000.0 / 55, 0.5, 500.0 / 55, 0.055}},
        // A closed system or a steam consumer: flows 0, the heat still written.
        {.name = "closed system",
         .Qгвс = 24.5,
         .hot = 59.5,
         .cold = 10.25,
         .expected = {24.5, 0, 0, 0, 24.5, 0, 0, 0, 0.04925}},
    };
    const char* const columns[] = {"Q_gvs_K_G_gvs_r",    "G_gvs_K_G_gvs_r", "Q_texgvs_K_G_gvs_r",
                                   "G_texgvs_K_G_gvs_r", "Q_gvs_пр_r",      "G_gvs_пр_r",
                                   "Q_texgvs_пр_r",      "G_texgvs_пр_r",   "K_G_fiz"};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ConsumerContext c;
        c.hotWater.Qгвс = k.Qгвс;
        c.technology.Qтехгвс = k.Qтехгвс;
        c.flows.coefficientHotWater = k.byCoefficient;
        c.flows.coefficientTechnologicalHotWater = k.technologicalByCoefficient;
        c.flows.loadBasedHotWater = k.byEnthalpy;
        c.flows.loadBasedTechnologicalHotWater = k.technologicalByEnthalpy;
        c.flows.hotEnthalpy = k.hot;
        c.flows.coldEnthalpy = k.cold;
        const auto values = coefficientRowValues(c);
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(values[i].column.name, columns[i]);
            EXPECT_DOUBLE_EQ(values[i].value, k.expected[i]) << columns[i];
        }
    }
}

}  // namespace
}  // namespace kalvik::consumption
