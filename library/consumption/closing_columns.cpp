#include "library/consumption/closing_columns.hpp"

#include "platform/oleaut/format.hpp"

namespace kalvik::consumption {

std::string remark(const LoadHours& hours, double ventilationHours) {
    using oleaut::numberText;
    std::string text = "ВрОт= " + numberText(hours.heating) + " ";
    text += "СрВрВент. " + numberText(ventilationHours);
    text += "ВрГвс= " + numberText(hours.hotWater) + " ";
    text += "ВрГвс_Пс= " + numberText(hours.secondHotWater) + " ";
    text += "ВрТех= " + numberText(hours.technology) + " ";
    text += "ВрТехГвс= " + numberText(hours.technologicalHotWater);
    return text;
}

}  // namespace kalvik::consumption
