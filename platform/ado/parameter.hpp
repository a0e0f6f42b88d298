#pragma once
// ADO Parameter and the Parameters collection of a command.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/constants.hpp"
#include "platform/ado/provider.hpp"
#include "platform/oleaut/variant.hpp"

namespace ado {

class Parameter : public oleaut::Object {
  public:
    Parameter() = default;
    Parameter(std::string name, DataTypeEnum type, ParameterDirectionEnum direction, int32_t size,
              oleaut::Variant value);

    const std::string& Name() const noexcept { return name_; }
    void Name(std::string name) { name_ = std::move(name); }
    DataTypeEnum Type() const noexcept { return type_; }
    void Type(DataTypeEnum type) { type_ = type; }
    ParameterDirectionEnum Direction() const noexcept { return direction_; }
    void Direction(ParameterDirectionEnum direction) { direction_ = direction; }
    int32_t Size() const noexcept { return size_; }
    void Size(int32_t size);
    const oleaut::Variant& Value() const noexcept { return value_; }
    void Value(oleaut::Variant value) { value_ = std::move(value); }

    // The value to send, of the parameter's type; a text longer than Size, or a direction other
    // than input, fails naming the parameter.
    Binding binding() const;

  private:
    std::string name_;
    DataTypeEnum type_ = adEmpty;
    ParameterDirectionEnum direction_ = adParamInput;
    int32_t size_ = 0;
    oleaut::Variant value_;
};

class Parameters {
  public:
    void Append(std::shared_ptr<Parameter> parameter);
    int32_t Count() const noexcept { return static_cast<int32_t>(items_.size()); }
    const std::shared_ptr<Parameter>& Item(int32_t index) const;
    const std::shared_ptr<Parameter>& Item(std::string_view name) const;
    void Delete(int32_t index);

    std::vector<Binding> bindings() const;

  private:
    std::vector<std::shared_ptr<Parameter>> items_;
};

}  // namespace ado
