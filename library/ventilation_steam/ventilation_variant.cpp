#include "library/ventilation_steam/ventilation_variant.hpp"

namespace kalvik::ventilation {

std::string_view resultTable(int16_t plan, std::string_view dog) {
    if (isContract(dog)) return "РезультатыВентиляция_Дог";
    if (plan != 0) return "РезультатыВентиляция_План";
    return "РезультатыВентиляция";
}

}  // namespace kalvik::ventilation
