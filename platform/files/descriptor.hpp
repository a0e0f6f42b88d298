#pragma once
// An open file descriptor, closed with its owner.

#include <utility>

namespace files {

class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int descriptor) noexcept : descriptor_(descriptor) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : descriptor_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int get() const noexcept { return descriptor_; }
    [[nodiscard]] bool valid() const noexcept { return descriptor_ >= 0; }
    explicit operator bool() const noexcept { return valid(); }

    // Gives the descriptor up without closing it.
    [[nodiscard]] int release() noexcept { return std::exchange(descriptor_, -1); }
    // Closes the descriptor held, if any, and holds the one given.
    void reset(int descriptor = -1) noexcept;

  private:
    int descriptor_ = -1;
};

}  // namespace files
