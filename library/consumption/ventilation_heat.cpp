// Ventilation heat, losses and leaks copied from the summed ventilation results.

#include "library/consumption/ventilation_heat.hpp"

#include "library/consumption/phases.hpp"
#include "library/consumption/variant_rule.hpp"

namespace kalvik::consumption {

using oleaut::Variant;
namespace M = main_row;
namespace V = vent_sum;

Hours ventilationHours(const Variant& workingHours, const Variant& outageHours,
                       const Variant& count) {
    try {
        return oleaut::CDbl((workingHours - outageHours) / count);
    } catch (const oleaut::Error& e) {
        throw e.withContext(
            "ventilation hours (Sum-ВрмРабЧас - Sum-ВрмОтклЧас) / Count-NNрасчТеплВент");
    }
}

// The phase: the six ventilation columns of the row and the kept ventilation values, from the
// consumer's row of the ventilation sums (the first, should there be several), or 0 without one.
void ventilationHeat(Run& run, ConsumerContext& c, MainRecordset& row) {
    for (const Column<MainRow> column :
         {M::Qвент12, M::Qвент26, M::Птвент26_п_р, M::Птвент12_п_р, M::Утвент26_п, M::Утвент12_п})
        row.set(column, int16_t{0});
    const bool t12 = run.traits().t12Ventilation;
    if (t12) {
        for (const Column<MainRow> column :
             {M::Qвент12Т12, M::Qвент26Т12, M::Птвент26_п_рТ12, M::Птвент12_п_рТ12})
            row.set(column, int16_t{0});
    }
    VentilationValues& v = c.ventilation;
    v = {};

    VentilationSumRecordset& sums = run.ventilationSumRows();
    sums.select(kConsumerFilter, run.consumerText());
    if (sums.recordCount() > 0) {
        row.set(M::Qвент12, sums[V::Sum_Qвент12]);
        row.set(M::Qвент26, sums[V::Sum_Qвент26]);
        v.loss = sums.number(V::Sum_Потери);
        row.set(M::Птвент26_п_р, v.loss);
        v.connectedLoss = sums.number(V::Sum_ТПвподкл);
        v.connectedLoad = sums.number(V::Sum_Qвподкл);
        v.correctedConnectedLoss = sums.number(V::Sum_ТПвподкл_корр);
        v.correctedConnectedLoad = sums.number(V::Sum_Qвподкл_корр);
        // The ventilation results of the current calculation have no T12 figures: a Null counts
        // as 0.
        if (t12) {
            row.set(M::Qвент12Т12, run.nz(sums, V::Sum_Qвент12T12));
            row.set(M::Qвент26Т12, run.nz(sums, V::Sum_Qвент26T12));
            v.lossT12 = run.nz(sums, V::Sum_ПотериT12);
            row.set(M::Птвент26_п_рТ12, v.lossT12);
        }
        v.maximumHours = sums.number(V::Max_Tvent_tc);
        v.hours = ventilationHours(sums[V::Sum_ВрмРабЧас], sums[V::Sum_ВрмОтклЧас],
                                   sums[V::Count_NNрасчТеплВент]);
        row.set(M::Утвент26_п, sums[V::Sum_Утвент26_п]);
        row.set(M::Утвент12_п, sums[V::Sum_Утвент12_п]);
        v.leak = number(row[M::Утвент26_п] + row[M::Утвент12_п], "Утвент26_п + Утвент12_п");
    }
    v.heat = number(row[M::Qвент12] + row[M::Qвент26], "Qвент12 + Qвент26");
    if (t12) v.heatT12 = number(row[M::Qвент12Т12] + row[M::Qвент26Т12], "Qвент12Т12 + Qвент26Т12");
}

}  // namespace kalvik::consumption
