// Hot-water heat, losses and leaks of both kinds of hot water.

#include "library/consumption/hot_water_heat.hpp"

#include "library/consumption/values.hpp"
#include "library/consumption/variant_rule.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik::consumption {

using oleaut::Variant;

InterHeatingRule interHeatingRule(int16_t План, std::string_view Дог, std::string_view Пл_Сн,
                                  double КотоплМО, const Variant& TMO, const Variant& TMO_СНиП) {
    const auto above0 = [](const Variant& t) { return oleaut::isTrue(oleaut::gt(t, int16_t{0})); };
    if (План <= 0) return {КотоплМО == 0, src::КоэффГВС_СНиП};
    if (Дог == kContractDog || Пл_Сн == kNormPlan) return {above0(TMO_СНиП), src::КоэффГВС_СНиП};
    return {above0(TMO), src::КоэффГВС};
}

Variant interHeatingFactor(const Variant& hotWaterBetweenSeasons) {
    return oleaut::isTrue(hotWaterBetweenSeasons) ? int16_t{1} : int16_t{0};
}

double hotWaterTemperatureFactor(const Variant& Тгв, const Variant& Тхв, const Variant& Т_гв_потр,
                                 double Тхвот, int16_t Ras_GVS) {
    const Variant& T = Ras_GVS != 0 ? Т_гв_потр : Тгв;
    try {
        return oleaut::CDbl((Тгв - Тхв) / (T - Тхвот));
    } catch (const oleaut::Error& e) {
        throw e.withContext(Ras_GVS != 0
                                ? "hot-water temperature factor (Тгв - Тхв) / (Т_гв_потр - Тхвот)"
                                : "hot-water temperature factor (Тгв - Тхв) / (Тгв - Тхвот)");
    }
}

bool normInTonnes(const Variant& Ed_izm_Gk) {
    return oleaut::isTrue(oleaut::likeOrNull(Ed_izm_Gk, Variant(kTonneUnit)));
}

}  // namespace kalvik::consumption
