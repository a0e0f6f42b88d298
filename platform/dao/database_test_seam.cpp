#include "platform/dao/database_test_seam.hpp"

namespace dao {

oleaut::RecordedTexts& executedTexts() {
    static oleaut::RecordedTexts texts;
    return texts;
}

}  // namespace dao
