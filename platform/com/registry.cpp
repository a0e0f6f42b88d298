#include "platform/com/registry.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "platform/com/names.hpp"
#include "platform/oleaut/error.hpp"
#include "platform/oleaut/error_text.hpp"

namespace com {
namespace {

constexpr std::string_view kSeparator = " = ";
constexpr std::string_view kHeader =
    "# Class registry of in-process libraries: one \"KEY = VALUE\" entry per line.\n";

[[noreturn]] void fileError(const std::filesystem::path& file, std::string_view what) {
    throw oleaut::Error(oleaut::kPathFileAccessError,
                        "registry " + oleaut::echoedPath(file.string()) + ": " + std::string(what));
}

bool isUnder(std::string_view key, std::string_view root) {
    return key.size() > root.size() && key.substr(0, root.size()) == root &&
           key[root.size()] == '\\';
}

}  // namespace

std::filesystem::path registryPath() {
    if (const char* file = std::getenv("KALVIK_REGISTRY"); file && *file) return file;
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        config = std::filesystem::path(home) / ".config";
    } else {
        throw oleaut::Error(oleaut::kPathFileAccessError,
                            "no registry file: set KALVIK_REGISTRY, XDG_CONFIG_HOME or HOME");
    }
    return config / "kalvik" / "registry";
}

Registry Registry::load(const std::filesystem::path& file) {
    Registry registry;
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) fileError(file, "is a folder, not a file");
    std::ifstream in(file);
    if (!in) {
        if (!std::filesystem::exists(file, ec)) return registry;
        fileError(file, "cannot be read");
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        const size_t separator = line.find(kSeparator);
        if (separator == std::string::npos || separator == 0)
            fileError(file, "line " + std::to_string(number) + " is not \"KEY = VALUE\"");
        registry.entries_[line.substr(0, separator)] = line.substr(separator + kSeparator.size());
    }
    return registry;
}

void Registry::save(const std::filesystem::path& file) const {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) fileError(file, "is a folder, not a file");
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    // Written to a file of this writer's own beside the registry and renamed over it, so that a
    // reader never sees half a registry and writers at the same time never share a file.
    std::string temporary = file.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) fileError(file, "cannot be written");
    ::fchmod(fd, 0644);
    ::close(fd);
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << kHeader;
        for (const auto& [key, value] : entries_)
            out << key << kSeparator << value << '\n';
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, ec);
            fileError(file, "cannot be written");
        }
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        fileError(file, "cannot be replaced");
    }
}

std::optional<std::string> Registry::value(std::string_view key) const {
    const auto found = entries_.find(std::string(key));
    if (found == entries_.end()) return std::nullopt;
    return found->second;
}

void Registry::set(std::string_view key, std::string_view value) {
    entries_[std::string(key)] = std::string(value);
}

void Registry::removeTree(std::string_view key) {
    std::erase_if(entries_, [&](const auto& entry) {
        return entry.first == key || isUnder(entry.first, key);
    });
}

std::vector<std::string> matchingClassIdentifiers(const Registry& registry, std::string_view name) {
    const bool qualified = name.find('.') != std::string_view::npos;
    const std::string wanted = foldCase(qualified ? name : "." + std::string(name));
    std::vector<std::string> found;
    constexpr std::string_view kClsidLeaf = "\\CLSID";
    for (const auto& [key, value] : registry.entries()) {
        if (key.size() <= kClsidLeaf.size() || !key.ends_with(kClsidLeaf)) continue;
        const std::string identifier = key.substr(0, key.size() - kClsidLeaf.size());
        if (identifier.find('\\') != std::string::npos) continue;
        const std::string folded = foldCase(identifier);
        if (qualified ? folded == wanted : folded.ends_with(wanted)) found.push_back(identifier);
    }
    return found;
}

std::optional<std::string> findClassIdentifier(const Registry& registry, std::string_view name) {
    std::vector<std::string> found = matchingClassIdentifiers(registry, name);
    if (found.size() != 1) return std::nullopt;
    return std::move(found.front());
}

}  // namespace com
