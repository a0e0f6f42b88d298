// The inter-heating rule, the hot-water factor, the temperature factor and the tonne unit.

#include "library/consumption/hot_water_heat.hpp"

#include <gtest/gtest.h>

#include "tests/support/error_number.hpp"

namespace kalvik::consumption {
namespace {

using kalvik::test::errorNumberOf;
using oleaut::kNull;
using oleaut::Variant;

TEST(HotWaterHeat, InterHeatingRuleByVariant) {
    struct Case {
        const char* name;
        int16_t plan;
        const char* dog;
        const char* plSn;
        double КотоплМО;
        Variant TMO, TMO_СНиП;
        bool applies;
        std::string_view coefficient;
    };
    const Case cases[] = {
        {"actual, heating coefficient 0", 0, "", "", 0, 16.0, 16.0, true, "КоэффГВС_СНиП"},
        {"actual, heating coefficient 0.5", 0, "Дог", "СНиП", 0.5, 16.0, 16.0, false,
         "КоэффГВС_СНиП"},
        {"negative plan takes the actual test", -1, "Дог", "", 0, -5.0, -5.0, true,
         "КоэффГВС_СНиП"},
        {"negative plan, heating coefficient 1", -2, "", "", 1, 16.0, 16.0, false, "КоэффГВС_СНиП"},
        {"contract, warm by the norms", 1, "Дог", "", 1, -5.0, 16.0, true, "КоэффГВС_СНиП"},
        {"contract, 0 by the norms", 1, "Дог", "", 1, 16.0, 0.0, false, "КоэффГВС_СНиП"},
        {"contract, Null by the norms", 1, "Дог", "", 1, 16.0, kNull, false, "КоэффГВС_СНиП"},
        {"plan by the norms", 1, "дог", "СНиП", 1, 0.0, 3.0, true, "КоэффГВС_СНиП"},
        {"plan", 1, "", "Сн", 0, 16.0, 0.0, true, "КоэффГВС"},
        {"plan, exactly 0", 1, "", "", 0, 0.0, 16.0, false, "КоэффГВС"},
        {"plan, Null", 1, "", "", 0, kNull, 16.0, false, "КоэффГВС"},
        {"plan, norms in other letters", 5, "", "снип", 0, -1.0, 5.0, false, "КоэффГВС"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const InterHeatingRule rule =
            interHeatingRule(c.plan, c.dog, c.plSn, c.КотоплМО, c.TMO, c.TMO_СНиП);
        EXPECT_EQ(rule.applies, c.applies);
        EXPECT_EQ(rule.coefficient.name, c.coefficient);
    }
}

TEST(HotWaterHeat, InterHeatingFactorIsAnIntegerOneOrZero) {
    struct Case {
        Variant flag;
        int16_t expected;
    };
    const Case cases[] = {
        {true, 1}, {int16_t{-1}, 1}, {int16_t{1}, 1}, {false, 0}, {int16_t{0}, 0}, {kNull, 0},
    };
    for (const Case& c : cases) {
        const Variant f = interHeatingFactor(c.flag);
        EXPECT_EQ(f.type(), oleaut::VarType::Integer);
        EXPECT_EQ(f.asInteger(), c.expected);
    }
}

TEST(HotWaterHeat, TemperatureFactor) {
    struct Case {
        const char* name;
        Variant Тгв, Тхв, Т_гв_потр;
        double Тхвот;
        int16_t Ras_GVS;
        double expected;
    };
    const Case cases[] = {
        {"winter", 60.0, 5.0, 55.0, 5, 0, 1},
        {"summer cold water", 60.0, 15.0, 55.0, 5, 0, 45.0 / 55},
        // The consumer's temperature changes only the denominator.
        {"by the consumer's temperature", 60.0, 15.0, 55.0, 5, 1, 45.0 / 50},
        {"consumer's temperature Null but unused", 60.0, 15.0, kNull, 5, 0, 45.0 / 55},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(hotWaterTemperatureFactor(c.Тгв, c.Тхв, c.Т_гв_потр, c.Тхвот, c.Ras_GVS),
                         c.expected);
    }
}

TEST(HotWaterHeat, TemperatureFactorFailures) {
    struct Case {
        const char* name;
        Variant Тгв, Тхв, Т_гв_потр;
        int16_t Ras_GVS;
        int32_t error;
    };
    const Case cases[] = {
        {"hot water at the heating season's cold water", 5.0, 5.0, 55.0, 0,
         oleaut::kDivisionByZero},
        {"consumer's temperature at the cold water", 60.0, 5.0, 5.0, 1, oleaut::kDivisionByZero},
        {"consumer's temperature Null", 60.0, 5.0, kNull, 1, oleaut::kInvalidUseOfNull},
        {"cold water Null", 60.0, kNull, 55.0, 0, oleaut::kInvalidUseOfNull},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorNumberOf([&] {
                      (void)hotWaterTemperatureFactor(c.Тгв, c.Тхв, c.Т_гв_потр, 5, c.Ras_GVS);
                  }),
                  c.error);
    }
}

TEST(HotWaterHeat, NormInTonnes) {
    struct Case {
        Variant unit;
        bool expected;
    };
    const Case cases[] = {
        {"Тонн/чел", true},  {"Тонны", true}, {"м3, Тонн", true},
        {"Гкал/чел", false}, {"тонн", false}, {kNull, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(normInTonnes(c.unit), c.expected);
}

}  // namespace
}  // namespace kalvik::consumption
