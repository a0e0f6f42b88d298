#include "library/consumption/variant_rule.hpp"

#include <gtest/gtest.h>

#include "library/services/appending_selection.hpp"

namespace kalvik::consumption {
namespace {

constexpr const char* kActual = "РезультатыПотребитель";
constexpr const char* kContract = "РезультатыПотребитель_Дог";
constexpr const char* kPlan = "РезультатыПотребитель_План";
constexpr const char* kFiltr = "pr_Otkl_Potr_filtr";
constexpr const char* kFiltrPlan = "pr_Otkl_Potr_filtr_Plan";
constexpr const char* kPlanSummed = "pr_Plan_Otkl_Potr";
constexpr const char* kNormTable = "ТемператураМесяцСНиП";
constexpr const char* kTempMes = "pr_Temp_mes";
constexpr const char* kSnip = "pr_Temp_mes_SNiP";
constexpr const char* kProm = "pr_Promyvki";
constexpr const char* kPromPlan = "pr_Promyvki_Plan";

// Every method by `План`, `Дог` and `Пл_Сн`: `Дог` selects the contract only when it is exactly
// "Дог"; a negative `План` takes the actual outages and the plan side for the rest; `Пл_Сн` counts
// only for the climate of the plan variant of 02.01.05.
TEST(VariantRule, SourcesAndTablesByMethodPlanDogAndPlSn) {
    using R = Revision;
    struct Case {
        Revision method;
        int16_t plan;
        const char* dog;
        const char* plSn;
        const char* main;
        const char* outages;
        bool outagesUsed;
        bool longOutagesUsed;
        const char* climate;
        bool takesDog;
        const char* flushings;
    };
    const Case cases[] = {
        {R::Current, 0, "", "", kActual, kFiltr, true, true, "", false, kProm},
        {R::Current, 0, "", "СНиП", kActual, kFiltr, true, true, "", false, kProm},
        {R::Current, 0, "Дог", "", kActual, kFiltr, true, true, "", false, kProm},
        {R::Current, 0, "Дог", "СНиП", kActual, kFiltr, true, true, "", false, kProm},
        {R::Current, 0, "дог", "", kActual, kFiltr, true, true, "", false, kProm},
        {R::Current, 0, "дог", "СНиП", kActual, kFiltr, true, true, "", false, kProm},
        {R::Current, 0, " Дог", "", kActual, kFiltr, true, true, "", false, kProm},
        {R::Current, 0, " Дог", "СНиП", kActual, kFiltr, true, true, "", false, kProm},
        {R::Current, 1, "", "", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Current, 1, "", "СНиП", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Current, 1, "Дог", "", kContract, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Current, 1, "Дог", "СНиП", kContract, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Current, 1, "дог", "", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Current, 1, "дог", "СНиП", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Current, 1, " Дог", "", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Current, 1, " Дог", "СНиП", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Current, -1, "", "", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Current, -1, "", "СНиП", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Current, -1, "Дог", "", kContract, kFiltr, true, true, "", true, kPromPlan},
        {R::Current, -1, "Дог", "СНиП", kContract, kFiltr, true, true, "", true, kPromPlan},
        {R::Current, -1, "дог", "", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Current, -1, "дог", "СНиП", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Current, -1, " Дог", "", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Current, -1, " Дог", "СНиП", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Of23_01_08, 0, "", "", kActual, kFiltr, true, true, "", false, kProm},
        {R::Of23_01_08, 0, "", "СНиП", kActual, kFiltr, true, true, "", false, kProm},
        {R::Of23_01_08, 0, "Дог", "", kActual, kFiltr, true, true, "", false, kProm},
        {R::Of23_01_08, 0, "Дог", "СНиП", kActual, kFiltr, true, true, "", false, kProm},
        {R::Of23_01_08, 0, "дог", "", kActual, kFiltr, true, true, "", false, kProm},
        {R::Of23_01_08, 0, "дог", "СНиП", kActual, kFiltr, true, true, "", false, kProm},
        {R::Of23_01_08, 0, " Дог", "", kActual, kFiltr, true, true, "", false, kProm},
        {R::Of23_01_08, 0, " Дог", "СНиП", kActual, kFiltr, true, true, "", false, kProm},
        {R::Of23_01_08, 1, "", "", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Of23_01_08, 1, "", "СНиП", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Of23_01_08, 1, "Дог", "", kContract, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Of23_01_08, 1, "Дог", "СНиП", kContract, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Of23_01_08, 1, "дог", "", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Of23_01_08, 1, "дог", "СНиП", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Of23_01_08, 1, " Дог", "", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Of23_01_08, 1, " Дог", "СНиП", kPlan, kFiltrPlan, true, true, "", true, kPromPlan},
        {R::Of23_01_08, -1, "", "", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Of23_01_08, -1, "", "СНиП", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Of23_01_08, -1, "Дог", "", kContract, kFiltr, true, true, "", true, kPromPlan},
        {R::Of23_01_08, -1, "Дог", "СНиП", kContract, kFiltr, true, true, "", true, kPromPlan},
        {R::Of23_01_08, -1, "дог", "", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Of23_01_08, -1, "дог", "СНиП", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Of23_01_08, -1, " Дог", "", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Of23_01_08, -1, " Дог", "СНиП", kPlan, kFiltr, true, true, "", true, kPromPlan},
        {R::Of02_01_05, 0, "", "", kActual, kFiltr, true, true, kNormTable, false, kProm},
        {R::Of02_01_05, 0, "", "СНиП", kActual, kFiltr, true, true, kNormTable, false, kProm},
        {R::Of02_01_05, 0, "Дог", "", kActual, kFiltr, false, true, kNormTable, false, kProm},
        {R::Of02_01_05, 0, "Дог", "СНиП", kActual, kFiltr, false, true, kNormTable, false, kProm},
        {R::Of02_01_05, 0, "дог", "", kActual, kFiltr, true, true, kNormTable, false, kProm},
        {R::Of02_01_05, 0, "дог", "СНиП", kActual, kFiltr, true, true, kNormTable, false, kProm},
        {R::Of02_01_05, 0, " Дог", "", kActual, kFiltr, true, true, kNormTable, false, kProm},
        {R::Of02_01_05, 0, " Дог", "СНиП", kActual, kFiltr, true, true, kNormTable, false, kProm},
        {R::Of02_01_05, 1, "", "", kPlan, kPlanSummed, true, false, kTempMes, true, kPromPlan},
        {R::Of02_01_05, 1, "", "СНиП", kPlan, kPlanSummed, true, false, kSnip, true, kPromPlan},
        {R::Of02_01_05, 1, "Дог", "", kContract, "", false, false, kSnip, true, kPromPlan},
        {R::Of02_01_05, 1, "Дог", "СНиП", kContract, "", false, false, kSnip, true, kPromPlan},
        {R::Of02_01_05, 1, "дог", "", kPlan, kPlanSummed, true, false, kTempMes, true, kPromPlan},
        {R::Of02_01_05, 1, "дог", "СНиП", kPlan, kPlanSummed, true, false, kSnip, true, kPromPlan},
        {R::Of02_01_05, 1, " Дог", "", kPlan, kPlanSummed, true, false, kTempMes, true, kPromPlan},
        {R::Of02_01_05, 1, " Дог", "СНиП", kPlan, kPlanSummed, true, false, kSnip, true, kPromPlan},
        {R::Of02_01_05, -1, "", "", kPlan, kFiltr, true, false, kNormTable, true, kPromPlan},
        {R::Of02_01_05, -1, "", "СНиП", kPlan, kFiltr, true, false, kNormTable, true, kPromPlan},
        {R::Of02_01_05, -1, "Дог", "", kContract, kFiltr, false, false, kNormTable, true,
         kPromPlan},
        {R::Of02_01_05, -1, "Дог", "СНиП", kContract, kFiltr, false, false, kNormTable, true,
         kPromPlan},
        {R::Of02_01_05, -1, "дог", "", kPlan, kFiltr, true, false, kNormTable, true, kPromPlan},
        {R::Of02_01_05, -1, "дог", "СНиП", kPlan, kFiltr, true, false, kNormTable, true, kPromPlan},
        {R::Of02_01_05, -1, " Дог", "", kPlan, kFiltr, true, false, kNormTable, true, kPromPlan},
        {R::Of02_01_05, -1, " Дог", "СНиП", kPlan, kFiltr, true, false, kNormTable, true,
         kPromPlan},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.method)) + " / " + std::to_string(c.plan) +
                     " / '" + c.dog + "' / '" + c.plSn + "'");
        const RunVariant v = chooseVariant(traitsOf(c.method), c.plan, c.dog, c.plSn);
        EXPECT_EQ(v.mainTable, c.main);
        EXPECT_EQ(v.hoursTable, std::string(c.main) + "_Время");
        EXPECT_EQ(v.outagesProcedure, c.outages);
        EXPECT_EQ(v.outagesUsed, c.outagesUsed);
        EXPECT_EQ(v.longOutagesUsed, c.longOutagesUsed);
        EXPECT_EQ(v.climateSource, c.climate);
        EXPECT_EQ(v.ventilationSumsProcedure,
                  c.takesDog ? "pr_Sum_Qvent_Dog_Plan" : "pr_Sum_Qvent");
        EXPECT_EQ(v.ventilationSumsTakeDog, c.takesDog);
        EXPECT_EQ(v.flushingsProcedure, c.flushings);
    }
}

