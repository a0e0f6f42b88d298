#include "library/services/row_progress.hpp"

#include "platform/ui/messages.hpp"

namespace kalvik {

RowProgress::RowProgress(int32_t rowCount) : rowCount_(rowCount) {
    window_.Show();
    window_.ProgressBar1.setMin(0);
    window_.ProgressBar1.setMax(static_cast<float>(rowCount));
    window_.ProgressBar1.setValue(0);
}

void RowProgress::beginRow(const std::string& name) {
    ++row_;
    window_.lblName.setCaption(name);
    window_.lblCounter.setCaption(std::to_string(row_) + "/" + std::to_string(rowCount_));
    ui::processPendingMessages();
}

void RowProgress::endRow() {
    ui::processPendingMessages();
    window_.ProgressBar1.setValue(window_.ProgressBar1.Value() + 1);
}

void RowProgress::finish() {
    window_.Unload();
}

}  // namespace kalvik
