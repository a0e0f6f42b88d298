#pragma once
// The journal labels, procedure names and box texts of the consumer load update, shared by the
// current method and its revision.

#include <string>
#include <string_view>

#include "library/load_update/consumer_update_row.hpp"
#include "library/services/journal_text.hpp"

namespace kalvik::consumer_update {

inline constexpr std::string_view kStartLabel = "Обновление. Calc_Potr. начало ";
inline constexpr std::string_view kEndLabel = "Обновление. Calc_Potr. конец.  ";
inline constexpr std::string_view kCountLabel = "Кол-во - ";
inline constexpr std::string_view kRowLabel = "Обновление потребитель";
inline constexpr std::string_view kSumsProcedure = "pr_Obn_Sum_Qvent";
inline constexpr std::string_view kCheckTitle = "Проверка исходных";
inline constexpr std::string_view kNoConsumers =
    "Потребители Отсутствуют. Проверьте!!?\r\nОбновление не выполнено!!?\r\n";
inline constexpr std::string_view kNoVentilation = "Отсутствуют данные по Вентиляции. Проверьте!!?";

// The end journal line: the label, the count of consumers and the elapsed time.
[[nodiscard]] inline std::string endLine(int32_t count, double seconds) {
    std::string label(kEndLabel);
    label += kCountLabel;
    label += std::to_string(count);
    return journalEndLine(label, seconds);
}

}  // namespace kalvik::consumer_update
