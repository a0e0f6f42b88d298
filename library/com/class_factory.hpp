#pragma once
// The class factories of the ten classes: how a client (and a class of the library needing another)
// gets a new object.

#include <memory>

#include "platform/com/interfaces.hpp"

namespace kalvik {

// The class factory of class clsid seen through interface iid (IUnknown or IClassFactory);
// kClassNotAvailable for a class this library does not have.
com::HResult getClassObject(const com::Guid& clsid, const com::Guid& iid,
                            std::shared_ptr<com::IUnknown>& out) noexcept;

}  // namespace kalvik
