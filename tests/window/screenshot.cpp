#include "tests/window/screenshot.hpp"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xutil.h>
#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace window_tests {
namespace {

int lowestBit(unsigned long mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

std::uint8_t channel(unsigned long pixel, unsigned long mask) {
    const unsigned long value = (pixel & mask) >> lowestBit(mask);
    const unsigned long max = mask >> lowestBit(mask);
    return static_cast<std::uint8_t>(max == 0 ? 0 : value * 255 / max);
}

}  // namespace

Colour Screenshot::at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

void settle() {
    for (int i = 0; i < 10; ++i) {
        Fl::wait(0.02);
        Fl::flush();
        XSync(fl_display, False);
    }
}

Screenshot grabScreen() {
    settle();
    const ::Window root = RootWindow(fl_display, fl_screen);
    XWindowAttributes attributes{};
    XGetWindowAttributes(fl_display, root, &attributes);
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    std::unique_ptr<XImage, decltype(destroy)> image(
        XGetImage(fl_display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap),
        destroy);
    if (!image) throw std::runtime_error("the screen cannot be read");
    Screenshot shot{attributes.width, attributes.height, {}};
    shot.rgb.reserve(static_cast<std::size_t>(shot.width) * shot.height * 3);
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const unsigned long pixel = XGetPixel(image.get(), x, y);
            shot.rgb.push_back(channel(pixel, image->red_mask));
            shot.rgb.push_back(channel(pixel, image->green_mask));
            shot.rgb.push_back(channel(pixel, image->blue_mask));
        }
    }
    return shot;
}

std::filesystem::path savePng(const Screenshot& shot, const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(KALVIK_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / (name + ".png");

    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) throw std::runtime_error("cannot write " + path.string());
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot encode " + path.string());
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, shot.width, shot.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < shot.height; ++y) {
        png_write_row(png, &shot.rgb[static_cast<std::size_t>(y) * shot.width * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return path;
}

}  // namespace window_tests
