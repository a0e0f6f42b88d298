#pragma once
// Hot water: the inter-heating rule that decides the month's reduction of hot water, the
// hot-water temperature factor, and the unit test of a norm in tonnes.

#include <cstdint>
#include <string_view>

#include "library/consumption/columns.hpp"
#include "library/units/units.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik::consumption {

// Pattern of a norm's unit given in tonnes.
inline constexpr std::string_view kTonneUnit = "*Тонн*";

// Whether the month is one between heating seasons for the consumer's hot water, and the
// coefficient column that reduces hot water then.
struct InterHeatingRule {
    bool applies = false;
    Column<SourceRow> coefficient = src::КоэффГВС_СНиП;
};

// The actual variant (`План` <= 0) tests the heating coefficient as read (`КотоплМО` = 0); a plan
// or contract tests the month's outdoor temperature (`TMO_СНиП` for a contract or a plan by the
// norms, else `TMO`) for being above 0 (a Null is not). Texts are compared exactly.
[[nodiscard]] InterHeatingRule interHeatingRule(int16_t План, std::string_view Дог,
                                                std::string_view Пл_Сн, double КотоплМО,
                                                const oleaut::Variant& TMO,
                                                const oleaut::Variant& TMO_СНиП);

// The hot-water factor under the inter-heating rule: the integer 1 when the consumer has hot water
// between heating seasons, else 0 (a Null flag too).
[[nodiscard]] oleaut::Variant interHeatingFactor(const oleaut::Variant& hotWaterBetweenSeasons);

// (Тгв − Тхв) / (T − Тхвот) with T the consumer's own hot-water temperature when `Ras_GVS` is
// non-zero, else Тгв. A Null fails naming the formula, a zero denominator with Division by zero.
[[nodiscard]] double hotWaterTemperatureFactor(const oleaut::Variant& Тгв,
                                               const oleaut::Variant& Тхв,
                                               const oleaut::Variant& Т_гв_потр, Celsius Тхвот,
                                               int16_t Ras_GVS);

// The norm is given in tonnes (a Null unit is not).
[[nodiscard]] bool normInTonnes(const oleaut::Variant& Ed_izm_Gk);

}  // namespace kalvik::consumption
