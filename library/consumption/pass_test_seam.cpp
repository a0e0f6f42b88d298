#include "library/consumption/pass_test_seam.hpp"

#include <utility>

namespace kalvik::consumption {
namespace {

PassListener& listener() {
    static PassListener installed;
    return installed;
}

}  // namespace

PassListener setPassListener(PassListener replacement) {
    return std::exchange(listener(), std::move(replacement));
}

void tellPassListener(int32_t npotr, const ConsumerContext& c) {
    if (listener()) listener()(npotr, c);
}

}  // namespace kalvik::consumption
