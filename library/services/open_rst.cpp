#include "library/services/open_rst.hpp"

#include "library/services/text_log.hpp"
#include "platform/ado/command.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/oleaut/datetime.hpp"
#include "platform/oleaut/text.hpp"

namespace kalvik {
namespace {

// The always-empty selection through which journal rows are appended.
constexpr const char* kJournalSelection = "SELECT FSB.* From FSB WHERE (((FSB.id) Is Null));";
constexpr int32_t kHostTextWidth = 30;

std::shared_ptr<ado::Recordset> recordsetOf(const oleaut::ObjectRef& object, const char* method) {
    auto recordset = std::dynamic_pointer_cast<ado::Recordset>(object);
    if (!recordset) {
        throw oleaut::Error(oleaut::kObjectRequired, std::string("Object required: Open_RST.") +
                                                         method + " needs a Recordset as Rst");
    }
    return recordset;
}

std::shared_ptr<ado::Command> commandOf(const oleaut::ObjectRef& object, const char* method) {
    auto command = std::dynamic_pointer_cast<ado::Command>(object);
    if (!command) {
        throw oleaut::Error(oleaut::kObjectRequired, std::string("Object required: Open_RST.") +
                                                         method + " needs a Command as cmd");
    }
    return command;
}

enum class Detach { No, Yes };

// Opening from a name or text: the properties in this order, then Open with the command type.
void openFromSource(ado::Recordset& rst, const std::string& connString, const std::string& source,
                    ado::LockTypeEnum lockType, ado::CommandTypeEnum commandType, Detach detach,
                    int32_t& K_vo) {
    rst.ActiveConnection(oleaut::Variant(connString));
    rst.CursorLocation(ado::adUseClient);
    rst.CursorType(ado::adOpenStatic);
    rst.LockType(lockType);
    rst.Source(oleaut::Variant(source));
    rst.Open({}, {}, ado::adOpenUnspecified, ado::adLockUnspecified, commandType);
    if (detach == Detach::Yes) rst.ActiveConnection(oleaut::ObjectRef());
    K_vo = rst.RecordCount();
}

// Opening from a prepared command: its connection, text, timeout and parameters.
void openFromCommand(const oleaut::ObjectRef& cmd, ado::Recordset& rst, ado::LockTypeEnum lockType,
                     Detach detach, int32_t& K_vo) {
    rst.CursorLocation(ado::adUseClient);
    rst.Open(cmd, {}, ado::adOpenStatic, lockType, ado::adCmdStoredProc);
    if (detach == Detach::Yes) rst.ActiveConnection(oleaut::ObjectRef());
    K_vo = rst.RecordCount();
}

// The host, login and application of pr_Hst_NM, each as a text of exactly 30 characters.
struct HostTexts {
    std::string hostName;
    std::string login;
    std::string application;
};

HostTexts readHostTexts(ado::Connection& connection) {
    const auto rows = connection.Execute("exec pr_Hst_NM");
    auto text = [&](const char* column) {
        return oleaut::fixedLength(oleaut::CStr(rows->Fields(column).Value()), kHostTextWidth);
    };
    HostTexts texts{text("H_Nm"), text("SST_US"), text("NM_Pril")};
    rows->Close();
    return texts;
}

// One journal row through the always-empty selection, opened with the class's own
// Open_RST_no_Otkl and saved at once.
void appendJournalRow(IOpen_RST& self, const std::string& connString,
                      std::initializer_list<std::pair<const char*, const std::string&>> fields) {
    auto journal = std::make_shared<ado::Recordset>();
    int32_t count = 0;
    self.Open_RST_no_Otkl(journal, connString, kJournalSelection, count);
    journal->AddNew();
    for (const auto& [name, value] : fields)
        journal->Fields(name).Value(value);
    journal->Update();
    journal->Close();
}

std::shared_ptr<ado::Connection> openConnection(const std::string& connString) {
    auto connection = std::make_shared<ado::Connection>();
    connection->ConnectionString(connString);
    connection->Open();
    return connection;
}

}  // namespace

void Open_RST::LogFileVs_FSB(const std::string& ConnString_Fin, const std::string& msg,
                             const std::string& ARM) {
    const auto connection = openConnection(ConnString_Fin);
    const HostTexts host = readHostTexts(*connection);
    // "*Basic*" as Like compares: case counts, so "BASIC" does not match.
    const std::string& workstation =
        oleaut::Like(host.application, "*Basic*") ? host.application : ARM;
    appendJournalRow(*this, ConnString_Fin, {{"Имя_Проц_Форм", msg}, {"Арм", workstation}});
    connection->Close();
}

void Open_RST::LogFileVs(const std::string& ConnString_Fin, std::string& msg) {
    const auto connection = openConnection(ConnString_Fin);
    const HostTexts host = readHostTexts(*connection);
    appendTextLogLine(oleaut::dateText(oleaut::Now()) + "  -  " + host.login + msg);
    connection->Close();
}

void Open_RST::Open_RST_otkl_proc(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                                  const std::string& Name_proc, int32_t& K_vo) {
    openFromSource(*recordsetOf(Rst, "Open_RST_otkl_proc"), ConnString_Fin, Name_proc,
                   ado::adLockBatchOptimistic, ado::adCmdStoredProc, Detach::Yes, K_vo);
}

void Open_RST::Open_RST_proc_no_Otkl(const oleaut::ObjectRef& Rst,
                                     const std::string& ConnString_Fin,
                                     const std::string& Name_proc, int32_t& K_vo) {
    openFromSource(*recordsetOf(Rst, "Open_RST_proc_no_Otkl"), ConnString_Fin, Name_proc,
                   ado::adLockOptimistic, ado::adCmdStoredProc, Detach::No, K_vo);
}

void Open_RST::Open_RST_no_Otkl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                                const std::string& strSQL, int32_t& K_vo) {
    openFromSource(*recordsetOf(Rst, "Open_RST_no_Otkl"), ConnString_Fin, strSQL,
                   ado::adLockOptimistic, ado::adCmdText, Detach::No, K_vo);
}

