#pragma once
// The default interface _Open_RST of class Open_RST: its methods in interface order.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/oleaut/variant.hpp"

namespace kalvik {

class IOpen_RST {
  public:
    static constexpr std::string_view kClassName = "Open_RST";
    static constexpr com::Guid kClsid = com::Guid::parse("{C9FF5B01-FC5C-4FF0-A6F3-90D57D684EB8}");
    static constexpr com::Guid kIid = com::Guid::parse("{C693C4FC-973D-4E6E-A4CB-A007C4ACC486}");

    virtual ~IOpen_RST() = default;

    virtual void LogFileVs_FSB(const std::string& ConnString_Fin, const std::string& msg,
                               const std::string& ARM) = 0;
    virtual void LogFileVs(const std::string& ConnString_Fin, std::string& msg) = 0;
    virtual void Open_RST_otkl_proc(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                                    const std::string& Name_proc, int32_t& K_vo) = 0;
    virtual void Open_RST_proc_no_Otkl(const oleaut::ObjectRef& Rst,
                                       const std::string& ConnString_Fin,
                                       const std::string& Name_proc, int32_t& K_vo) = 0;
    virtual void Open_RST_no_Otkl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                                  const std::string& strSQL, int32_t& K_vo) = 0;
    virtual void Open_RST_otkl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                               const std::string& strSQL, int32_t& K_vo) = 0;
    virtual void Open_RST_otkl_Proc_Prm(const oleaut::ObjectRef& cmd, const oleaut::ObjectRef& Rst,
                                        const std::string& ConnString_Fin, int32_t& K_vo) = 0;
    virtual void Open_RST_Proc_Prm(const oleaut::ObjectRef& cmd, const oleaut::ObjectRef& Rst,
                                   const std::string& ConnString_Fin, int32_t& K_vo) = 0;
    virtual void Open_RST_proc(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                               const std::string& Name_proc, int32_t& K_vo) = 0;
    virtual void Open_RST_otkl_tabl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                                    const std::string& Name_tabl, int32_t& K_vo) = 0;
    virtual void Open_RST_tabl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                               const std::string& Name_tabl, int32_t& K_vo) = 0;
    virtual void Open_RST_otkl_Update(oleaut::ObjectRef& Rst,
                                      const std::string& ConnString_Fin) = 0;
    virtual void S_Vs_FSB(const std::string& ConnString_Fin, const std::string& msg,
                          const std::string& ARM, const std::string& User,
                          const std::string& Parol) = 0;
};

}  // namespace kalvik
