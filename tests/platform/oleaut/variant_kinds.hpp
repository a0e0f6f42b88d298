#pragma once
// Short makers of a variant of each numeric kind, for the value tables of the tests.

#include <cstdint>

#include "platform/oleaut/variant.hpp"

namespace oleaut::kinds {

inline Variant I(int v) {
    return Variant(static_cast<int16_t>(v));
}
inline Variant L(int32_t v) {
    return Variant(v);
}
inline Variant S(float v) {
    return Variant(v);
}
inline Variant D(double v) {
    return Variant(v);
}
inline Variant C(int64_t raw) {
    return Variant(Currency{raw});
}
inline Variant T(double serial) {
    return Variant(Date{serial});
}

}  // namespace oleaut::kinds
