#pragma once
// The stored-procedure command of the calculations: a connection opened from ConnString_Fin with
// ADO's defaults, a command of type stored procedure on it with the procedure's timeout (1200
// seconds for the heavy source procedures, 600 for every other one) and its input parameters.
// Hand command() to Open_RST_otkl_Proc_Prm or Open_RST_Proc_Prm; close() releases the parameters
// and the command and closes the connection (the destructor does it when not done).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/command.hpp"

namespace kalvik {

struct ProcedureParameter {
    std::string name;
    ado::DataTypeEnum type;
    int32_t size;
    oleaut::Variant value;
};

// "План" (adInteger), "@dog" (adVarChar of 10), "Npotr" (adInteger).
[[nodiscard]] ProcedureParameter planParameter(int16_t plan);
[[nodiscard]] ProcedureParameter contractParameter(const std::string& dog);
[[nodiscard]] ProcedureParameter consumerParameter(int32_t npotr);

// 1200 seconds for pr_Isxod_Potr, pr_Isx_Vent_Potr and pr_Потребитель_K_G_gvs, 600 for others.
[[nodiscard]] int32_t procedureTimeout(std::string_view procedure);

// Runs step; an error it raises names the procedure or table ("procedure pr_Isxod_Potr: ...").
template <class F>
void forProcedure(std::string_view procedure, F step) {
    try {
        step();
    } catch (const oleaut::Error& e) {
        throw e.withContext("procedure " + std::string(procedure));
    }
}

class ProcedureCommand {
  public:
    ProcedureCommand(const std::string& connString, const std::string& procedure,
                     const std::vector<ProcedureParameter>& parameters = {});
    ~ProcedureCommand();
    ProcedureCommand(const ProcedureCommand&) = delete;
    ProcedureCommand& operator=(const ProcedureCommand&) = delete;

    // The command as the cmd argument of Open_RST.
    oleaut::ObjectRef command() const { return command_; }
    // A new value of one of its parameters (found by name), for the next execution.
    void setParameter(const ProcedureParameter& parameter);
    // Another procedure for the next execution, on the same connection with the same type,
    // timeout and parameters; rows already opened from the command keep their connection.
    void setProcedure(const std::string& procedure);
    // Runs the procedure as an action, returning no rows.
    void executeNoRecords();
    void close();

  private:
    std::shared_ptr<ado::Connection> connection_;
    std::shared_ptr<ado::Command> command_;
};

}  // namespace kalvik
