#pragma once
// The ten creatable classes of the library: identity, version and how to make an object.

#include <memory>
#include <span>
#include <string_view>

#include "platform/com/interfaces.hpp"

namespace kalvik {

struct ClassInfo {
    std::string_view name;  // "Ras_Potr"
    com::Guid clsid;
    com::Guid iid;              // of its default interface "_" + name
    const com::Guid* iidAlias;  // another identifier answered with the same interface, or null
    int versionMajor;
    int versionMinor;
    std::shared_ptr<com::IUnknown> (*create)();  // a new object
};

// The table, defined in library/module: it names every subsystem, which all build on this folder.
std::span<const ClassInfo> classes() noexcept;
const ClassInfo* findClass(const com::Guid& clsid) noexcept;
// By class identifier ("Kalvik_dll.Ras_Potr") or bare class name, case-insensitive.
const ClassInfo* findClass(std::string_view name) noexcept;

}  // namespace kalvik
