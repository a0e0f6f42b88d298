#pragma once
// The database a calculation run works on: its connection string and the `Open_RST` object,
// created on first use and kept for the run, through which the run opens its recordsets and
// writes its journal lines.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "library/com/iopen_rst.hpp"
#include "library/com/service.hpp"
#include "library/services/bound_recordset.hpp"
#include "library/services/procedure_command.hpp"

namespace kalvik {

class RunDatabase {
  public:
    explicit RunDatabase(std::string connString) : connString_(std::move(connString)) {}

    [[nodiscard]] const std::string& connString() const noexcept { return connString_; }
    [[nodiscard]] IOpen_RST& openRst() { return openRst_.get(); }

    // One line of the run's journal, with the empty text as the workstation.
    void journal(const std::string& line);

    // The rows of a stored procedure opened by its name, disconnected; gives their count. An
    // error names the procedure.
    template <class Row>
    [[nodiscard]] int32_t openProcedure(BoundRecordset<Row>& rows, std::string_view procedure) {
        int32_t count = 0;
        forProcedure(procedure, [&] {
            openRst().Open_RST_otkl_proc(rows.object(), connString_, std::string(procedure), count);
        });
        return count;
    }

    // The rows of a stored procedure run through a command of its own (the procedure's timeout
    // and parameters), disconnected; the command's connection is closed once they are read.
    // Gives their count. An error names the procedure.
    template <class Row>
    [[nodiscard]] int32_t openThroughCommand(BoundRecordset<Row>& rows, std::string_view procedure,
                                             const std::vector<ProcedureParameter>& parameters) {
        int32_t count = 0;
        forProcedure(procedure, [&] {
            ProcedureCommand command(connString_, std::string(procedure), parameters);
            openRst().Open_RST_otkl_Proc_Prm(command.command(), rows.object(), connString_, count);
            command.close();
        });
        return count;
    }

  private:
    std::string connString_;
    Service<IOpen_RST> openRst_;
};

}  // namespace kalvik
