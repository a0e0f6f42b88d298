// Ventilation heat, losses and leaks copied from the summed ventilation results.

#include "library/consumption/ventilation_heat.hpp"

namespace kalvik::consumption {

using oleaut::Variant;

double ventilationHours(const Variant& workingHours, const Variant& outageHours,
                        const Variant& count) {
    try {
        return oleaut::CDbl((workingHours - outageHours) / count);
    } catch (const oleaut::Error& e) {
        throw e.withContext(
            "ventilation hours (Sum-ВрмРабЧас - Sum-ВрмОтклЧас) / Count-NNрасчТеплВент");
    }
}

}  // namespace kalvik::consumption
