#pragma once
// Money amounts in Russian words.

#include "library/com/ipropiss.hpp"

namespace kalvik {

class Propiss : public IPropiss {
  public:
    oleaut::Variant РабочиеДни(const oleaut::Variant& МояДата, int16_t Выходной) override;
    oleaut::Variant КопейкиТекст(double& Данн) override;
    oleaut::Variant КопейкиТекст_10_11_03(oleaut::Variant& Данн) override;
    oleaut::Variant СумКоп(double& Данн) override;
    std::string Десятки(int32_t& Разряд) override;
    std::string Единицы(int32_t& Разряд, std::string& Род) override;
    std::string Миллионы(int32_t& Разряд) override;
    std::string Рубли(int32_t& Разряд) override;
    std::string Сотни(int32_t& Разряд) override;
    std::string СуммаПрописью(oleaut::Currency& СуммаСчета) override;
    std::string Тысячи(int32_t& Разряд) override;
    oleaut::Variant Коп(oleaut::Variant& Данн) override;
    oleaut::Variant Руб_10_11_03(oleaut::Variant& Данн) override;
    std::string Триллионы(int32_t& Разряд) override;
    oleaut::Variant Proper(oleaut::Variant& anyValue) override;
    std::string Миллиарды(int32_t& Разряд) override;
};

}  // namespace kalvik