void Open_RST::Open_RST_otkl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                             const std::string& strSQL, int32_t& K_vo) {
    openFromSource(*recordsetOf(Rst, "Open_RST_otkl"), ConnString_Fin, strSQL,
                   ado::adLockBatchOptimistic, ado::adCmdText, Detach::Yes, K_vo);
}

void Open_RST::Open_RST_otkl_Proc_Prm(const oleaut::ObjectRef& cmd, const oleaut::ObjectRef& Rst,
                                      const std::string&, int32_t& K_vo) {
    commandOf(cmd, "Open_RST_otkl_Proc_Prm");
    openFromCommand(cmd, *recordsetOf(Rst, "Open_RST_otkl_Proc_Prm"), ado::adLockBatchOptimistic,
                    Detach::Yes, K_vo);
}

void Open_RST::Open_RST_Proc_Prm(const oleaut::ObjectRef& cmd, const oleaut::ObjectRef& Rst,
                                 const std::string&, int32_t& K_vo) {
    commandOf(cmd, "Open_RST_Proc_Prm");
    openFromCommand(cmd, *recordsetOf(Rst, "Open_RST_Proc_Prm"), ado::adLockOptimistic, Detach::No,
                    K_vo);
}

void Open_RST::Open_RST_proc(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                             const std::string& Name_proc, int32_t& K_vo) {
    // Exactly as Open_RST_otkl_proc.
    openFromSource(*recordsetOf(Rst, "Open_RST_proc"), ConnString_Fin, Name_proc,
                   ado::adLockBatchOptimistic, ado::adCmdStoredProc, Detach::Yes, K_vo);
}

void Open_RST::Open_RST_otkl_tabl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                                  const std::string& Name_tabl, int32_t& K_vo) {
    openFromSource(*recordsetOf(Rst, "Open_RST_otkl_tabl"), ConnString_Fin, Name_tabl,
                   ado::adLockBatchOptimistic, ado::adCmdTable, Detach::Yes, K_vo);
}

void Open_RST::Open_RST_tabl(const oleaut::ObjectRef& Rst, const std::string& ConnString_Fin,
                             const std::string& Name_tabl, int32_t& K_vo) {
    openFromSource(*recordsetOf(Rst, "Open_RST_tabl"), ConnString_Fin, Name_tabl,
                   ado::adLockOptimistic, ado::adCmdTable, Detach::No, K_vo);
}

void Open_RST::Open_RST_otkl_Update(oleaut::ObjectRef& Rst, const std::string& ConnString_Fin) {
    const auto rst = recordsetOf(Rst, "Open_RST_otkl_Update");
    rst->ActiveConnection(oleaut::Variant(ConnString_Fin));
    rst->UpdateBatch(ado::adAffectAll);
    rst->Close();
    Rst.reset();
}

void Open_RST::S_Vs_FSB(const std::string& ConnString_Fin, const std::string& msg,
                        const std::string& ARM, const std::string& User, const std::string& Parol) {
    appendJournalRow(*this, ConnString_Fin,
                     {{"Имя_Проц_Форм", msg}, {"Арм", ARM}, {"Users", User}, {"Parole", Parol}});
}

}  // namespace kalvik
