#pragma once
// ADO Connection: a session with a data source, opened from a connection string.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ado/constants.hpp"
#include "platform/ado/provider.hpp"
#include "platform/oleaut/variant.hpp"

namespace ado {

class Recordset;

class Connection : public oleaut::Object, public std::enable_shared_from_this<Connection> {
  public:
    static constexpr int32_t kDefaultCommandTimeout = 30;

    Connection() = default;
    ~Connection() override;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& ConnectionString() const noexcept { return connectionString_; }
    void ConnectionString(const std::string& value);  // fails while open
    int32_t CommandTimeout() const noexcept { return commandTimeout_; }
    void CommandTimeout(int32_t seconds);  // 0: no limit
    ObjectStateEnum State() const noexcept { return session_ ? adStateOpen : adStateClosed; }

    // Arguments left empty use the properties; a User ID given here stands for the string's.
    void Open(const std::string& connectionString = {}, const std::string& userId = {},
              const std::string& password = {}, int32_t options = adOptionUnspecified);
    // Rolls back the transactions begun through this connection and still open.
    void Close();

    // Runs SQL text ("exec NAME" runs a procedure), a table or a procedure name as options say.
    // Returns the rows as a read-only recordset: closed when nothing returned rows, null with
    // adExecuteNoRecords.
    std::shared_ptr<Recordset> Execute(const std::string& commandText,
                                       int32_t* recordsAffected = nullptr,
                                       int32_t options = adOptionUnspecified);

    int32_t BeginTrans();  // the new nesting level
    void CommitTrans();
    void RollbackTrans();

    // The open session, for the layer's own objects; fails when the connection is closed.
    Session& session() const;

  private:
    // Ends the innermost transaction begun through this connection.
    void endTransaction(bool commit);

    std::string connectionString_;
    int32_t commandTimeout_ = kDefaultCommandTimeout;
    std::unique_ptr<Session> session_;
    int32_t ownTransactions_ = 0;
};

// The command type an Open or Execute options value names; adCmdUnknown when it names none.
CommandTypeEnum commandTypeOf(int32_t options) noexcept;

}  // namespace ado
