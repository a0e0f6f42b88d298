#pragma once
// The type library of the ten classes: its name, identifier and version, and the class identifiers
// made from its name.

#include <string>
#include <string_view>

#include "platform/com/guid.hpp"

namespace kalvik {

inline constexpr std::string_view kTypeLibraryName = "Kalvik_dll";
inline constexpr com::Guid kTypeLibraryId =
    com::Guid::parse("{C5347967-9617-47D9-B556-EB53C351AD57}");
inline constexpr int kTypeLibraryMajor = 1;
inline constexpr int kTypeLibraryMinor = 1;

// The class identifier by which a client creates a class: "Kalvik_dll.Ras_Potr".
inline std::string classIdentifier(std::string_view className) {
    return std::string(kTypeLibraryName) + "." + std::string(className);
}

}  // namespace kalvik
