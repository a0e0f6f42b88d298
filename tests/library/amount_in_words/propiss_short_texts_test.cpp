// Kopecks, short amounts and capitalisation as the class offers them: result kinds, Null
// write-backs, arguments left alone, failures.
#include <gtest/gtest.h>

#include "library/amount_in_words/propiss.hpp"
#include "tests/support/error_number.hpp"

namespace kalvik {
namespace {

using oleaut::Variant;
using oleaut::VarType;
using test::errorNumberOf;

void expectString(const Variant& v, const char* text) {
    ASSERT_EQ(v.type(), VarType::String);
    EXPECT_EQ(v.asString(), text);
}

TEST(PropissShortTextsTest, NullAmountsBecomeZeroInTheCallersVariable) {
    Propiss p;
    const Variant zero(int16_t{0});

    Variant amount = oleaut::kNull;
    expectString(p.КопейкиТекст_10_11_03(amount), " копеек");
    EXPECT_TRUE(identical(amount, zero));

    amount = oleaut::kNull;
    expectString(p.Коп(amount), "00");
    EXPECT_TRUE(identical(amount, zero));

    amount = oleaut::kNull;
    const Variant rubles = p.Руб_10_11_03(amount);
    EXPECT_TRUE(identical(rubles, Variant(int32_t{0})));
    EXPECT_TRUE(identical(amount, zero));
}

TEST(PropissShortTextsTest, OtherArgumentsAreLeftAlone) {
    Propiss p;
    double d = 123.996;
    expectString(p.СумКоп(d), "124-00");
    EXPECT_EQ(d, 123.996);
    expectString(p.КопейкиТекст(d), " копеек");
    EXPECT_EQ(d, 123.996);

    Variant v(12.05);
    expectString(p.Коп(v), "05");
    expectString(p.КопейкиТекст_10_11_03(v), " копеек");
    EXPECT_TRUE(identical(p.Руб_10_11_03(v), Variant(int32_t{12})));
    EXPECT_TRUE(identical(v, Variant(12.05)));

    Variant text("john SMITH");
    expectString(p.Proper(text), "John Smith");
    EXPECT_TRUE(identical(text, Variant("john SMITH")));
}

TEST(PropissShortTextsTest, ExamplesThroughTheClass) {
    Propiss p;
    const struct {
        double amount;
        const char* text;
    } sumKop[] = {{123.45, "123-45"}, {5.07, "5-07"}, {7, "7-00"}, {-5.999, "-6-00"}};
    for (const auto& c : sumKop) {
        double d = c.amount;
        expectString(p.СумКоп(d), c.text);
    }
    const struct {
        Variant amount;
        const char* text;
    } kop[] = {{12.05, "05"}, {12.5, "50"}, {12.999, "00"}, {-12.05, "05"}};
    for (const auto& c : kop) {
        Variant v = c.amount;
        expectString(p.Коп(v), c.text);
    }
    Variant v(12.34);
    EXPECT_TRUE(identical(p.Руб_10_11_03(v), Variant(int32_t{12})));
    v = Variant(12.999);
    EXPECT_TRUE(identical(p.Руб_10_11_03(v), Variant(int32_t{13})));
}

TEST(PropissShortTextsTest, ProperOfNullIsEmptyAndOfOtherKindsItsText) {
    Propiss p;
    Variant null = oleaut::kNull;
    EXPECT_TRUE(p.Proper(null).isEmpty());
    EXPECT_TRUE(null.isNull());

    const struct {
        Variant value;
        const char* text;
    } cases[] = {
        {Variant(), ""},      {"", ""},
        {"o'neil", "O'Neil"}, {"иван", "ИВАН"},
        {"123abc", "123Abc"}, {"пётр ivanov-smith", "ПЁТР Ivanov-Smith"},
        {int32_t{42}, "42"},
    };
    for (const auto& c : cases) {
        Variant v = c.value;
        expectString(p.Proper(v), c.text);
    }
}

TEST(PropissShortTextsTest, Failures) {
    Propiss p;
    Variant big(3e9);
    EXPECT_EQ(errorNumberOf([&] { p.КопейкиТекст_10_11_03(big); }), oleaut::kOverflow);
    EXPECT_EQ(errorNumberOf([&] { p.Руб_10_11_03(big); }), oleaut::kOverflow);
    Variant edge(2147483647.999);
    EXPECT_EQ(errorNumberOf([&] { p.Руб_10_11_03(edge); }), oleaut::kOverflow);
    Variant longText(std::string(32768, 'a'));
    EXPECT_EQ(errorNumberOf([&] { p.Proper(longText); }), oleaut::kOverflow);
    Variant notANumber("abc");
    EXPECT_EQ(errorNumberOf([&] { p.Коп(notANumber); }), oleaut::kTypeMismatch);
}

}  // namespace
}  // namespace kalvik
