#pragma once
// An object of one of the library's classes as clients see it: the class's own implementation
// (Impl, which implements the typed interface) together with the object interfaces, counted as a
// live object of the library while it exists.

#include <memory>

#include "platform/com/interfaces.hpp"
#include "platform/com/module_count.hpp"

namespace kalvik {

template <class Interface, class Impl>
class ComObject : public Impl,
                  public com::IUnknown,
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
        out = this->shared_from_this();
        return com::kOk;
    }

  private:
    com::LiveObject live_;
};

}  // namespace kalvik