TEST(VariantRule, ClimateAndKeyMaximumTexts) {
    EXPECT_EQ(climateSelection(7),
              "SELECT     MAX(КоэффГВС) AS КоэффГВС From ТемператураМесяцСНиП Where (NMES = 7 )");
    EXPECT_EQ(keyMaximumSelection("РезультатыПотребитель"),
              "SELECT MAX(NNрасчТепл) AS NNрасчТепл FROM  РезультатыПотребитель");
    EXPECT_EQ(keyMaximumSelection("РезультатыПотребитель_Дог"),
              "SELECT MAX(NNрасчТепл) AS NNрасчТепл FROM  РезультатыПотребитель_Дог");
    EXPECT_EQ(keyMaximumSelection("РезультатыПотребитель_План"),
              "SELECT MAX(NNрасчТепл) AS NNрасчТепл FROM  РезультатыПотребитель_План");
}

TEST(VariantRule, AppendingSelectionIsTheAlwaysEmptySelectionOfTheTable) {
    EXPECT_EQ(appendingSelection("РезультатыПотребитель_Дог", kResultKey),
              "SELECT РезультатыПотребитель_Дог.* FROM РезультатыПотребитель_Дог "
              "WHERE (((РезультатыПотребитель_Дог.NNрасчТепл) Is Null))");
    EXPECT_EQ(appendingSelection("РезультатыПотребитель_Время", kResultKey),
              "SELECT РезультатыПотребитель_Время.* FROM РезультатыПотребитель_Время "
              "WHERE (((РезультатыПотребитель_Время.NNрасчТепл) Is Null))");
}

TEST(VariantRule, ConsumerFiltersAndParameters) {
    EXPECT_EQ(kConsumerFilter, "[Npotr] = ");
    EXPECT_EQ(kFlushingConsumerFilter, "[NNпотр пром] = ");
}

}  // namespace
}  // namespace kalvik::consumption
