// Loss modes 0 to 3 and the failure on anything else.

#include "library/consumption/loss_mode.hpp"

#include <gtest/gtest.h>

#include "tests/support/error_number.hpp"

namespace kalvik::consumption {
namespace {

using kalvik::test::errorNumberOf;
using oleaut::kNull;
using oleaut::Variant;

TEST(LossMode, ModesZeroToThree) {
    struct Case {
        Variant value;
        int16_t mode;
        bool counted;
    };
    const Case cases[] = {
        {int16_t{0}, 0, false}, {int16_t{1}, 1, false}, {int16_t{2}, 2, true},
        {int16_t{3}, 3, true},  {int32_t{3}, 3, true},  {2.0, 2, true},
        {"1", 1, false},
    };
    for (const Case& c : cases) {
        const int16_t mode = lossMode(c.value, "Расчет с потерями");
        EXPECT_EQ(mode, c.mode);
        EXPECT_EQ(ownLossesCounted(mode), c.counted);
    }
}

TEST(LossMode, AnyOtherValueFailsNamingTheColumnAndTheValue) {
    struct Case {
        Variant value;
        int32_t error;
        const char* shown;
    };
    const Case cases[] = {
        {int16_t{4}, 5, "4"}, {int16_t{-1}, 5, "-1"}, {2.5, 5, "2.5"},
        {kNull, 94, "Null"},  {"два", 13, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(errorNumberOf([&] { lossMode(c.value, "Подкл с потерями"); }), c.error);
        try {
            lossMode(c.value, "Подкл с потерями");
        } catch (const oleaut::Error& e) {
            EXPECT_NE(e.description().find("Подкл с потерями"), std::string::npos);
            EXPECT_NE(e.description().find(c.shown), std::string::npos) << e.description();
        }
    }
}

}  // namespace
}  // namespace kalvik::consumption
