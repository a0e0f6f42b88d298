// vendrel: the installer of the demonstration edition. It shows Form1 on the display and ends when
// the window is closed.

#include "installer/form1/form1.hpp"
#include "platform/sqlserver/driver.hpp"
#include "platform/ui/mode.hpp"

#include <exception>
#include <filesystem>
#include <iostream>

namespace {

// The folder of this program's file.
std::string programFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

}  // namespace

int main() {
    try {
        // The database server's ODBC driver, as installed on the machine.
        sqlserver::installDriver();
        // A window program: without a display that opens it fails, naming the display.
        if (ui::mode() != ui::Mode::Window) ui::setMode(ui::Mode::Window);
        vendrel::Form1 window(programFolder());
        window.form.Run();
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "vendrel: " << e.what() << std::endl;
        return 1;
    }
}
