#include "library/amount_in_words/propiss.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

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

std::string Propiss::Десятки(int32_t&) {
    notImplemented("Propiss.Десятки");
}

std::string Propiss::Единицы(int32_t&, std::string&) {
    notImplemented("Propiss.Единицы");
}

std::string Propiss::Миллионы(int32_t&) {
    notImplemented("Propiss.Миллионы");
}

std::string Propiss::Рубли(int32_t&) {
    notImplemented("Propiss.Рубли");
}

std::string Propiss::Сотни(int32_t&) {
    notImplemented("Propiss.Сотни");
}

std::string Propiss::СуммаПрописью(oleaut::Currency&) {
    notImplemented("Propiss.СуммаПрописью");
}

std::string Propiss::Тысячи(int32_t&) {
    notImplemented("Propiss.Тысячи");
}

oleaut::Variant Propiss::Коп(oleaut::Variant&) {
    notImplemented("Propiss.Коп");
}

oleaut::Variant Propiss::Руб_10_11_03(oleaut::Variant&) {
    notImplemented("Propiss.Руб_10_11_03");
}

std::string Propiss::Триллионы(int32_t&) {
    notImplemented("Propiss.Триллионы");
}

oleaut::Variant Propiss::Proper(oleaut::Variant&) {
    notImplemented("Propiss.Proper");
}

std::string Propiss::Миллиарды(int32_t&) {
    notImplemented("Propiss.Миллиарды");
}

}  // namespace kalvik
