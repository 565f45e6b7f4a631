// The UTF-8 / UTF-16 codec on any bytes: every text converts to valid UTF-8
// and back unchanged when it was valid; lengths and cuts agree with the
// conversion.
#include "fuzz_input.hpp"
#include "platform/unicode.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::size_t cut = input.byte();
    const std::string bytes = input.rest();

    // As UTF-8: broken bytes read as U+FFFD, so the way back is valid UTF-8,
    // and the same bytes exactly when they were valid.
    const std::u16string units = platform::utf8ToUtf16(bytes);
    const std::string back = platform::utf16ToUtf8(units);
    FUZZ_CHECK(platform::isUtf8(back));
    FUZZ_CHECK((back == bytes) == platform::isUtf8(bytes));
    FUZZ_CHECK(platform::utf8ToUtf16(back) == units);
    FUZZ_CHECK(platform::utf16Length(bytes) == units.size());

    // The longest start within `cut` units, never half a character.
    const std::string_view first = platform::firstUtf16Units(bytes, cut);
    FUZZ_CHECK(bytes.compare(0, first.size(), first) == 0);
    const std::size_t taken = platform::utf16Length(first);
    FUZZ_CHECK(taken <= cut);
    if (first.size() < bytes.size()) {
        const platform::DecodedCharacter next = platform::decodeUtf8(bytes, first.size());
        FUZZ_CHECK(taken + (next.value >= 0x10000 ? 2 : 1) > cut);
    }

    // As UTF-16 units: a lone surrogate becomes U+FFFD, anything else comes back.
    std::u16string pairs;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        pairs += static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) | static_cast<std::uint8_t>(bytes[i + 1]) << 8);
    const std::string text = platform::utf16ToUtf8(pairs);
    FUZZ_CHECK(platform::isUtf8(text));
    const std::u16string again = platform::utf8ToUtf16(text);
    FUZZ_CHECK(again.size() == pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i)
        FUZZ_CHECK(again[i] == pairs[i] || (again[i] == 0xFFFD && pairs[i] >= 0xD800 && pairs[i] < 0xE000));
    return 0;
}
