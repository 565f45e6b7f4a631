#pragma once
// Takes a fuzzer's bytes apart into the pieces a target needs.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }
    // Text up to the next 0 byte (or the end).
    std::string text() {
        std::string out;
        while (!empty()) {
            const char c = static_cast<char>(data_[at_++]);
            if (c == '\0') break;
            out += c;
        }
        return out;
    }
    std::string rest() {
        std::string out(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
        at_ = size_;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Stops the run with the fuzzer's crash report when a property does not hold.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) {                                                   \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                     \
        }                                                                     \
    } while (0)

}  // namespace fuzz
