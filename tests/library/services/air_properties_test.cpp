#include "library/services/air_properties.hpp"

#include <gtest/gtest.h>

#include "platform/oleaut/error.hpp"
#include "tests/library/services/property_test_support.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik::air {
namespace {

using kalvik::test::errorNumberOf;
using kalvik::testing::nearRelative;

struct Case {
    const char* method;
    float (*function)(double);
    double tvozd;
    double expected;
};

TEST(AirProperties, FitsOfDegreeFour) {
    // At 0 °C each fit gives its c0 (times 1.163 for the conductivity); the Prandtl values at 100
    // and -20 °C are worked by hand.
    const Case cases[] = {
        {"nu_vozd", nu_vozd, 0.0, 1.3334426e-5},
        {"lb_vozd", lb_vozd, 0.0, 0.0210049487 * 1.163},
        {"Pr_vozd", Pr_vozd, 0.0, 0.7085},
        {"nu_vozd", nu_vozd, 20.0, 1.5105561e-5},
        {"lb_vozd", lb_vozd, 20.0, 0.025914006},
        {"Pr_vozd", Pr_vozd, 20.0, 0.70354801},
        {"Pr_vozd", Pr_vozd, 100.0, 0.7085 - 0.03 + 0.03 - 0.02 + 0.005},
        {"Pr_vozd", Pr_vozd, -20.0, 0.7085 + 0.006 + 0.0012 + 0.00016 + 0.000008},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(nearRelative(c.function(c.tvozd), c.expected, 1e-6))
            << c.method << "(" << c.tvozd << ")";
    }
}

TEST(AirProperties, PowersThatOverflowFailTheCall) {
    for (auto function : {nu_vozd, lb_vozd, Pr_vozd}) {
        EXPECT_EQ(errorNumberOf([&] { function(1e100); }), oleaut::kOverflow);
    }
}

}  // namespace
}  // namespace kalvik::air
