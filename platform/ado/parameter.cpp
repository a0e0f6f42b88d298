#include "platform/ado/parameter.hpp"

#include "platform/ado/connection_string.hpp"
#include "platform/ado/data_types.hpp"
#include "platform/ado/errors.hpp"
#include "platform/oleaut/text.hpp"

namespace ado {
namespace {

constexpr const char* kSource = "ADODB.Parameter";

bool hasLimitedLength(DataTypeEnum type) {
    return type == adVarChar || type == adVarWChar || type == adChar || type == adWChar;
}

}  // namespace

Parameter::Parameter(std::string name, DataTypeEnum type, ParameterDirectionEnum direction,
                     int32_t size, oleaut::Variant value)
    : name_(std::move(name)), type_(type), direction_(direction), value_(std::move(value)) {
    Size(size);
}

void Parameter::Size(int32_t size) {
    if (size < 0) {
        throw adoError(adErrInvalidArgument,
                       "parameter " + inQuotes(name_) + ": Size cannot be negative", kSource);
    }
    size_ = size;
}

Binding Parameter::binding() const {
    if (direction_ != adParamInput) {
        throw adoError(adErrFeatureNotAvailable,
                       "parameter " + inQuotes(name_) + ": only input parameters are supported",
                       kSource);
    }
    oleaut::Variant value = coerce(value_, type_);
    if (hasLimitedLength(type_) && value.isString() && oleaut::Len(value.asString()) > size_) {
        throw adoError(adErrInvalidParamInfo,
                       "parameter " + inQuotes(name_) + ": the value " +
                           inQuotes(value.asString()) + " is longer than its Size of " +
                           std::to_string(size_) + " characters",
                       kSource);
    }
    return Binding{name_, std::move(value)};
}

void Parameters::Append(std::shared_ptr<Parameter> parameter) {
    if (!parameter) {
        throw adoError(adErrInvalidArgument, "Parameters.Append needs a Parameter object", kSource);
    }
    items_.push_back(std::move(parameter));
}

const std::shared_ptr<Parameter>& Parameters::Item(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= items_.size()) {
        throw adoError(adErrItemNotFound,
                       "Item cannot be found in the collection corresponding to the requested "
                       "name or ordinal: there is no parameter " +
                           std::to_string(index),
                       kSource);
    }
    return items_[static_cast<size_t>(index)];
}

const std::shared_ptr<Parameter>& Parameters::Item(std::string_view name) const {
    for (const auto& item : items_) {
        if (equalsIgnoringAsciiCase(item->Name(), name)) return item;
    }
    throw adoError(adErrItemNotFound,
                   "Item cannot be found in the collection corresponding to the requested name "
                   "or ordinal: there is no parameter " +
                       inQuotes(std::string(name)),
                   kSource);
}

void Parameters::Delete(int32_t index) {
    Item(index);
    items_.erase(items_.begin() + index);
}

std::vector<Binding> Parameters::bindings() const {
    std::vector<Binding> result;
    result.reserve(items_.size());
    for (const auto& item : items_)
        result.push_back(item->binding());
    return result;
}

}  // namespace ado
