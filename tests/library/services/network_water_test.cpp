// The hot-water enthalpy floor.

#include "library/services/network_water.hpp"

#include <gtest/gtest.h>

namespace kalvik {
namespace {

// Below 40.1 the hot-water enthalpy is taken as 42; 40.1 itself is 0.1 above 40 and stays.
TEST(NetworkWater, HotWaterEnthalpyFloor) {
    struct Case {
        double enthalpy, taken;
    };
    const Case cases[] = {{40.05, 42}, {40.1, 40.1}, {40, 42},      {12, 42},
                          {30, 42},    {40.5, 40.5}, {60.07, 60.07}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(hotWaterEnthalpyFloor(c.enthalpy), c.taken) << c.enthalpy;
}

}  // namespace
}  // namespace kalvik
