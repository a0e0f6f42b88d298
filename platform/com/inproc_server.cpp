#include "platform/com/inproc_server.hpp"

#include <dlfcn.h>

#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"
#include "platform/oleaut/text.hpp"

namespace com {
namespace {

[[noreturn]] void cannotCreate(std::string_view what) {
    throw oleaut::Error(oleaut::kCannotCreateObject,
                        "ActiveX component can't create object: " + std::string(what));
}

void check(HResult hr, const ErrorInfo& error) {
    if (failed(hr)) throw errorOfStatus(hr, error);
}

}  // namespace

InprocServer::InprocServer(const std::filesystem::path& file) : file_(file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        cannotCreate("library file " + oleaut::echoedPath(file.string()) + " is missing");
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        cannotCreate("cannot load " + oleaut::echoedPath(file.string()) + ": " + dlerror());
    const auto entry = [&](const char* name) {
        void* symbol = dlsym(handle, name);
        if (!symbol) cannotCreate(oleaut::echoedPath(file.string()) + " does not export " + name);
        return symbol;
    };
    register_ = reinterpret_cast<DllRegisterServerFunction*>(entry("DllRegisterServer"));
    unregister_ = reinterpret_cast<DllUnregisterServerFunction*>(entry("DllUnregisterServer"));
    getClassObject_ = reinterpret_cast<DllGetClassObjectFunction*>(entry("DllGetClassObject"));
    canUnloadNow_ = reinterpret_cast<DllCanUnloadNowFunction*>(entry("DllCanUnloadNow"));
}

void InprocServer::registerServer() const {
    ErrorInfo error;
    check(register_(&error), error);
}

void InprocServer::unregisterServer() const {
    ErrorInfo error;
    check(unregister_(&error), error);
}

std::shared_ptr<IClassFactory> InprocServer::classFactory(const Guid& clsid) const {
    std::shared_ptr<IUnknown> factory;
    const HResult hr = getClassObject_(&clsid, &kIidIClassFactory, &factory);
    if (failed(hr) || !factory)
        cannotCreate(clsid.toString() + " is not a class of " + oleaut::echoedPath(file_.string()));
    return interfaceCast<IClassFactory>(std::move(factory));
}

bool InprocServer::canUnloadNow() const {
    return canUnloadNow_() == kOk;
}

std::shared_ptr<IDispatch> createObject(const Registry& registry, std::string_view name) {
    std::optional<Guid> clsid = Guid::tryParse(name);
    std::string identifier(name);
    if (!clsid) {
        const std::vector<std::string> found = matchingClassIdentifiers(registry, name);
        if (found.empty()) cannotCreate(oleaut::echoed(identifier) + " is not registered");
        if (found.size() > 1) {
            std::string all;
            for (const std::string& one : found)
                all += (all.empty() ? "" : ", ") + one;
            cannotCreate(identifier + " is ambiguous: it may mean " + all);
        }
        identifier = found.front();
        const std::optional<std::string> text = registry.value(identifier + "\\CLSID");
        if (text) clsid = Guid::tryParse(*text);
        if (!clsid) cannotCreate(identifier + " has no valid CLSID in the registry");
    }
    const std::optional<std::string> file =
        registry.value("CLSID\\" + clsid->toString() + "\\InprocServer32");
    if (!file) cannotCreate(identifier + " has no library registered");
    const InprocServer server(*file);
    std::shared_ptr<IUnknown> object;
    const HResult hr = server.classFactory(*clsid)->CreateInstance(kIidIDispatch, object);
    if (failed(hr) || !object) cannotCreate(identifier);
    return interfaceCast<IDispatch>(std::move(object));
}

oleaut::Variant callByName(IDispatch& object, std::string_view method, Arguments args) {
    int32_t dispid = 0;
    if (failed(object.GetIDsOfNames(method, dispid))) {
        throw oleaut::Error(
            kMemberNotFoundError,
            "Object doesn't support this property or method: " + oleaut::echoed(method));
    }
    oleaut::Variant result;
    ErrorInfo error;
    check(object.Invoke(dispid, args, result, error), error);
    return result;
}

}  // namespace com
