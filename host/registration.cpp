// kalvik register / unregister [LIBRARY]: the library's own entry points.

#include <dlfcn.h>
#include <unistd.h>

#include <iostream>

#include "host/commands.hpp"
#include "platform/com/inproc_server.hpp"
#include "platform/oleaut/error_text.hpp"

namespace host {

std::filesystem::path defaultLibraryFile() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "libkalvik.so";
}

int reportError() {
    try {
        throw;
    } catch (const oleaut::Error& e) {
        std::cerr << "error " << e.number() << ": " << e.description() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "error: " << oleaut::errorLine(e.what()) << '\n';
    }
    return 1;
}

int runRegister(const std::filesystem::path& libraryFile) {
    try {
        com::InprocServer(libraryFile).registerServer();
        std::cout << "registered " << libraryFile.string() << " in " << com::registryPath().string()
                  << '\n';
        return 0;
    } catch (...) {
        return reportError();
    }
}

int runUnregister(const std::filesystem::path& libraryFile) {
    try {
        com::InprocServer(libraryFile).unregisterServer();
        std::cout << "unregistered " << libraryFile.string() << " from "
                  << com::registryPath().string() << '\n';
        return 0;
    } catch (...) {
        return reportError();
    }
}

}  // namespace host
