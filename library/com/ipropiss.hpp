#pragma once
// The default interface _Propiss of class Propiss: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IPropiss {
  public:
    static constexpr std::string_view kClassName = "Propiss";
    static constexpr com::Guid kClsid = com::Guid::parse("{20AC0CE2-51A3-463A-A450-6C4CC08372EC}");
    static constexpr com::Guid kIid = com::Guid::parse("{8DAB9820-B429-4BCE-8A46-320F9E4F14B5}");

    virtual ~IPropiss() = default;

    virtual oleaut::Variant РабочиеДни(const oleaut::Variant& МояДата, int16_t Выходной) = 0;
    virtual oleaut::Variant КопейкиТекст(double& Данн) = 0;
    virtual oleaut::Variant КопейкиТекст_10_11_03(oleaut::Variant& Данн) = 0;
    virtual oleaut::Variant СумКоп(double& Данн) = 0;
    virtual std::string Десятки(int32_t& Разряд) = 0;
    virtual std::string Единицы(int32_t& Разряд, std::string& Род) = 0;
    virtual std::string Миллионы(int32_t& Разряд) = 0;
    virtual std::string Рубли(int32_t& Разряд) = 0;
    virtual std::string Сотни(int32_t& Разряд) = 0;
    virtual std::string СуммаПрописью(oleaut::Currency& СуммаСчета) = 0;
    virtual std::string Тысячи(int32_t& Разряд) = 0;
    virtual oleaut::Variant Коп(oleaut::Variant& Данн) = 0;
    virtual oleaut::Variant Руб_10_11_03(oleaut::Variant& Данн) = 0;
    virtual std::string Триллионы(int32_t& Разряд) = 0;
    virtual oleaut::Variant Proper(oleaut::Variant& anyValue) = 0;
    virtual std::string Миллиарды(int32_t& Разряд) = 0;
};

}  // namespace kalvik
