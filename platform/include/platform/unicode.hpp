#pragma once
// The one UTF-8 / UTF-16 codec: text is UTF-8 inside the code, UTF-16 at the
// system's boundary. Portable. Bytes that are not UTF-8 read as U+FFFD (one
// for each maximal part of a broken sequence), and a lone surrogate writes as
// U+FFFD, as the system's own conversions do, so that a text measured here
// has the length it has on screen.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The character that starts at `at`, and how many bytes it takes.
struct DecodedCharacter {
    char32_t value = 0;
    std::size_t length = 1;
    bool valid = true;  // false: broken or overlong bytes, read as U+FFFD
};
DecodedCharacter decodeUtf8(std::string_view text, std::size_t at);
// Adds one code point to the text, in UTF-8.
void appendUtf8(std::string& out, char32_t c);
bool isUtf8(std::string_view text);

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);
// How many UTF-16 units the text takes: what the system counts as its length.
std::size_t utf16Length(std::string_view text);
// The longest start of the text that takes at most `units` UTF-16 units,
// never cutting a character in two.
std::string_view firstUtf16Units(std::string_view text, std::size_t units);

}  // namespace platform
