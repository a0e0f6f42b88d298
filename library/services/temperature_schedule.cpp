#include "library/services/temperature_schedule.hpp"

#include <cstdint>

namespace kalvik::temperature_schedule {

Temperatures ТемперГрафик(const Variant& tv, const Variant& tn, const Variant& tvr,
                          const Variant& tnro, const Variant& t1r, const Variant& t2r,
                          const Variant& t3r) {
    const Variant two = int16_t{2};
    const Variant relativeLoad = (tv - tn) / (tvr - tnro);
    const Variant networkDrop = t1r - t2r;  // supply minus return
    const Variant mixingDrop = t3r - t2r;   // entering the installation minus return
    const Variant meanAboveIndoor = (t3r + t2r) / two - tvr;

    if (oleaut::isTrue(oleaut::le(relativeLoad, Variant(int16_t{0})))) return {tvr, tvr};
    const Variant radiatorRise = meanAboveIndoor * oleaut::pow(relativeLoad, Variant(0.8));
    return {tvr + radiatorRise + (networkDrop - mixingDrop / two) * relativeLoad,
            tvr + radiatorRise - mixingDrop / two * relativeLoad};
}

}  // namespace kalvik::temperature_schedule
