#include "library/services/open_rst.hpp"

#include "library/com/not_implemented.hpp"

namespace kalvik {

void Open_RST::LogFileVs_FSB(const std::string&, const std::string&, const std::string&) {
    notImplemented("Open_RST.LogFileVs_FSB");
}

void Open_RST::LogFileVs(const std::string&, std::string&) {
    notImplemented("Open_RST.LogFileVs");
}

void Open_RST::Open_RST_otkl_proc(const oleaut::ObjectRef&, const std::string&, const std::string&,
                                  int32_t&) {
    notImplemented("Open_RST.Open_RST_otkl_proc");
}

void Open_RST::Open_RST_proc_no_Otkl(const oleaut::ObjectRef&, const std::string&,
                                     const std::string&, int32_t&) {
    notImplemented("Open_RST.Open_RST_proc_no_Otkl");
}

void Open_RST::Open_RST_no_Otkl(const oleaut::ObjectRef&, const std::string&, const std::string&,
                                int32_t&) {
    notImplemented("Open_RST.Open_RST_no_Otkl");
}

void Open_RST::Open_RST_otkl(const oleaut::ObjectRef&, const std::string&, const std::string&,
                             int32_t&) {
    notImplemented("Open_RST.Open_RST_otkl");
}

void Open_RST::Open_RST_otkl_Proc_Prm(const oleaut::ObjectRef&, const oleaut::ObjectRef&,
                                      const std::string&, int32_t&) {
    notImplemented("Open_RST.Open_RST_otkl_Proc_Prm");
}

void Open_RST::Open_RST_Proc_Prm(const oleaut::ObjectRef&, const oleaut::ObjectRef&,
                                 const std::string&, int32_t&) {
    notImplemented("Open_RST.Open_RST_Proc_Prm");
}

void Open_RST::Open_RST_proc(const oleaut::ObjectRef&, const std::string&, const std::string&,
                             int32_t&) {
    notImplemented("Open_RST.Open_RST_proc");
}

void Open_RST::Open_RST_otkl_tabl(const oleaut::ObjectRef&, const std::string&, const std::string&,
                                  int32_t&) {
    notImplemented("Open_RST.Open_RST_otkl_tabl");
}

void Open_RST::Open_RST_tabl(const oleaut::ObjectRef&, const std::string&, const std::string&,
                             int32_t&) {
    notImplemented("Open_RST.Open_RST_tabl");
}

void Open_RST::Open_RST_otkl_Update(oleaut::ObjectRef&, const std::string&) {
    notImplemented("Open_RST.Open_RST_otkl_Update");
}

void Open_RST::S_Vs_FSB(const std::string&, const std::string&, const std::string&,
                        const std::string&, const std::string&) {
    notImplemented("Open_RST.S_Vs_FSB");
}

}  // namespace kalvik
