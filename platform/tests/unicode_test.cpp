// The one UTF-8 / UTF-16 codec (fuzz_unicode checks it on any bytes).
#include <gtest/gtest.h>

#include "platform/unicode.hpp"

TEST(Unicode, CountsAndConvertsWhatTheSystemCounts) {
    EXPECT_EQ(0u, platform::utf16Length(""));
    EXPECT_EQ(5u, platform::utf16Length("Gr\xC3\xBC\xC3\x9F" "e"));          // two-byte sequences
    EXPECT_EQ(3u, platform::utf16Length("\xE6\x97\xA5\xE6\x9C\xAC!"));      // three-byte sequences
    EXPECT_EQ(2u, platform::utf16Length("\xF0\x9F\x98\x80"));              // a surrogate pair
    EXPECT_EQ(4u, platform::utf16Length("a\r\nb"));
    EXPECT_EQ(u"Gr\u00FC\u00DFe \U0001F600", platform::utf8ToUtf16("Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80"));
    EXPECT_EQ("\xE7\x8C\xAB\xF0\x9F\x98\x80", platform::utf16ToUtf8(u"\u732B\U0001F600"));
}

// As the system converts them: each broken part of a sequence is one U+FFFD;
// overlong forms, encoded surrogates and code points above U+10FFFF are broken.
TEST(Unicode, BrokenBytesAndLoneSurrogatesReadAsTheReplacementCharacter) {
    EXPECT_EQ(u"a\uFFFDb", platform::utf8ToUtf16("a\xE2\x82" "b"));      // cut short
    EXPECT_EQ(u"\uFFFD\uFFFD", platform::utf8ToUtf16("\xC0\x80"));         // overlong
    EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD", platform::utf8ToUtf16("\xED\xA0\x80"));  // a surrogate
    EXPECT_EQ(u"\uFFFD\uFFFD\uFFFD\uFFFD", platform::utf8ToUtf16("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(platform::isUtf8("\xFF"));
    EXPECT_TRUE(platform::isUtf8("\xF4\x8F\xBF\xBF"));
    EXPECT_EQ("\xEF\xBF\xBDx\xEF\xBF\xBD", platform::utf16ToUtf8(std::u16string{0xD800, u'x', 0xDC00}));
}

TEST(Unicode, AStartCutByUnitsNeverSplitsACharacter) {
    const std::string text = "ab\xF0\x9F\x98\x80" "c";
    EXPECT_EQ("ab", platform::firstUtf16Units(text, 3));
    EXPECT_EQ("ab\xF0\x9F\x98\x80", platform::firstUtf16Units(text, 4));
    EXPECT_EQ(text, platform::firstUtf16Units(text, 99));
}
