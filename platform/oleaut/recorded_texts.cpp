#include "platform/oleaut/recorded_texts.hpp"

namespace oleaut {

void RecordedTexts::record(const std::string& text) {
    std::lock_guard lock(mutex_);
    if (keepers_ > 0) texts_.push_back(text);
}

void RecordedTexts::keep() {
    std::lock_guard lock(mutex_);
    if (keepers_++ == 0) texts_.clear();
}

void RecordedTexts::release() {
    std::lock_guard lock(mutex_);
    --keepers_;
}

std::vector<std::string> RecordedTexts::texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
}

}  // namespace oleaut
