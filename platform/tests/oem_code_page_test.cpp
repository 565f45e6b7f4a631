// The OEM code page as the messenger protocol uses it, on the CP850 double.
#include <gtest/gtest.h>

#include "platform/cp850_code_page.hpp"

TEST(OemCodePage, TextThatFitsBecomesTheCodePagesBytes) {
    const platform::Cp850CodePage cp850;
    const platform::OemText text = cp850.encode("Gr\xC3\xBC\xC3\x9F" "e \xC3\xA9\xC2\xA0\xE2\x96\x91\r\n");  // "Grüße é", no-break space, ░
    EXPECT_EQ("Gr\x81\xE1" "e \x82\xFF\xB0\r\n", text.bytes);
    EXPECT_EQ("", text.missing);
}

// Never a '?' in place of a character: the text is refused whole, and each
// missing character is named once, in the order it first comes.
TEST(OemCodePage, CharactersTheCodePageLacksAreNamedOnceAndNothingIsEncoded) {
    const platform::Cp850CodePage cp850;
    const platform::OemText text = cp850.encode("5 \xE2\x82\xAC, \xE2\x88\x9E \xC3\xA9 \xE2\x82\xAC");  // "5 €, ∞ é €"
    EXPECT_EQ("", text.bytes);
    EXPECT_EQ("\xE2\x82\xAC\xE2\x88\x9E", text.missing);
    // Bytes that are not UTF-8 are missing as the replacement character.
    EXPECT_EQ("\xEF\xBF\xBD", cp850.encode("a\xFF").missing);
}
