#include "platform/com/guid.hpp"

namespace com {

std::string Guid::toString() const {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "{";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    text += '}';
    return text;
}

}  // namespace com
