#include "library/amount_in_words/propiss.hpp"

#include "library/amount_in_words/number_words.hpp"
#include "library/amount_in_words/rubles_in_words.hpp"
#include "library/com/not_implemented.hpp"

namespace kalvik {

using namespace amount_words;

oleaut::Variant Propiss::РабочиеДни(const oleaut::Variant&, int16_t) {
    notImplemented("Propiss.РабочиеДни");
}

oleaut::Variant Propiss::КопейкиТекст(double&) {
    notImplemented("Propiss.КопейкиТекст");
}

oleaut::Variant Propiss::КопейкиТекст_10_11_03(oleaut::Variant&) {
    notImplemented("Propiss.КопейкиТекст_10_11_03");
}

oleaut::Variant Propiss::СумКоп(double&) {
    notImplemented("Propiss.СумКоп");
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

oleaut::Variant Propiss::Коп(oleaut::Variant&) {
    notImplemented("Propiss.Коп");
}

oleaut::Variant Propiss::Руб_10_11_03(oleaut::Variant&) {
    notImplemented("Propiss.Руб_10_11_03");
}

std::string Propiss::Триллионы(int32_t& Разряд) {
    return scaleWord(Scale::Trillions, Разряд);
}

oleaut::Variant Propiss::Proper(oleaut::Variant&) {
    notImplemented("Propiss.Proper");
}

std::string Propiss::Миллиарды(int32_t& Разряд) {
    return scaleWord(Scale::Billions, Разряд);
}

}  // namespace kalvik
