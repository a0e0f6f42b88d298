// The flows of a consumer's load kinds and, for a steam consumer, the condensate that comes back
// per kind and the steam columns that the monthly steam calculation reads.

#include <string>

#include "library/load_update/consumer_update_load_kinds.hpp"
#include "library/load_update/consumer_update_row.hpp"
#include "library/services/network_water.hpp"

namespace kalvik::consumer_update {

using oleaut::Variant;

namespace {

constexpr double kPerThousand = 1000;
const Variant kThousand(kPerThousand);
const Variant kHundred(int16_t{100});

// The condensate a steam consumer's kinds give back, held until the steam columns are written.
struct Returns {
    double flow[6] = {};       // t/h, rounded
    GcalPerHour heat[6] = {};  // rounded
};

bool duplicated(ConsumerRecordset& row, const ConsumerLoadKind& kind) {
    return kind.duplicate && oleaut::isTrue(row[*kind.duplicate]);
}

double roundedNumber(const ConsumerContext& c, double value) {
    return oleaut::CDbl(rounded(c, Variant(value)));
}

// Return flow from the flow as the row holds it, and its heat from the unrounded return flow;
// both kept rounded.
void returnOf(const ConsumerContext& c, const RowValues& v, std::size_t k, const Variant& flow,
              Returns& r) {
    const ConsumerLoadKind& kind = kConsumerLoadKinds[k];
    const double returnFlow =
        number(flow * c.row[kind.returnPercent] / kHundred, kind.returnPercent.name);
    const GcalPerHour heat = oleaut::checkedDouble((v.condensateEnthalpy[k] - v.coldWaterEnthalpy) *
                                                   returnFlow / kPerThousand);
    r.flow[k] = roundedNumber(c, returnFlow);
    r.heat[k] = roundedNumber(c, heat);
}

// A steam kind: its flow stored unrounded, its return taken from it, then the flow rounded.
void steamFlow(const ConsumerContext& c, const RowValues& v, std::size_t k, Returns& r) {
    const ConsumerLoadKind& kind = kConsumerLoadKinds[k];
    ConsumerRecordset& row = c.row;
    if (duplicated(row, kind)) {
        row.set(kind.flow, int16_t{0});
        r.flow[k] = r.heat[k] = 0;
        return;
    }
    const Variant steam(oleaut::checkedDouble(v.supplyEnthalpy - v.coldWaterEnthalpy));
    const Variant condensate(oleaut::checkedDouble(v.condensateEnthalpy[k] - v.coldWaterEnthalpy));
    // The load divided first, unlike the unit update's flow: the order decides the last digit.
    const Variant denominator = steam - condensate * (row[kind.returnPercent] / kHundred);
    row.set(kind.flow, row[*kind.load] / denominator * kThousand);
    returnOf(c, v, k, row[kind.flow], r);
    row.set(kind.flow, rounded(c, row[kind.flow]));
}

// A water kind over an enthalpy difference, rounded; a duplicated kind 0.
void waterFlow(const ConsumerContext& c, std::size_t k, KcalPerKg difference) {
    const ConsumerLoadKind& kind = kConsumerLoadKinds[k];
    ConsumerRecordset& row = c.row;
    if (duplicated(row, kind)) {
        row.set(kind.flow, int16_t{0});
        return;
    }
    // The load divided first, unlike the unit update's flow: the order decides the last digit.
    row.set(kind.flow, row[*kind.load] / Variant(difference) * kThousand);
    row.set(kind.flow, rounded(c, row[kind.flow]));
}

// A steam consumer's heating, ventilation's return, second hot water and technology. Reads the
// enthalpies. Row: G_ot, G_GV_Пс, G_tex; their returns and ventilation's kept.
void steamHeatingAndTechnology(const ConsumerContext& c, const RowValues& v, Returns& r) {
    steamFlow(c, v, Heating, r);
    returnOf(c, v, Ventilation, c.row[col::G_vent], r);
    steamFlow(c, v, SecondHotWater, r);
    steamFlow(c, v, Technology, r);
}

// A water consumer's heating, second hot water and technology, over supply − return. Row: G_ot,
// G_GV_Пс, G_tex.
void waterHeatingAndTechnology(const ConsumerContext& c, const RowValues& v) {
    const KcalPerKg difference = oleaut::checkedDouble(v.supplyEnthalpy - v.returnEnthalpy);
    for (const Kind k : {Heating, SecondHotWater, Technology})
        waterFlow(c, k, difference);
}

// A water consumer's hot water: the open scheme over the hot-water enthalpy with its floor, the
// closed one (Закр_Отк_Обк 0) over supply − return. Row: G_tex_gvs, G_GVS.
void waterHotWater(const ConsumerContext& c, const RowValues& v) {
    const KcalPerKg hotWater = hotWaterEnthalpyFloor(v.hotWaterEnthalpy);
    const bool closed = equalsZero(c.row[col::Закр_Отк_Обк]);
    const KcalPerKg difference = oleaut::checkedDouble(closed ? v.supplyEnthalpy - v.returnEnthalpy
                                                              : hotWater - v.coldWaterEnthalpy);
    for (const Kind k : {TechHotWater, HotWater})
        waterFlow(c, k, difference);
}

// A steam consumer's hot water. Reads the enthalpies. Row: G_tex_gvs, G_GVS; their returns kept.
void steamHotWater(const ConsumerContext& c, const RowValues& v, Returns& r) {
    for (const Kind k : {TechHotWater, HotWater})
        steamFlow(c, v, k, r);
}

// The steam columns of a steam consumer. Reads the rounded flows of the row and the returns
// kept. Row: the steam columns.
void steamColumns(const ConsumerContext& c, const Returns& r) {
    ConsumerRecordset& row = c.row;
    row.set(col::SQ_Пар, row[col::SQсрчас]);
    row.set(col::S_Q_пот_местн, row[col::Птпотр_п]);
    row.set(col::S_G_пот_местн, row[col::Утпотр_п]);
    row.set(col::S_G_пот_тсеть, row[col::ДоляУтечекТсетях]);
    row.set(col::S_Q_пот_тсеть, row[col::ДоляПотерьТсетях]);
    Variant steam = row[kConsumerLoadKinds[kFlowSumOrder.front()].flow];
    double condensate = 0;
    for (std::size_t i = 0; i < kFlowSumOrder.size(); ++i) {
        if (i > 0) steam = steam + row[kConsumerLoadKinds[kFlowSumOrder[i]].flow];
        condensate += r.flow[kFlowSumOrder[i]];
    }
    GcalPerHour heat = 0;
    for (const Kind k : kHeatSumOrder)
        heat += r.heat[k];
    row.set(col::SG_пар, steam);
    row.set(col::S_Gvkn_Конд, condensate);
    row.set(col::S_Qvkn_Конд, heat);
    row.set(col::SG_Конд, rounded(c, row[col::SG_пар] - row[col::S_Gvkn_Конд]));
    for (std::size_t k = 0; k < kConsumerLoadKinds.size(); ++k) {
        const ConsumerLoadKind& kind = kConsumerLoadKinds[k];
        const Variant flow = row[kind.flow];
        for (int i = 0; i < 2; ++i) {
            row.set(kind.steamCopy[i], flow);
            row.set(kind.returnFlow[i], r.flow[k]);
            row.set(kind.returnHeat[i], r.heat[k]);
        }
    }
}

}  // namespace

void flowsAndSteamColumns(const ConsumerContext& c, const RowValues& v) {
    if (v.steam) {
        Returns r;
        steamHeatingAndTechnology(c, v, r);
        steamHotWater(c, v, r);
        steamColumns(c, r);
    } else {
        waterHeatingAndTechnology(c, v);
        waterHotWater(c, v);
    }
}

}  // namespace kalvik::consumer_update
