#pragma once
// Ventilation of a consumer, taken from the ventilation results summed per consumer.

#include "library/units/units.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// Mean net working hours of one ventilation result row: (`Sum-ВрмРабЧас` − `Sum-ВрмОтклЧас`) /
// `Count-NNрасчТеплВент`, on the stored values. A Null fails naming the columns, a count of 0
// with Division by zero.
[[nodiscard]] Hours ventilationHours(const oleaut::Variant& workingHours,
                                     const oleaut::Variant& outageHours,
                                     const oleaut::Variant& count);

}  // namespace kalvik::consumption
