#include "library/consumption/loss_mode.hpp"

#include <string>

namespace kalvik::consumption {

int16_t lossMode(const oleaut::Variant& value, std::string_view column) {
    const std::string context = "column " + std::string(column);
    if (value.isNull())
        throw oleaut::invalidUseOfNullError().withContext(context + ": the loss mode is Null");
    try {
        for (int16_t mode = 0; mode <= 3; ++mode)
            if (oleaut::isTrue(oleaut::eq(value, mode))) return mode;
    } catch (const oleaut::Error& e) {
        throw e.withContext(context);
    }
    throw oleaut::invalidProcedureCallError().withContext(context + ": " + oleaut::CStr(value) +
                                                          " is not a loss mode (0, 1, 2 or 3)");
}

}  // namespace kalvik::consumption
