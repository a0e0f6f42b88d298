#include "library/consumption/variant_rule.hpp"

#include "library/services/appending_selection.hpp"

namespace kalvik::consumption {

RunVariant chooseVariant(int16_t plan, std::string_view dog) {
    RunVariant v;
    if (plan == 0) {
        v.mainTable = "РезультатыПотребитель";
        v.hoursTable = "РезультатыПотребитель_Время";
    } else if (dog == kContractDog) {
        v.mainTable = "РезультатыПотребитель_Дог";
        v.hoursTable = "РезультатыПотребитель_Дог_Время";
    } else {
        v.mainTable = "РезультатыПотребитель_План";
        v.hoursTable = "РезультатыПотребитель_План_Время";
    }
    v.outagesProcedure = plan < 1 ? "pr_Otkl_Potr_filtr" : "pr_Otkl_Potr_filtr_Plan";
    v.ventilationSumsProcedure = plan != 0 ? "pr_Sum_Qvent_Dog_Plan" : "pr_Sum_Qvent";
    v.ventilationSumsTakeDog = plan != 0;
    v.flushingsProcedure = plan != 0 ? "pr_Promyvki_Plan" : "pr_Promyvki";
    return v;
}

std::string appendingSelection(std::string_view table) {
    return kalvik::appendingSelection(table, "NNрасчТепл");
}

}  // namespace kalvik::consumption
