#include "library/consumption/variant_rule.hpp"

namespace kalvik::consumption {

namespace {

std::string_view outagesOf(OutageRule rule, int16_t plan, bool contract) {
    if (plan <= 0) return "pr_Otkl_Potr_filtr";
    switch (rule) {
        case OutageRule::ByPlanSign:
            return "pr_Otkl_Potr_filtr_Plan";
        case OutageRule::PlanSummedUnlessContract:
            return contract ? "" : "pr_Plan_Otkl_Potr";
    }
    return "";
}

std::string_view climateOf(int16_t plan, std::string_view dog, std::string_view plSn) {
    if (plan <= 0) return kClimateTable;
    return takesNormClimate(dog, plSn) ? "pr_Temp_mes_SNiP" : "pr_Temp_mes";
}

}  // namespace

RunVariant chooseVariant(const RevisionTraits& traits, int16_t plan, std::string_view dog,
                         std::string_view plSn) {
    const bool contract = isContract(dog);
    RunVariant v;
    if (plan == 0) {
        v.mainTable = "РезультатыПотребитель";
        v.hoursTable = "РезультатыПотребитель_Время";
    } else if (contract) {
        v.mainTable = "РезультатыПотребитель_Дог";
        v.hoursTable = "РезультатыПотребитель_Дог_Время";
    } else {
        v.mainTable = "РезультатыПотребитель_План";
        v.hoursTable = "РезультатыПотребитель_План_Время";
    }
    v.outagesProcedure = outagesOf(traits.outages, plan, contract);
    v.outagesUsed = traits.outages == OutageRule::ByPlanSign || !contract;
    v.ventilationSumsProcedure = plan != 0 ? "pr_Sum_Qvent_Dog_Plan" : "pr_Sum_Qvent";
    v.ventilationSumsTakeDog = plan != 0;
    v.longOutagesUsed = traits.longOutagesInEveryVariant || plan == 0;
    v.flushingsProcedure = plan != 0 ? "pr_Promyvki_Plan" : "pr_Promyvki";
    if (traits.climateRow) v.climateSource = climateOf(plan, dog, plSn);
    return v;
}

std::string keyMaximumSelection(std::string_view mainTable) {
    return "SELECT MAX(NNрасчТепл) AS NNрасчТепл " + ("FROM  " + std::string(mainTable));
}

std::string climateSelection(int month) {
    return "SELECT     MAX(КоэффГВС) AS КоэффГВС " + std::string("From ТемператураМесяцСНиП ") +
           "Where (NMES = " + std::to_string(month) + " )";
}

}  // namespace kalvik::consumption
