#include "platform/oleaut/math.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/platform/oleaut/variant_printing.hpp"

namespace oleaut {
namespace {

TEST(Math, ValuesAndFailures) {
    EXPECT_EQ(power(2, 10), 1024.0);
    EXPECT_EQ(power(0, 0), 1.0);
    EXPECT_EQ(power(-8, 3), -512.0);
    EXPECT_EQ(power(4, -0.5), 0.5);
    EXPECT_EQ(Log(1.0), 0.0);
    EXPECT_EQ(Exp(0.0), 1.0);
    EXPECT_EQ(Sqr(2.25), 1.5);
    struct Failure {
        const char* what;
        std::function<void()> call;
        int number;
    };
    const Failure cases[] = {
        {"0 ^ -1", [] { power(0, -1); }, 11},
        {"(-8) ^ 0.5", [] { power(-8, 0.5); }, 5},
        {"10 ^ 400", [] { power(10, 400); }, 6},
        {"Log(0)", [] { Log(0.0); }, 5},
        {"Log(-1)", [] { Log(-1.0); }, 5},
        {"Exp(1000)", [] { Exp(1000.0); }, 6},
        {"Sqr(-1)", [] { Sqr(-1.0); }, 5},
        {"Log(Empty)", [] { Log(Variant()); }, 5},
        {"Sqr(\"x\")", [] { Sqr(Variant("x")); }, 13},
        {"Variant 0 ^ -2", [] { pow(Variant(int16_t{0}), Variant(int16_t{-2})); }, 11},
    };
    for (const Failure& c : cases)
        EXPECT_EQ(errorNumberOf(c.call), c.number) << c.what;
}

TEST(Math, VariantsKeepNull) {
    EXPECT_TRUE(identical(Log(Variant(kNull)), Variant(kNull)));
    EXPECT_TRUE(identical(Exp(Variant(kNull)), Variant(kNull)));
    EXPECT_TRUE(identical(Sqr(Variant(int16_t{9})), Variant(3.0)));
    EXPECT_TRUE(identical(Exp(Variant(int16_t{0})), Variant(1.0)));
}

}  // namespace
}  // namespace oleaut
