#include "platform/ado/connection.hpp"

#include "platform/ado/errors.hpp"
#include "platform/ado/recordset.hpp"

namespace ado {
namespace {

constexpr const char* kSource = "ADODB.Connection";

}  // namespace

CommandTypeEnum commandTypeOf(int32_t options) noexcept {
    if (options == adOptionUnspecified) return adCmdUnknown;
    for (CommandTypeEnum type :
         {adCmdText, adCmdTable, adCmdStoredProc, adCmdFile, adCmdTableDirect}) {
        if (options & type) return type;
    }
    return adCmdUnknown;
}

Connection::~Connection() {
    if (!session_) return;
    try {
        while (ownTransactions_ > 0) {
            session_->rollbackTransaction();
            --ownTransactions_;
        }
    } catch (...) {
        // Closing on the way out: the handle rolls back what is left when it closes.
    }
}

void Connection::ConnectionString(const std::string& value) {
    if (session_) {
        throw objectOpenError(kSource);
    }
    connectionString_ = value;
}

void Connection::CommandTimeout(int32_t seconds) {
    if (seconds < 0) {
        throw adoError(adErrInvalidArgument, "CommandTimeout cannot be negative", kSource);
    }
    commandTimeout_ = seconds;
}

void Connection::Open(const std::string& connectionString, const std::string& userId,
                      const std::string&, int32_t) {
    if (session_) {
        throw objectOpenError(kSource);
    }
    if (!connectionString.empty()) connectionString_ = connectionString;
    session_ = openSession(connectionString_, userId);
    ownTransactions_ = 0;
}

void Connection::Close() {
    Session& open = session();
    while (ownTransactions_ > 0) {
        open.rollbackTransaction();
        --ownTransactions_;
    }
    session_.reset();
}

Session& Connection::session() const {
    if (!session_) {
        throw objectClosedError(kSource);
    }
    return *session_;
}

std::shared_ptr<Recordset> Connection::Execute(const std::string& commandText,
                                               int32_t* recordsAffected, int32_t options) {
    Request request;
    request.type = commandTypeOf(options);
    request.text = commandText;
    request.timeoutSeconds = commandTimeout_;
    RowSet rows = session().execute(request);
    if (recordsAffected) *recordsAffected = static_cast<int32_t>(rows.recordsAffected);
    if (options != adOptionUnspecified && (options & adExecuteNoRecords)) return nullptr;
    auto recordset = std::make_shared<Recordset>();
    recordset->openRows(std::move(rows), weak_from_this().lock(), commandText);
    return recordset;
}

int32_t Connection::BeginTrans() {
    const int32_t level = session().beginTransaction();
    ++ownTransactions_;
    return level;
}

void Connection::endTransaction(bool commit) {
    if (ownTransactions_ == 0) {
        throw adoError(adErrIllegalOperation, "No transaction is active on this connection",
                       kSource);
    }
    if (commit) {
        session().commitTransaction();
    } else {
        session().rollbackTransaction();
    }
    --ownTransactions_;
}

void Connection::CommitTrans() {
    endTransaction(true);
}

void Connection::RollbackTrans() {
    endTransaction(false);
}

}  // namespace ado
