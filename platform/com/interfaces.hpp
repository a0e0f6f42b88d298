#pragma once
// The object interfaces every client and class shares: IUnknown (interface query), IDispatch (calls
// by name and dispatch identifier with variant arguments) and IClassFactory. Every operation is
// noexcept and reports failure as a status; objects are owned through std::shared_ptr, which is
// the reference count.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/com/guid.hpp"
#include "platform/com/status.hpp"
#include "platform/oleaut/variant.hpp"

namespace com {

inline constexpr Guid kIidIUnknown = Guid::parse("{00000000-0000-0000-C000-000000000046}");
inline constexpr Guid kIidIClassFactory = Guid::parse("{00000001-0000-0000-C000-000000000046}");
inline constexpr Guid kIidIDispatch = Guid::parse("{00020400-0000-0000-C000-000000000046}");

// A variant holds any object through oleaut::Object, so every interface derives from it.
class IUnknown : public oleaut::Object {
  public:
    // This object seen through interface iid, or kNoInterface (out left empty).
    virtual HResult QueryInterface(const Guid& iid, std::shared_ptr<IUnknown>& out) noexcept = 0;
};

// Positional arguments of a call: each is the caller's own variable. An in argument is read as a
// copy; an in/out argument may be changed, and the caller sees the change.
using Arguments = std::span<oleaut::Variant* const>;

class IDispatch : public IUnknown {
  public:
    // Name to dispatch identifier, case-insensitive; kUnknownName when there is none.
    virtual HResult GetIDsOfNames(std::string_view name, int32_t& dispid) noexcept = 0;
    // Calls the method dispid; its value goes to result. A failure fills error.
    virtual HResult Invoke(int32_t dispid, Arguments args, oleaut::Variant& result,
                           ErrorInfo& error) noexcept = 0;
};

class IClassFactory : public IUnknown {
  public:
    // A new object of the factory's class, seen through interface iid.
    virtual HResult CreateInstance(const Guid& iid, std::shared_ptr<IUnknown>& out) noexcept = 0;
    // Keeps the library loaded (lock) or lets it go (unlock).
    virtual HResult LockServer(bool lock) noexcept = 0;
};

// The interface iid of an object that answered a query for iid.
template <class Interface>
std::shared_ptr<Interface> interfaceCast(std::shared_ptr<IUnknown> object) noexcept {
    return std::static_pointer_cast<Interface>(std::move(object));
}

}  // namespace com
