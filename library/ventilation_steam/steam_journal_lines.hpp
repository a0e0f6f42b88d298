#pragma once
// The journal lines of a steam run: its variant's start line, the end of the preparation with the
// number of source rows, and the final line (labels of 80 characters, end lines with the elapsed
// seconds: library/services/journal_text.hpp).

#include <cstdint>
#include <string>
#include <string_view>

#include "library/ventilation_steam/steam_variant.hpp"

namespace kalvik::steam {

inline constexpr std::string_view kStartLabel = "Расчет_Пар_ADO. Подготовка исходных начало - '";
inline constexpr std::string_view kPreparedLabel = "Расчет_Пар_ADO. Подготовка исходных конец.  ";
inline constexpr std::string_view kCountLabel = "Кол-во - ";
inline constexpr std::string_view kTotalLabel = "Расчет_Пар_ADO. Время расчета всего  ";

[[nodiscard]] std::string startLine(const SteamVariant& variant);
[[nodiscard]] std::string preparedLine(int32_t sourceCount, double seconds);
[[nodiscard]] std::string totalLine(double seconds);

}  // namespace kalvik::steam
