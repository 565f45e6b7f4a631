#pragma once
// The system's OEM code page: the one the messenger protocol carries its
// names and text in (Windows' own senders use it). Text is UTF-8 inside the
// code; a character the code page lacks is never sent as '?' or a look-alike:
// the caller is told which characters those are.
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct OemText {
    // The code page's bytes for the whole text; empty when anything is missing.
    std::string bytes;
    // Each character the code page lacks (UTF-8), once, in the order the text
    // first has it; empty when the text fits.
    std::string missing;
};

class OemCodePage {
public:
    virtual ~OemCodePage() = default;
    virtual OemText encode(const std::string& text) const = 0;
};

// Encodes the text one character at a time: `encodeOne` gives the code
// page's bytes for a character, or nothing when the code page lacks it.
// Bytes that are not UTF-8 read as U+FFFD, which no OEM code page has.
OemText encodeEachCharacter(const std::string& text,
                            const std::function<std::optional<std::string>(char32_t)>& encodeOne);

}  // namespace platform
