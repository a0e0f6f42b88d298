#pragma once
// The journal lines of a consumption run.

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvik::consumption {

inline constexpr std::string_view kSourceStartLabel =
    "Ras_Calc_Potr. Подготовка исходных начало - 'pr_Isxod_Potr'";
inline constexpr std::string_view kSourceEndLabel = "Ras_Calc_Potr. Подготовка исходных конец.  ";
inline constexpr std::string_view kSourceCountLabel = "Кол-во - ";
inline constexpr std::string_view kVentilationStartLabel =
    "Ras_Calc_Potr. Сум Qвент. начало - 'pr_Sum_Qvent'";
// Kept as found: the end line of the ventilation sums says "начало" as its start line does.
inline constexpr std::string_view kVentilationEndLabel =
    "Ras_Calc_Potr. Сум Qвент. начало - 'pr_Sum_Qvent'. iВент=";
inline constexpr std::string_view kLoopStartLabel = "Ras_Calc_Potr. Цикл по потребителям - начало ";
inline constexpr std::string_view kLoopEndLabel = "Ras_Calc_Potr. Цикл по потребителям - Конец ";
inline constexpr std::string_view kTotalLabel = "Ras_Calc_Potr. Время расчета всего  ";

// The seven lines of a run, in order: labels of 80 characters, end lines with the elapsed seconds
// (library/services/journal_text.hpp).
[[nodiscard]] std::string sourceStartLine();
[[nodiscard]] std::string sourceEndLine(int32_t sourceCount, double seconds);
[[nodiscard]] std::string ventilationStartLine();
[[nodiscard]] std::string ventilationEndLine(int32_t ventilationSumCount, double seconds);
[[nodiscard]] std::string loopStartLine();
[[nodiscard]] std::string loopEndLine(double seconds);
[[nodiscard]] std::string totalLine(double seconds);

}  // namespace kalvik::consumption
