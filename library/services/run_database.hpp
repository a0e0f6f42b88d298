#pragma once
// The database a calculation run works on: its connection string and the `Open_RST` object,
// created on first use and kept for the run, through which the run opens its recordsets and
// writes its journal lines. From that first use on, a connection of the run's own keeps the
// database open to the run's end, so that every connection the run opens by the string, its
// result tables opened afresh every 500 rows included, goes to the one handle on the file the run
// started on, and the file stays in use, never replaced, while the run works on it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "library/com/iopen_rst.hpp"
#include "library/com/service.hpp"
#include "library/services/bound_recordset.hpp"
#include "library/services/procedure_command.hpp"
#include "platform/ado/connection.hpp"

namespace kalvik {

class RunDatabase {
  public:
    explicit RunDatabase(std::string connString) : connString_(std::move(connString)) {}

    [[nodiscard]] const std::string& connString() const noexcept { return connString_; }
    [[nodiscard]] IOpen_RST& openRst();

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
    std::shared_ptr<ado::Connection> held_;
};

}  // namespace kalvik
