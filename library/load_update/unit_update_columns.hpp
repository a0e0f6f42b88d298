#pragma once
// Column names of the load update, spelled exactly as the database has them: "P" in "P гв",
// "P подающ" and "P обрат" Latin; "Т" in "Т подающ", "Т обрат", `Тхвот` and `Тпот_вент`
// Cyrillic; `Qв_расч` with a Latin Q; `Ут_Вент` with a capital В.
//
// Each kind of row has one list, X(constant, "name"), in the order the update reads it (see
// library/services/column_list.hpp).

#include "library/services/column_list.hpp"

namespace kalvik::unit_update {

// Ventilation unit rows of `pr_vent_obn`; the update writes `Час_дн`, `Qв_расч`, `G_vent`,
// `V_вент_р`, `Ут_Вент` and `Тпот_вент` back into them.
#define KALVIK_UNIT_UPDATE_COLUMNS(X) \
    X(Npotr, "Npotr")                 \
    X(NN_вент, "NN_вент")             \
    X(Тхвот, "Тхвот")                 \
    X(P_гв, "P гв")                   \
    X(Т_подающ, "Т подающ")           \
    X(Кон_В, "Кон_В")                 \
    X(Нач_В, "Нач_В")                 \
    X(Час_дн, "Час_дн")               \
    X(PAR, "PAR")                     \
    X(Ут_дол, "Ут_дол")               \
    X(P_подающ, "P подающ")           \
    X(P_обрат, "P обрат")             \
    X(Т_обрат, "Т обрат")             \
    X(QVENT26_t_vkn, "QVENT26_t_vkn") \
    X(QVENT26_p_vkn, "QVENT26_p_vkn") \
    X(Qв_расч, "Qв_расч")             \
    X(G_vent, "G_vent")               \
    X(V_вент_п, "V_вент_п")           \
    X(V_вент_р, "V_вент_р")           \
    X(Ут_Вент, "Ут_Вент")             \
    X(Тпот_вент, "Тпот_вент")

struct UnitRow {
    static constexpr auto kNames =
        std::to_array<std::string_view>({KALVIK_UNIT_UPDATE_COLUMNS(KALVIK_COLUMN_NAME)});
};
static_assert(eachNameOnce(UnitRow::kNames));

namespace unit {
using C = Column<UnitRow>;
KALVIK_UNIT_UPDATE_COLUMNS(KALVIK_COLUMN_CONSTANT)
}  // namespace unit

}  // namespace kalvik::unit_update
