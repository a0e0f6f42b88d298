#pragma once
// How a class of the library uses another: through the same class factory and interface a
// front-end uses. A calculation declares a Service<I> variable local to the call; the object is
// created on its first use and released when the variable goes out of scope:
//
//     Service<IFiz_par> fizPar;
//     const float enthalpy = fizPar->Iv(pressure, temperature);

#include <memory>
#include <string_view>

#include "library/com/class_factory.hpp"

namespace kalvik {

// Throws error 429 "ActiveX component can't create object: CLASS" with the factory's status.
[[noreturn]] void cannotCreate(std::string_view className, com::HResult hr);

// A new object of the class of interface I, made by its class factory and seen through I.
template <class I>
std::shared_ptr<I> createObject() {
    std::shared_ptr<com::IUnknown> factory;
    com::HResult hr = getClassObject(I::kClsid, com::kIidIClassFactory, factory);
    if (com::failed(hr)) cannotCreate(I::kClassName, hr);
    std::shared_ptr<com::IUnknown> object;
    hr = com::interfaceCast<com::IClassFactory>(factory)->CreateInstance(I::kIid, object);
    if (com::failed(hr)) cannotCreate(I::kClassName, hr);
    std::shared_ptr<I> typed = std::dynamic_pointer_cast<I>(object);
    if (!typed) cannotCreate(I::kClassName, com::kNoInterface);
    return typed;
}

// A variable of class I that creates its object on first use (and again after release()).
template <class I>
class Service {
  public:
    I* operator->() { return &get(); }
    I& get() {
        if (!object_) object_ = createObject<I>();
        return *object_;
    }
    void release() noexcept { object_.reset(); }
    bool created() const noexcept { return object_ != nullptr; }

  private:
    std::shared_ptr<I> object_;
};

}  // namespace kalvik
