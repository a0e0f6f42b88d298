#pragma once
// An object of one of the library's classes as clients see it: the class's own implementation
// (Impl, which implements the typed interface) together with the object interfaces and calls by
// name through the interface's dispatch table, counted as a live object of the library while it
// exists.

#include <memory>
#include <string>

#include "library/com/dispatch_table.hpp"
#include "library/com/type_library.hpp"
#include "platform/com/interfaces.hpp"
#include "platform/com/module_count.hpp"

namespace kalvik {

// Error 438 for a dispatch identifier the object does not have.
[[noreturn]] void memberNotFound(std::string_view className, int32_t dispid);

template <class Interface, class Impl>
class ComObject : public Impl,
                  public com::IDispatch,
                  public std::enable_shared_from_this<ComObject<Interface, Impl>> {
  public:
    // IUnknown, IDispatch and the class's interface (and its alias, where it has one) are all
    // answered by the same object.
    static bool answers(const com::Guid& iid) noexcept {
        if constexpr (requires { Interface::kIidAlias; }) {
            if (iid == Interface::kIidAlias) return true;
        }
        return iid == com::kIidIUnknown || iid == com::kIidIDispatch || iid == Interface::kIid;
    }

    com::HResult QueryInterface(const com::Guid& iid,
                                std::shared_ptr<com::IUnknown>& out) noexcept override {
        if (!answers(iid)) {
            out.reset();
            return com::kNoInterface;
        }
        out = std::static_pointer_cast<com::IDispatch>(this->shared_from_this());
        return com::kOk;
    }

    com::HResult GetIDsOfNames(std::string_view name, int32_t& dispid) noexcept override {
        com::ErrorInfo error;
        std::optional<int32_t> found;
        const com::HResult hr =
            com::guarded(error, [&] { found = dispatchTable<Interface>().dispidOf(name); });
        if (com::failed(hr)) return hr;
        if (!found) return com::kUnknownName;
        dispid = *found;
        return com::kOk;
    }

    com::HResult Invoke(int32_t dispid, com::Arguments args, oleaut::Variant& result,
                        com::ErrorInfo& error) noexcept override {
        const com::HResult hr = com::guarded(error, [&] {
            const DispatchMethod<Interface>* method = dispatchTable<Interface>().method(dispid);
            if (!method) memberNotFound(Interface::kClassName, dispid);
            const std::string label =
                std::string(Interface::kClassName) + "." + std::string(method->name);
            result = method->call(*this, label, args);
        });
        if (com::failed(hr)) {
            result = oleaut::Variant();
            if (error.source.empty()) error.source = classIdentifier(Interface::kClassName);
        }
        return hr;
    }

  private:
    com::LiveObject live_;
};

}  // namespace kalvik
