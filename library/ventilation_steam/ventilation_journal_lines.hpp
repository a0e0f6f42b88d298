#pragma once
// The journal lines of a ventilation run, each sent as an 80-character label (the end line with
// the elapsed seconds, library/services/journal_text.hpp).

#include <string_view>

namespace kalvik::ventilation {

inline constexpr std::string_view kStartLabel = "Ras_Calc_Vent.  начало - ";
inline constexpr std::string_view kEmptyLabel = "Ras_Calc_Vent.  Вентиляция отсутствует!!!";
inline constexpr std::string_view kTotalLabel = "Ras_Calc_Vent. Время расчета всего  ";

}  // namespace kalvik::ventilation
