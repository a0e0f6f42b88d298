#pragma once
// The default interface _Ras_Vrem of class Ras_Vrem: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IRas_Vrem {
  public:
    static constexpr std::string_view kClassName = "Ras_Vrem";
    static constexpr com::Guid kClsid = com::Guid::parse("{00600C54-2278-49D6-9D6F-4D95C6AD4EEA}");
    static constexpr com::Guid kIid = com::Guid::parse("{BBF2D4B7-FC0F-4D41-B38F-E1071F63603B}");

    virtual ~IRas_Vrem() = default;

    virtual oleaut::Variant ВремяОтключений(oleaut::Variant& Вр_нед, oleaut::Variant& Дн_нед,
                                            oleaut::Variant& Нач, oleaut::Variant& Кон,
                                            oleaut::Date& Дт_н, oleaut::Date& Дт_к,
                                            oleaut::Variant& Дпер_н, oleaut::Variant& Дпер_к) = 0;
    virtual oleaut::Variant ВремяРаботы(oleaut::Variant& Вр_нед, oleaut::Variant& Дн_нед,
                                        oleaut::Variant& Нач, oleaut::Variant& Кон,
                                        oleaut::Variant& Дпер_н, oleaut::Variant& Дпер_к) = 0;
    virtual oleaut::Variant РасчВремДлитОткл(oleaut::Variant& ДлНач, oleaut::Variant& ДлКон,
                                             oleaut::Variant& Нач, oleaut::Variant& Кон) = 0;
    virtual oleaut::Variant ДлитНачало(oleaut::Variant& ДлНач, oleaut::Variant& Нач) = 0;
    virtual oleaut::Variant ДлитКонец(oleaut::Variant& ДлНач, oleaut::Variant& ДлКон,
                                      oleaut::Variant& Кон) = 0;
    virtual oleaut::Variant Час_в_месяц(oleaut::Date& Кон) = 0;
    virtual oleaut::Variant ВремяНач(std::string& Vrem) = 0;
    virtual oleaut::Variant ВремяКон(std::string& Vrem) = 0;
    virtual oleaut::Variant ТемперГрафик(oleaut::Variant& tv, oleaut::Variant& tn,
                                         oleaut::Variant& tvr, oleaut::Variant& tnro,
                                         oleaut::Variant& t1r, oleaut::Variant& t2r,
                                         oleaut::Variant& t3r, oleaut::Variant& T1,
                                         oleaut::Variant& T2) = 0;
    virtual oleaut::Variant maxF(const oleaut::Variant& x1, const oleaut::Variant& x2) = 0;
    virtual oleaut::Variant Nz_f(const oleaut::Variant& x) = 0;
};

}  // namespace kalvik
