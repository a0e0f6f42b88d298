#include "library/com/registration.hpp"

#include <string>

#include "library/com/classes.hpp"
#include "library/com/type_library.hpp"

namespace kalvik {
namespace {

// The standard marshaller of dual interfaces.
constexpr std::string_view kAutomationProxy = "{00020424-0000-0000-C000-000000000046}";

std::string version(int major, int minor) {
    return std::to_string(major) + "." + std::to_string(minor);
}

std::string typeLibraryKey() {
    return "TypeLib\\" + kTypeLibraryId.toString();
}
std::string classKey(const ClassInfo& info) {
    return "CLSID\\" + info.clsid.toString();
}
std::string interfaceKey(const com::Guid& iid) {
    return "Interface\\" + iid.toString();
}

void registerInterface(com::Registry& registry, const com::Guid& iid, std::string_view name) {
    const std::string key = interfaceKey(iid);
    registry.set(key, name);
    registry.set(key + "\\ProxyStubClsid32", kAutomationProxy);
    registry.set(key + "\\TypeLib", kTypeLibraryId.toString());
    registry.set(key + "\\TypeLib\\Version", version(kTypeLibraryMajor, kTypeLibraryMinor));
}

}  // namespace

void registerClasses(com::Registry& registry, const std::filesystem::path& libraryFile) {
    unregisterClasses(registry);
    const std::string file = libraryFile.string();
    const std::string libraryVersion = version(kTypeLibraryMajor, kTypeLibraryMinor);
    const std::string library = typeLibraryKey() + "\\" + libraryVersion;
    registry.set(library, kTypeLibraryName);
    registry.set(library + "\\0\\linux", file);
    for (const ClassInfo& info : classes()) {
        const std::string identifier = classIdentifier(info.name);
        const std::string clsid = info.clsid.toString();
        registry.set(identifier, info.name);
        registry.set(identifier + "\\CLSID", clsid);
        const std::string key = classKey(info);
        registry.set(key, identifier);
        registry.set(key + "\\InprocServer32", file);
        registry.set(key + "\\InprocServer32\\ThreadingModel", "Apartment");
        registry.set(key + "\\ProgID", identifier);
        registry.set(key + "\\TypeLib", kTypeLibraryId.toString());
        registry.set(key + "\\VERSION", version(info.versionMajor, info.versionMinor));
        registerInterface(registry, info.iid, "_" + std::string(info.name));
        if (info.iidAlias)
            registerInterface(registry, *info.iidAlias, std::string(info.name) + "___v0");
    }
}

void unregisterClasses(com::Registry& registry) {
    registry.removeTree(typeLibraryKey());
    for (const ClassInfo& info : classes()) {
        registry.removeTree(classIdentifier(info.name));
        registry.removeTree(classKey(info));
        registry.removeTree(interfaceKey(info.iid));
        if (info.iidAlias) registry.removeTree(interfaceKey(*info.iidAlias));
    }
}

}  // namespace kalvik
