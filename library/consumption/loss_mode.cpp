#include "library/consumption/loss_mode.hpp"

#include <string>

#include "library/services/row_fields.hpp"

namespace kalvik::consumption {

namespace {

std::string valueText(const oleaut::Variant& value) {
    return value.isNull() ? std::string("Null") : oleaut::CStr(value);
}

}  // namespace

std::optional<int16_t> knownMode(const oleaut::Variant& value, std::string_view column) {
    if (value.isNull()) return std::nullopt;
    try {
        for (int16_t mode = 0; mode <= 3; ++mode)
            if (oleaut::isTrue(oleaut::eq(value, mode))) return mode;
    } catch (const oleaut::Error& e) {
        throw e.withContext("column " + std::string(column));
    }
    return std::nullopt;
}

int16_t lossMode(const oleaut::Variant& value, std::string_view column) {
    const std::string context = "column " + std::string(column);
    if (value.isNull())
        throw oleaut::invalidUseOfNullError().withContext(context + ": the loss mode is Null");
    if (const std::optional<int16_t> mode = knownMode(value, column)) return *mode;
    throw oleaut::invalidProcedureCallError().withContext(context + ": " + oleaut::CStr(value) +
                                                          " is not a loss mode (0, 1, 2 or 3)");
}

std::optional<int16_t> modeOf(const RevisionTraits& traits, const oleaut::Variant& value,
                              std::string_view column) {
    if (traits.unknownModeFailsAtOnce) return lossMode(value, column);
    return knownMode(value, column);
}

double numberAfterMode(const oleaut::Variant& written, std::string_view column,
                       std::optional<int16_t> mode, std::string_view modeColumn,
                       const oleaut::Variant& modeValue) {
    if (mode) return number(written, column);
    try {
        return number(written, column);
    } catch (const oleaut::Error& e) {
        throw e.withContext(std::string(modeColumn) + " " + valueText(modeValue) +
                            " is not a mode (0, 1, 2 or 3) and left it unwritten");
    }
}

}  // namespace kalvik::consumption
