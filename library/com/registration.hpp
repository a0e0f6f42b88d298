#pragma once
// The registry entries of the library's classes: class identifier, CLSID, in-process library file,
// apartment threading model, type library and interfaces.

#include <filesystem>

#include "platform/com/registry.hpp"

namespace kalvik {

// Writes the entries for libraryFile, replacing any earlier entries of the same classes.
void registerClasses(com::Registry& registry, const std::filesystem::path& libraryFile);
// Removes the entries; entries that are not there are no error.
void unregisterClasses(com::Registry& registry);

}  // namespace kalvik
