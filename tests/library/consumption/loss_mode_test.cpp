// Loss modes 0 to 3 and the failure on anything else.

#include "library/consumption/loss_mode.hpp"

#include <gtest/gtest.h>

#include "tests/library/consumption/expect_failure.hpp"

namespace kalvik::consumption {
namespace {

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
        {int16_t{4}, oleaut::kInvalidProcedureCall, "4"},
        {int16_t{-1}, oleaut::kInvalidProcedureCall, "-1"},
        {2.5, oleaut::kInvalidProcedureCall, "2.5"},
        {kNull, oleaut::kInvalidUseOfNull, "Null"},
        {"два", oleaut::kTypeMismatch, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        expectFailure([&] { (void)lossMode(c.value, "Подкл с потерями"); }, c.error,
                      {"column Подкл с потерями", c.shown});
    }
}

}  // namespace
}  // namespace kalvik::consumption
