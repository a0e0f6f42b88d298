#include "platform/dao/engine_test_seam.hpp"

#include <utility>

namespace dao {
namespace {

TransactionListener& listener() {
    static TransactionListener installed;
    return installed;
}

}  // namespace

TransactionListener setTransactionListener(TransactionListener replacement) {
    return std::exchange(listener(), std::move(replacement));
}

void tellTransactionListener(TransactionCall call) {
    if (listener()) listener()(call);
}

}  // namespace dao
