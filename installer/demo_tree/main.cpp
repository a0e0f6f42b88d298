// vendrel-demo-tree FOLDER: builds the demonstration installer tree in FOLDER and tells what to
// type and press.

#include "installer/demo_tree/tree.hpp"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vendrel-demo-tree FOLDER" << std::endl;
        return 2;
    }
    try {
        namespace fs = std::filesystem;
        const fs::path programs = fs::read_symlink("/proc/self/exe").parent_path();
        const fs::path folder = fs::absolute(argv[1]).lexically_normal();
        vendrel::demo_tree::buildTree(folder, programs);
        std::cout << "The demonstration installer tree in " << folder.string() << ":\n";
        for (const std::string& path : vendrel::demo_tree::listTree(folder)) {
            std::cout << "  " << path << "\n";
        }
        std::cout << "Server name to type: " << vendrel::demo_tree::kServer << "\n"
                  << "Start the installer with:\n"
                  << "  " << vendrel::demo_tree::startCommand(folder) << std::endl;
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "vendrel-demo-tree: " << e.what() << std::endl;
        return 1;
    }
}
