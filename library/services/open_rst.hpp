#pragma once
// Recordset opening and the run journal.

#include "library/com/iopen_rst.hpp"

namespace kalvik {

class Open_RST : public IOpen_RST {
  public:
    void LogFileVs_FSB(const std::string& ConnString_Fin, const std::string& msg,
                       const std::string& ARM) override;
    void LogFileVs(const std::string& ConnString_Fin, std::string& msg) override;
    void Open_RST_otkl_proc(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                            const std::string& Name_proc, int32_t& K_vo) override;
    void Open_RST_proc_no_Otkl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                               const std::string& Name_proc, int32_t& K_vo) override;
    void Open_RST_no_Otkl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                          const std::string& strSQL, int32_t& K_vo) override;
    void Open_RST_otkl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                       const std::string& strSQL, int32_t& K_vo) override;
    void Open_RST_otkl_Proc_Prm(const oleaut::ObjectRef& cmd, const oleaut::ObjectRef& Rst,
                                const std::string& ConnString_Fin, int32_t& K_vo) override;
    void Open_RST_Proc_Prm(const oleaut::ObjectRef& cmd, const oleaut::ObjectRef& Rst,
                           const std::string& ConnString_Fin, int32_t& K_vo) override;
    void Open_RST_proc(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                       const std::string& Name_proc, int32_t& K_vo) override;
    void Open_RST_otkl_tabl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                            const std::string& Name_tabl, int32_t& K_vo) override;
    void Open_RST_tabl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                       const std::string& Name_tabl, int32_t& K_vo) override;
    void Open_RST_otkl_Update(oleaut::ObjectRef& Rst, const std::string& ConnString_Fin) override;
    void S_Vs_FSB(const std::string& ConnString_Fin, const std::string& msg, const std::string& ARM,
                  const std::string& User, const std::string& Parol) override;
};

}  // namespace kalvik
