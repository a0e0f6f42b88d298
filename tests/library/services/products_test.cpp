// Products of the heat formulas in variant arithmetic.

#include "library/services/products.hpp"

#include <gtest/gtest.h>

#include "tests/support/error_number.hpp"

namespace kalvik {
namespace {

using oleaut::kNull;
using oleaut::Variant;

TEST(Products, LeftToRightWithTheNullRule) {
    EXPECT_DOUBLE_EQ(oleaut::CDbl(product(Variant(0.2), 744.0, int16_t{1}, 0.5)), 74.4);
    EXPECT_TRUE(product(Variant(kNull), 744.0).isNull());
    EXPECT_TRUE(product(Variant(0.2), 744.0, Variant(kNull), 0.5).isNull());
    // A zero factor does not hide a Null.
    EXPECT_TRUE(product(Variant(0.0), Variant(kNull)).isNull());
    EXPECT_EQ(oleaut::CDbl(product(Variant(2.0))), 2.0);
}

TEST(Products, OverflowFails) {
    EXPECT_EQ(kalvik::test::errorNumberOf([] { (void)product(Variant(1e308), 10.0); }),
              oleaut::kOverflow);
}

}  // namespace
}  // namespace kalvik
