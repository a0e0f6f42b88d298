#include "library/com/class_factory.hpp"

#include "library/com/classes.hpp"
#include "platform/com/module_count.hpp"

namespace kalvik {
namespace {

class ClassFactory final : public com::IClassFactory,
                           public std::enable_shared_from_this<ClassFactory> {
  public:
    explicit ClassFactory(const ClassInfo& info) : info_(info) {}

    com::HResult QueryInterface(const com::Guid& iid,
                                std::shared_ptr<com::IUnknown>& out) noexcept override {
        if (iid != com::kIidIUnknown && iid != com::kIidIClassFactory) {
            out.reset();
            return com::kNoInterface;
        }
        out = shared_from_this();
        return com::kOk;
    }

    com::HResult CreateInstance(const com::Guid& iid,
                                std::shared_ptr<com::IUnknown>& out) noexcept override {
        out.reset();
        std::shared_ptr<com::IUnknown> object;
        com::ErrorInfo error;
        const com::HResult hr = com::guarded(error, [&] { object = info_.create(); });
        if (com::failed(hr)) return hr;
        return object->QueryInterface(iid, out);
    }

    com::HResult LockServer(bool lock) noexcept override {
        com::lockServer(lock);
        return com::kOk;
    }

  private:
    const ClassInfo& info_;
};

}  // namespace

com::HResult getClassObject(const com::Guid& clsid, const com::Guid& iid,
                            std::shared_ptr<com::IUnknown>& out) noexcept {
    out.reset();
    const ClassInfo* info = findClass(clsid);
    if (!info) return com::kClassNotAvailable;
    std::shared_ptr<com::IUnknown> factory;
    com::ErrorInfo error;
    const com::HResult hr =
        com::guarded(error, [&] { factory = std::make_shared<ClassFactory>(*info); });
    if (com::failed(hr)) return hr;
    return factory->QueryInterface(iid, out);
}

}  // namespace kalvik
