#include "library/services/procedure_command.hpp"

#include <algorithm>

namespace kalvik {
namespace {

constexpr int32_t kHeavyTimeout = 1200;
constexpr int32_t kTimeout = 600;
constexpr std::string_view kHeavyProcedures[] = {"pr_Isxod_Potr", "pr_Isx_Vent_Potr",
                                                 "pr_Потребитель_K_G_gvs"};

}  // namespace

ProcedureParameter planParameter(int16_t plan) {
    return {"План", ado::adInteger, 0, plan};
}

ProcedureParameter contractParameter(const std::string& dog) {
    return {"@dog", ado::adVarChar, 10, dog};
}

ProcedureParameter consumerParameter(int32_t npotr) {
    return {"Npotr", ado::adInteger, 0, npotr};
}

int32_t procedureTimeout(std::string_view procedure) {
    const bool heavy = std::find(std::begin(kHeavyProcedures), std::end(kHeavyProcedures),
                                 procedure) != std::end(kHeavyProcedures);
    return heavy ? kHeavyTimeout : kTimeout;
}

ProcedureCommand::ProcedureCommand(const std::string& connString, const std::string& procedure,
                                   const std::vector<ProcedureParameter>& parameters)
    : connection_(std::make_shared<ado::Connection>()), command_(std::make_shared<ado::Command>()) {
    connection_->ConnectionString(connString);
    connection_->Open();
    command_->ActiveConnection(connection_);
    command_->CommandText(procedure);
    command_->CommandType(ado::adCmdStoredProc);
    command_->CommandTimeout(procedureTimeout(procedure));
    for (const ProcedureParameter& p : parameters) {
        command_->Parameters().Append(
            command_->CreateParameter(p.name, p.type, ado::adParamInput, p.size, p.value));
    }
}

void ProcedureCommand::setParameter(const ProcedureParameter& parameter) {
    command_->Parameters().Item(parameter.name)->Value(parameter.value);
}

void ProcedureCommand::setProcedure(const std::string& procedure) {
    command_->CommandText(procedure);
}

void ProcedureCommand::executeNoRecords() {
    command_->Execute(nullptr, ado::adExecuteNoRecords);
}

ProcedureCommand::~ProcedureCommand() {
    try {
        close();
    } catch (...) {
        // Leaving after an error: the connection closes with its last reference.
    }
}

void ProcedureCommand::close() {
    command_.reset();
    if (connection_ && connection_->State() == ado::adStateOpen) connection_->Close();
    connection_.reset();
}

}  // namespace kalvik
