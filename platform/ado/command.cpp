#include "platform/ado/command.hpp"

#include "platform/ado/errors.hpp"
#include "platform/ado/recordset.hpp"

namespace ado {
namespace {

constexpr const char* kSource = "ADODB.Command";

}  // namespace

void Command::ActiveConnection(const std::string& connectionString) {
    auto own = std::make_shared<Connection>();
    own->Open(connectionString);
    connection_ = std::move(own);
}

void Command::CommandTimeout(int32_t seconds) {
    if (seconds < 0) {
        throw adoError(adErrInvalidArgument, "CommandTimeout cannot be negative", kSource);
    }
    timeout_ = seconds;
}

std::shared_ptr<Parameter> Command::CreateParameter(std::string name, DataTypeEnum type,
                                                    ParameterDirectionEnum direction, int32_t size,
                                                    oleaut::Variant value) {
    return std::make_shared<Parameter>(std::move(name), type, direction, size, std::move(value));
}

Connection& Command::openConnection() const {
    if (!connection_ || connection_->State() != adStateOpen) {
        throw adoError(adErrInvalidConnection,
                       "The connection cannot be used to perform this operation: command " +
                           inQuotes(text_) + " has no open ActiveConnection",
                       kSource);
    }
    return *connection_;
}

Request Command::request() const {
    if (text_.empty()) {
        throw adoError(adErrInvalidArgument, "the command has no CommandText", kSource);
    }
    Request request;
    request.type = type_;
    request.text = text_;
    request.bindings = parameters_.bindings();
    request.timeoutSeconds = timeout_;
    return request;
}

std::shared_ptr<Recordset> Command::Execute(int32_t* recordsAffected, int32_t options) {
    Connection& connection = openConnection();
    RowSet rows = connection.session().execute(request());
    if (recordsAffected) *recordsAffected = static_cast<int32_t>(rows.recordsAffected);
    if (options != adOptionUnspecified && (options & adExecuteNoRecords)) return nullptr;
    auto recordset = std::make_shared<Recordset>();
    recordset->openRows(std::move(rows), connection_, text_);
    return recordset;
}

}  // namespace ado
