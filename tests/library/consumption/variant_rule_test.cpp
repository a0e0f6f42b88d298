#include "library/consumption/variant_rule.hpp"

#include <gtest/gtest.h>

namespace kalvik::consumption {
namespace {

TEST(VariantRule, TablesAndProceduresByPlanAndDog) {
    struct Case {
        int16_t plan;
        const char* dog;
        const char* main;
        const char* hours;
        const char* outages;
        const char* ventilationSums;
        bool takesDog;
        const char* flushings;
    };
    const Case cases[] = {
        // Actual: `Дог` is not looked at.
        {0, "", "РезультатыПотребитель", "РезультатыПотребитель_Время", "pr_Otkl_Potr_filtr",
         "pr_Sum_Qvent", false, "pr_Promyvki"},
        {0, "Дог", "РезультатыПотребитель", "РезультатыПотребитель_Время", "pr_Otkl_Potr_filtr",
         "pr_Sum_Qvent", false, "pr_Promyvki"},
        // Contract needs exactly "Дог".
        {5, "Дог", "РезультатыПотребитель_Дог", "РезультатыПотребитель_Дог_Время",
         "pr_Otkl_Potr_filtr_Plan", "pr_Sum_Qvent_Dog_Plan", true, "pr_Promyvki_Plan"},
        {1, "Дог", "РезультатыПотребитель_Дог", "РезультатыПотребитель_Дог_Время",
         "pr_Otkl_Potr_filtr_Plan", "pr_Sum_Qvent_Dog_Plan", true, "pr_Promyvki_Plan"},
        // Another case of the letters is the plan variant.
        {5, "дог", "РезультатыПотребитель_План", "РезультатыПотребитель_План_Время",
         "pr_Otkl_Potr_filtr_Plan", "pr_Sum_Qvent_Dog_Plan", true, "pr_Promyvki_Plan"},
        {5, "", "РезультатыПотребитель_План", "РезультатыПотребитель_План_Время",
         "pr_Otkl_Potr_filtr_Plan", "pr_Sum_Qvent_Dog_Plan", true, "pr_Promyvki_Plan"},
        {5, "Дог ", "РезультатыПотребитель_План", "РезультатыПотребитель_План_Время",
         "pr_Otkl_Potr_filtr_Plan", "pr_Sum_Qvent_Dog_Plan", true, "pr_Promyvki_Plan"},
        // A negative `План`: actual outages, everything else of the plan side.
        {-1, "", "РезультатыПотребитель_План", "РезультатыПотребитель_План_Время",
         "pr_Otkl_Potr_filtr", "pr_Sum_Qvent_Dog_Plan", true, "pr_Promyvki_Plan"},
        {-3, "Дог", "РезультатыПотребитель_Дог", "РезультатыПотребитель_Дог_Время",
         "pr_Otkl_Potr_filtr", "pr_Sum_Qvent_Dog_Plan", true, "pr_Promyvki_Plan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.plan) + " / " + c.dog);
        const RunVariant v = chooseVariant(c.plan, c.dog);
        EXPECT_EQ(v.mainTable, c.main);
        EXPECT_EQ(v.hoursTable, c.hours);
        EXPECT_EQ(v.outagesProcedure, c.outages);
        EXPECT_EQ(v.ventilationSumsProcedure, c.ventilationSums);
        EXPECT_EQ(v.ventilationSumsTakeDog, c.takesDog);
        EXPECT_EQ(v.flushingsProcedure, c.flushings);
    }
}

TEST(VariantRule, AppendingSelectionIsTheAlwaysEmptySelectionOfTheTable) {
    EXPECT_EQ(appendingSelection("РезультатыПотребитель_Дог"),
              "SELECT РезультатыПотребитель_Дог.* FROM РезультатыПотребитель_Дог "
              "WHERE (((РезультатыПотребитель_Дог.NNрасчТепл) Is Null))");
    EXPECT_EQ(appendingSelection("РезультатыПотребитель_Время"),
              "SELECT РезультатыПотребитель_Время.* FROM РезультатыПотребитель_Время "
              "WHERE (((РезультатыПотребитель_Время.NNрасчТепл) Is Null))");
}

TEST(VariantRule, ConsumerFiltersAndParameters) {
    EXPECT_EQ(kConsumerFilter, "[Npotr] = ");
    EXPECT_EQ(kFlushingConsumerFilter, "[NNпотр пром] = ");
}

}  // namespace
}  // namespace kalvik::consumption
