// vendrel-wsh SCRIPT: runs a build script the installer wrote, as the Windows Script Host would.

#include <iostream>

#include "platform/wsh/script.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vendrel-wsh SCRIPT\n";
        return 2;
    }
    return wsh::runScript(argv[1], std::cerr);
}
