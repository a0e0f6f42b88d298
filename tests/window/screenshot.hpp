#pragma once
// Screenshots of the X display the window tests run on, saved as PNG under the build folder so
// that a person can look at them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace window_tests {

struct Colour {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Colour&) const = default;
};

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // row by row, three bytes a pixel

    Colour at(int x, int y) const;
};

// Lets FLTK and the X server finish what is pending, so that a screenshot shows it.
void settle();

// The whole screen as it is now.
Screenshot grabScreen();

// Writes the screenshot to <build>/screenshots/<name>.png and returns the path.
std::filesystem::path savePng(const Screenshot& shot, const std::string& name);

}  // namespace window_tests
