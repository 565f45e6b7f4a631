#pragma once
// A window's handle in the system's own terms, for a system service that wants
// an owner window (a shell dialog, a program the shell starts). Opaque here:
// a backend makes it, and only a service's real implementation reads it.
#include <cstdint>

namespace forms {

struct NativeHandle {
    std::uintptr_t value = 0;  // 0: none (headless, or no real window)
    explicit operator bool() const { return value != 0; }
    bool operator==(const NativeHandle& other) const { return value == other.value; }
    bool operator!=(const NativeHandle& other) const { return value != other.value; }
};

}  // namespace forms
