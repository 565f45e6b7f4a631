#pragma once
// The twenty system types of the type box, in list order, each with the
// server-type mask that NetServerEnum takes for it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vorlane {

struct SystemType {
    const char* entry;
    std::uint32_t mask;
};

extern const std::array<SystemType, 20> kSystemTypes;

// The mask of the entry whose text equals `text` exactly (case included).
std::optional<std::uint32_t> systemTypeMask(const std::string& text);

}  // namespace vorlane
