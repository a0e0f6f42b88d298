#pragma once
// The class registry: a plain-text file of "KEY = VALUE" lines, keys written as paths with
// backslashes like the system registry's ("CLSID\{...}\InprocServer32"). Registration of a library
// writes its entries; a client reads them to find the library file of a class.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace com {

// $KALVIK_REGISTRY when set, else ${XDG_CONFIG_HOME:-$HOME/.config}/kalvik/registry.
std::filesystem::path registryPath();

class Registry {
  public:
    // The entries of file; a missing file is an empty registry. A malformed line fails.
    static Registry load(const std::filesystem::path& file);
    // Writes the entries to file (creating its folder), replacing it as a whole.
    void save(const std::filesystem::path& file) const;

    std::optional<std::string> value(std::string_view key) const;
    void set(std::string_view key, std::string_view value);
    // Removes key and every key below it.
    void removeTree(std::string_view key);

    const std::map<std::string, std::string>& entries() const noexcept { return entries_; }

  private:
    std::map<std::string, std::string> entries_;
};

// The registered class identifiers ("Kalvik_dll.Ras_Potr") that name may mean: itself when it has
// a point, else every one ending in "." + name; names compare case-insensitively.
std::vector<std::string> matchingClassIdentifiers(const Registry& registry, std::string_view name);

// The one registered class identifier that name means; nullopt when there is none or more than one.
std::optional<std::string> findClassIdentifier(const Registry& registry, std::string_view name);

}  // namespace com
