#pragma once
// The error number a call fails with, 0 when it does not fail.

#include <cstdint>

#include "platform/oleaut/error.hpp"

namespace kalvik::test {

template <class Call>
int32_t errorNumberOf(Call&& call) {
    try {
        call();
    } catch (const oleaut::Error& e) {
        return e.number();
    }
    return 0;
}

}  // namespace kalvik::test
