// The four entry points libkalvik.so exports. Everything else of the library is hidden.

#include <dlfcn.h>

#include <filesystem>
#include <type_traits>

#include "library/com/class_factory.hpp"
#include "library/com/registration.hpp"
#include "platform/com/inproc_server.hpp"
#include "platform/com/module_count.hpp"

#define KALVIK_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// The file this code was loaded from.
std::filesystem::path thisLibraryFile() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&thisLibraryFile), &info) || !info.dli_fname)
        throw oleaut::Error(com::kInternalError, "cannot tell the library's own file");
    return std::filesystem::weakly_canonical(info.dli_fname);
}

template <class Change>
com::HResult changeRegistry(com::ErrorInfo* error, Change change) noexcept {
    com::ErrorInfo info;
    const com::HResult hr = com::guarded(info, [&] {
        const std::filesystem::path file = com::registryPath();
        com::Registry registry = com::Registry::load(file);
        change(registry);
        registry.save(file);
    });
    if (error) *error = std::move(info);
    return hr;
}

}  // namespace

KALVIK_EXPORT com::HResult DllRegisterServer(com::ErrorInfo* error) noexcept {
    return changeRegistry(error, [](com::Registry& registry) {
        kalvik::registerClasses(registry, thisLibraryFile());
    });
}

KALVIK_EXPORT com::HResult DllUnregisterServer(com::ErrorInfo* error) noexcept {
    return changeRegistry(error,
                          [](com::Registry& registry) { kalvik::unregisterClasses(registry); });
}

KALVIK_EXPORT com::HResult DllGetClassObject(const com::Guid* clsid, const com::Guid* iid,
                                             std::shared_ptr<com::IUnknown>* out) noexcept {
    if (!clsid || !iid || !out) return com::kFail;
    return kalvik::getClassObject(*clsid, *iid, *out);
}

KALVIK_EXPORT com::HResult DllCanUnloadNow() noexcept {
    return com::canUnloadNow() ? com::kOk : com::kFalse;
}

// The entry points have the types clients call them through.
static_assert(std::is_same_v<decltype(DllRegisterServer), com::DllRegisterServerFunction>);
static_assert(std::is_same_v<decltype(DllUnregisterServer), com::DllUnregisterServerFunction>);
static_assert(std::is_same_v<decltype(DllGetClassObject), com::DllGetClassObjectFunction>);
static_assert(std::is_same_v<decltype(DllCanUnloadNow), com::DllCanUnloadNowFunction>);
