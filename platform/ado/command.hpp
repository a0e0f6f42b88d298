#pragma once
// ADO Command: a statement, table or procedure with parameters, run on a connection.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ado/connection.hpp"
#include "platform/ado/parameter.hpp"

namespace ado {

class Command : public oleaut::Object {
  public:
    const std::shared_ptr<Connection>& ActiveConnection() const noexcept { return connection_; }
    void ActiveConnection(std::shared_ptr<Connection> connection) {
        connection_ = std::move(connection);
    }
    // A connection string opens a connection of the command's own.
    void ActiveConnection(const std::string& connectionString);

    const std::string& CommandText() const noexcept { return text_; }
    void CommandText(std::string text) { text_ = std::move(text); }
    CommandTypeEnum CommandType() const noexcept { return type_; }
    void CommandType(CommandTypeEnum type) { type_ = type; }
    int32_t CommandTimeout() const noexcept { return timeout_; }
    void CommandTimeout(int32_t seconds);

    ado::Parameters& Parameters() noexcept { return parameters_; }
    const ado::Parameters& Parameters() const noexcept { return parameters_; }
    std::shared_ptr<Parameter> CreateParameter(std::string name = {}, DataTypeEnum type = adEmpty,
                                               ParameterDirectionEnum direction = adParamInput,
                                               int32_t size = 0, oleaut::Variant value = {});

    // Runs the command: a read-only recordset of its rows, null with adExecuteNoRecords.
    std::shared_ptr<Recordset> Execute(int32_t* recordsAffected = nullptr,
                                       int32_t options = adOptionUnspecified);

    // What running the command asks of its connection's session, as it stands now.
    Request request() const;
    // The open connection; fails when there is none.
    Connection& openConnection() const;

  private:
    std::shared_ptr<Connection> connection_;
    std::string text_;
    CommandTypeEnum type_ = adCmdUnknown;
    int32_t timeout_ = Connection::kDefaultCommandTimeout;
    ado::Parameters parameters_;
};

}  // namespace ado
