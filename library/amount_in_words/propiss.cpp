#include "library/amount_in_words/propiss.hpp"

#include "library/amount_in_words/kopecks.hpp"
#include "library/amount_in_words/letter_case.hpp"
#include "library/amount_in_words/number_words.hpp"
#include "library/amount_in_words/rubles_in_words.hpp"
#include "library/amount_in_words/working_days.hpp"

namespace kalvik {

using namespace amount_words;

namespace {

// The functions that take a variant amount treat Null as 0, and leave that 0 in the caller's
// variable.
void replaceNullByZero(oleaut::Variant& value) {
    if (value.isNull()) value = oleaut::Variant(int16_t{0});
}

}  // namespace

oleaut::Variant Propiss::РабочиеДни(const oleaut::Variant& МояДата, int16_t Выходной) {
    return workingDaysOfMonth(dateArgument(МояДата), Выходной);
}

oleaut::Variant Propiss::КопейкиТекст(double& Данн) {
    return kopeckWordOf(Данн);
}

oleaut::Variant Propiss::КопейкиТекст_10_11_03(oleaut::Variant& Данн) {
    replaceNullByZero(Данн);
    return kopeckWordOfLongRubles(Данн);
}

oleaut::Variant Propiss::СумКоп(double& Данн) {
    return rublesDashKopecks(Данн);
}

std::string Propiss::Десятки(int32_t& Разряд) {
    return tensWord(Разряд);
}

std::string Propiss::Единицы(int32_t& Разряд, std::string& Род) {
    return unitsWord(Разряд, genderNamed(Род));
}

std::string Propiss::Миллионы(int32_t& Разряд) {
    return scaleWord(Scale::Millions, Разряд);
}

std::string Propiss::Рубли(int32_t& Разряд) {
    return scaleWord(Scale::Units, Разряд);
}

std::string Propiss::Сотни(int32_t& Разряд) {
    return hundredsWord(Разряд);
}

std::string Propiss::СуммаПрописью(oleaut::Currency& СуммаСчета) {
    return rublesInWords(СуммаСчета);
}

std::string Propiss::Тысячи(int32_t& Разряд) {
    return scaleWord(Scale::Thousands, Разряд);
}

oleaut::Variant Propiss::Коп(oleaut::Variant& Данн) {
    replaceNullByZero(Данн);
    return kopecksTwoDigits(Данн);
}

oleaut::Variant Propiss::Руб_10_11_03(oleaut::Variant& Данн) {
    replaceNullByZero(Данн);
    return rublesWithCarriedRuble(Данн);
}

std::string Propiss::Триллионы(int32_t& Разряд) {
    return scaleWord(Scale::Trillions, Разряд);
}

oleaut::Variant Propiss::Proper(oleaut::Variant& anyValue) {
    if (anyValue.isNull()) return {};
    return properCase(oleaut::CStr(anyValue));
}

std::string Propiss::Миллиарды(int32_t& Разряд) {
    return scaleWord(Scale::Billions, Разряд);
}

}  // namespace kalvik
