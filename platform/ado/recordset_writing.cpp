// Writing rows back through the connection: a row at Update or Delete, the pending changes at
// UpdateBatch, and the values the database gave them read back into the rows.

#include "platform/ado/recordset.hpp"

#include <algorithm>

#include "platform/ado/data_types.hpp"
#include "platform/ado/errors.hpp"

namespace ado {

void Recordset::UpdateBatch(AffectEnum affect) {
    requireOpen();
    finishEdit();
    writingConnection();
    std::vector<size_t> rows;
    if (affect == adAffectCurrent) {
        rows.push_back(currentRow());
    } else {
        rows = rows_.pendingRows();
        if (affect == adAffectGroup) {
            std::erase_if(rows, [this](size_t row) {
                const auto& shown = cursor_.rows();
                return std::find(shown.begin(), shown.end(), row) == shown.end();
            });
        }
    }
    std::erase_if(rows, [this](size_t row) { return !rows_.pending(row); });
    if (rows.empty()) return;
    // All of the batch or none of it: a conflict leaves the database and the pending changes as
    // they were, so that nothing is half sent.
    Session& session = connection_->session();
    session.beginTransaction();
    std::vector<RowWriter::Completion> completions;
    try {
        const RowWriter::Target target = writeTarget();
        for (size_t row : rows)
            completions.push_back(writer_.send(target, row));
        session.commitTransaction();
    } catch (...) {
        session.rollbackTransaction();
        throw;
    }
    if (std::shared_ptr<Recordset> origin = openOrigin()) {
        for (const RowWriter::Completion& completion : completions)
            origin->complete(completion);
        origin->forgetIndexes();
    }
    for (RowWriter::Completion& completion : completions)
        complete(std::move(completion));
}

std::shared_ptr<Recordset> Recordset::openOrigin() const {
    std::shared_ptr<Recordset> origin = origin_.lock();
    if (!origin || !origin->open_ || origin->generation_ != originGeneration_) return nullptr;
    return origin;
}

Connection& Recordset::writingConnection() const {
    if (!connection_) {
        throw adoError(adErrInvalidConnection,
                       "The connection cannot be used to perform this operation: " + sourceName() +
                           " is not connected; set ActiveConnection first",
                       kRecordsetSource);
    }
    return *connection_;
}

RowWriter::Target Recordset::writeTarget() {
    Connection& connection = writingConnection();
    return {rows_, connection.session(), connection.CommandTimeout(), sourceText_};
}

void Recordset::complete(RowWriter::Completion completion) {
    for (auto& [column, value] : completion.stored) {
        rows_.store(completion.row, column, coerce(value, rows_.columns()[column].type));
    }
    rows_.accept(completion.row);
}

}  // namespace ado
