#pragma once
// The client side of an in-process library: its four exported entry points, loading it, and
// creating and calling its objects as a front-end does (registry, library file, class factory,
// object, call by name).

#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/com/interfaces.hpp"
#include "platform/com/registry.hpp"

namespace com {

// The entry points a library exports with C linkage, as the standard self-registering ones, with
// an out parameter (may be null) for the error information of a failure.
extern "C" {
using DllRegisterServerFunction = HResult(ErrorInfo* error) noexcept;
using DllUnregisterServerFunction = HResult(ErrorInfo* error) noexcept;
using DllGetClassObjectFunction = HResult(const Guid* clsid, const Guid* iid,
                                          std::shared_ptr<IUnknown>* out) noexcept;
using DllCanUnloadNowFunction = HResult() noexcept;
}

// A loaded library. It stays loaded for the rest of the process: objects it made may outlive this.
class InprocServer {
  public:
    // Error 429 naming the file when it cannot be loaded or lacks an entry point.
    explicit InprocServer(const std::filesystem::path& file);

    void registerServer() const;
    void unregisterServer() const;
    std::shared_ptr<IClassFactory> classFactory(const Guid& clsid) const;
    bool canUnloadNow() const;

  private:
    std::filesystem::path file_;
    DllRegisterServerFunction* register_ = nullptr;
    DllUnregisterServerFunction* unregister_ = nullptr;
    DllGetClassObjectFunction* getClassObject_ = nullptr;
    DllCanUnloadNowFunction* canUnloadNow_ = nullptr;
};

// A new object of the class named by its class identifier ("Kalvik_dll.Ras_Vrem"), bare class
// name or CLSID, made by the library registered for it, seen through IDispatch.
std::shared_ptr<IDispatch> createObject(const Registry& registry, std::string_view name);

// Calls method by name; the callee's failure is thrown as its oleaut::Error.
oleaut::Variant callByName(IDispatch& object, std::string_view method, Arguments args);

}  // namespace com
