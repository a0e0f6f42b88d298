// The specific-load functions through the class, one table over both. Worked by hand: a unit of
// 0.5 Gcal/h at tvn 20, tnro -26, tnvr -25, heating from 8; the ratio's pair is (tvn, tnro) for
// a regime that starts above tnvr + 0.2 or above -10.5, else (TK, tnach).

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "library/ventilation_steam/ras_vent.hpp"
#include "tests/support/case_names.hpp"

namespace kalvik::test {
namespace {

using oleaut::kNull;
using oleaut::Variant;

struct Case {
    const char* what;
    bool t12 = false;
    Variant Qvr = 0.5, tn = -10.0, tvn = 20.0, tnro = -26.0, tnvr = -25.0, tnror_n_ot = 8.0,
            TK = 8.0, tnach = -25.0, avtvetn = int16_t{0}, Qvent_Pr = 1.0, PAR = int16_t{0},
            Vent_leto = int16_t{0};
    Variant Т1 = 80.0, Т2 = 60.0, Т1р = 95.0, Т2р = 70.0, Т1в = 120.0, Т2в = 70.0;
    std::optional<double> expected = std::nullopt;  // none: fails
    std::string failureNames = {};
    double Т1рAfter = 95, Т2рAfter = 70;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

class SpecificLoad : public ::testing::TestWithParam<Case> {};

TEST_P(SpecificLoad, ScalesTheHourlyValue) {
    Case c = GetParam();
    Ras_Vent object;
    IRas_Vent& vent = object;
    auto call = [&] {
        return c.t12 ? vent.ФРасчВентТ12(c.Qvr, c.tn, c.tvn, c.tnro, c.tnvr, c.tnror_n_ot, c.TK,
                                         c.tnach, c.avtvetn, c.Qvent_Pr, c.PAR, c.Vent_leto, c.Т1,
                                         c.Т2, c.Т1р, c.Т2р, c.Т1в, c.Т2в)
                     : vent.ФРасчВент_Pr(c.Qvr, c.tn, c.tvn, c.tnro, c.tnvr, c.tnror_n_ot, c.TK,
                                         c.tnach, c.avtvetn, c.Qvent_Pr, c.PAR, c.Vent_leto);
    };
    if (!c.expected) {
        try {
            call();
            ADD_FAILURE() << "no failure";
        } catch (const oleaut::Error& e) {
            EXPECT_NE(e.description().find(c.failureNames), std::string::npos) << e.description();
        }
        return;
    }
    const Variant result = call();
    if (c.t12) {
        EXPECT_EQ(result.type(), oleaut::VarType::Double);
        EXPECT_DOUBLE_EQ(result.asDouble(), *c.expected);
        EXPECT_EQ(oleaut::CDbl(c.Т1р), c.Т1рAfter);
        EXPECT_EQ(oleaut::CDbl(c.Т2р), c.Т2рAfter);
    } else {
        EXPECT_EQ(result.type(), oleaut::VarType::Single);
        EXPECT_EQ(oleaut::CSng(result), static_cast<float>(*c.expected));
    }
}

Case with(Case c, auto change) {
    change(c);
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpecificLoad,
    ::testing::Values(
        // (8 + 10) / (8 + 25) = 6/11 of 0.5.
        with(Case{"regime from -25: (TK, tnach)"}, [](Case& c) { c.expected = 0.5 * 6 / 11; }),
        // tnach -10.5 is above neither -10.5 nor tnvr + 0.2 = -9.8: (TK, tnach), 18 / 18.5.
        with(Case{"tnach -10.5"},
             [](Case& c) {
                 c.tnach = -10.5;
                 c.tnvr = -10.0;
                 c.expected = 0.5 * 18 / 18.5;
             }),
        // tnach = tnvr + 0.2 is not above it either, -24.8 not above -10.5: (8 + 10) / 32.8.
        with(Case{"tnach tnvr + 0.2"},
             [](Case& c) {
                 c.tnach = -24.8;
                 c.expected = 0.5 * 18 / (8 + 24.8);
             }),
        // -10 is above -10.5: (tvn, tnro), (20 + 10) / 46.
        with(Case{"tnach -10: (tvn, tnro)"},
             [](Case& c) {
                 c.tnach = -10.0;
                 c.expected = 0.5 * 30 / 46;
             }),
        // An automatic unit from tnvr in a month colder than tnvr counts at tnvr: (8 + 25)/33 = 1.
        with(Case{"t raised to tnvr"},
             [](Case& c) {
                 c.tn = -30.0;
                 c.avtvetn = int16_t{1};
                 c.expected = 0.5;
             }),
        with(Case{"cut-off at t = tnror_n_ot"},
             [](Case& c) {
                 c.tn = 8.0;
                 c.TK = 16.0;
                 c.expected = 0;
             }),
        with(Case{"steam, Qvent_Pr 0: Qvr"},
             [](Case& c) {
                 c.PAR = int16_t{1};
                 c.Qvent_Pr = 0.0;
                 c.expected = 0.5;
             }),
        with(Case{"water, Qvent_Pr 0: 0"},
             [](Case& c) {
                 c.Qvent_Pr = 0.0;
                 c.expected = 0;
             }),
        // Beyond X = 8 the ratio is negative: (8 - 12) / 33.
        with(Case{"Vent_leto beyond X"},
             [](Case& c) {
                 c.tn = 12.0;
                 c.Vent_leto = int16_t{1};
                 c.expected = 0.5 * -4 / 33;
             }),
        with(Case{"Null tnach fails"},
             [](Case& c) {
                 c.tnach = kNull;
                 c.failureNames = "argument tnach: Invalid use of Null";
             }),
        // A Null limit fails only its own test: 8 >= TK 8 still cuts off.
        with(Case{"Null tnror_n_ot"},
             [](Case& c) {
                 c.tn = 8.0;
                 c.tnror_n_ot = kNull;
                 c.expected = 0;
             }),
        with(Case{"equal reference temperatures"},
             [](Case& c) {
                 c.TK = -25.0;
                 c.tn = -30.0;
                 c.failureNames = "Division by zero";
             }),
        // The Single 0.1: 0.1 × (8 + 10) / 18 at tnach -10.
        with(Case{"a Single"},
             [](Case& c) {
                 c.Qvr = 0.1;
                 c.tnach = -10.0;
                 c.tvn = 8.0;
                 c.tnro = -10.0;
                 c.tnror_n_ot = 9.0;
                 c.TK = 9.0;
                 c.expected = static_cast<float>(0.1);
             }),
        // T12: (80 - 60) / (95 - 70) = 0.8.
        with(Case{"T12 design temperatures", true},
             [](Case& c) {
                 c.tnach = -20.0;
                 c.expected = 0.5 * 0.8;
             }),
        // tnvr = tnach: the design point replaces Т1р, Т2р: 20 / 50.
        with(Case{"T12 design point written back", true},
             [](Case& c) {
                 c.expected = 0.5 * 20 / 50;
                 c.Т1рAfter = 120;
                 c.Т2рAfter = 70;
             }),
        // Colder than tnvr, automatic: the design point's own difference, r = 1.
        with(Case{"T12 r = 1", true},
             [](Case& c) {
                 c.tn = -30.0;
                 c.avtvetn = int16_t{1};
                 c.expected = 0.5;
                 c.Т1рAfter = 120;
                 c.Т2рAfter = 70;
             }),
        // The cut-off of T12 is TK itself, never tvn.
        with(Case{"T12 cut-off at TK", true},
             [](Case& c) {
                 c.tn = 8.0;
                 c.tnror_n_ot = kNull;
                 c.tnach = -20.0;
                 c.expected = 0;
             }),
        with(Case{"T12 Null Т1 fails", true},
             [](Case& c) {
                 c.Т1 = kNull;
                 c.failureNames = "argument Т1: Invalid use of Null";
             })),
    NamedByPrinting{});

}  // namespace
}  // namespace kalvik::test
