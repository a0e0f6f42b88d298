// Ras_Vrem as a front-end or a calculation reaches it: created by its class factory, called through
// its interface, arguments passed by reference.
#include <gtest/gtest.h>

#include <string>

#include "library/com/iras_vrem.hpp"
#include "library/com/service.hpp"
#include "tests/library/services/calendar_2009.hpp"

namespace kalvik {
namespace {

using namespace calendar_2009;
using oleaut::Date;
using oleaut::Variant;

TEST(Ras_Vrem, OutageWritesBackMidnightOfItsDates) {
    Service<IRas_Vrem> ras_vrem;
    Variant weekHours = int16_t{40}, mask = "+++++++", start = int16_t{8}, end = int16_t{17};
    Variant from = Date{k2009_01_01}, to = Date{k2009_01_31};
    Date outageStart{k2009_01_15 + 10.0 / 24}, outageEnd{k2009_01_17 + 12.0 / 24};

    const Variant hours =
        ras_vrem->ВремяОтключений(weekHours, mask, start, end, outageStart, outageEnd, from, to);

    EXPECT_DOUBLE_EQ(oleaut::CDbl(hours), 20);  // 7 + 9 + 4
    EXPECT_EQ(outageStart.value, k2009_01_15);
    EXPECT_EQ(outageEnd.value, k2009_01_17);
    for (const auto& [after, before] : {std::pair{weekHours, Variant(int16_t{40})},
                                        {mask, Variant("+++++++")},
                                        {start, Variant(int16_t{8})},
                                        {end, Variant(int16_t{17})},
                                        {from, Variant(Date{k2009_01_01})},
                                        {to, Variant(Date{k2009_01_31})}}) {
        EXPECT_TRUE(identical(after, before));
    }
}

TEST(Ras_Vrem, TemperatureScheduleWritesT1AndT2AndReturnsEmpty) {
    Service<IRas_Vrem> ras_vrem;
    Variant tv = int16_t{18}, tn = int16_t{-26}, tvr = int16_t{18}, tnro = int16_t{-26};
    Variant t1r = int16_t{150}, t2r = int16_t{70}, t3r = int16_t{95};
    Variant T1 = "before", T2 = "before";

    const Variant result = ras_vrem->ТемперГрафик(tv, tn, tvr, tnro, t1r, t2r, t3r, T1, T2);

    EXPECT_TRUE(result.isEmpty());
    EXPECT_DOUBLE_EQ(oleaut::CDbl(T1), 150);
    EXPECT_DOUBLE_EQ(oleaut::CDbl(T2), 70);
    EXPECT_TRUE(identical(tn, Variant(int16_t{-26})));
    EXPECT_TRUE(identical(t3r, Variant(int16_t{95})));
}

TEST(Ras_Vrem, EveryFunctionAnswers) {
    Service<IRas_Vrem> ras_vrem;
    Variant weekHours = int16_t{40}, mask = "+++++--", zero = int16_t{0}, day = int16_t{24};
    Variant from = Date{k2009_01_01}, to = Date{k2009_01_31};
    EXPECT_FLOAT_EQ(ras_vrem->ВремяРаботы(weekHours, mask, zero, day, from, to).asSingle(),
                    22 * 24);

    Variant longFrom = Date{k2009_01_15}, longTo = oleaut::kNull;
    EXPECT_TRUE(identical(ras_vrem->РасчВремДлитОткл(longFrom, longTo, from, to),
                          Variant(int32_t{17 * 24})));
    EXPECT_TRUE(identical(ras_vrem->ДлитНачало(longFrom, from), longFrom));
    EXPECT_TRUE(
        identical(ras_vrem->ДлитКонец(longFrom, longTo, to), Variant(Date{k2009_01_31 + 1})));

    Date february{k2009_01_31 + 10};
    EXPECT_TRUE(identical(ras_vrem->Час_в_месяц(february), Variant(int32_t{672})));

    std::string hours = std::string(8, '-') + std::string(9, '+') + std::string(7, '-');
    EXPECT_TRUE(identical(ras_vrem->ВремяНач(hours), Variant(int16_t{8})));
    EXPECT_TRUE(identical(ras_vrem->ВремяКон(hours), Variant(int16_t{17})));

    EXPECT_TRUE(ras_vrem->maxF(int16_t{3}, oleaut::kNull).isEmpty());
    EXPECT_TRUE(identical(ras_vrem->Nz_f(oleaut::kNull), Variant(int16_t{0})));
}

}  // namespace
}  // namespace kalvik
