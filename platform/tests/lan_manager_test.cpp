// The UTF-16 length that a send passes, in units (the bytes are twice it).
#include <gtest/gtest.h>

#include "platform/lan_manager.hpp"

TEST(Utf16Length, CountsUnitsNotBytes) {
    EXPECT_EQ(0u, platform::utf16Length(""));
    EXPECT_EQ(100u, platform::utf16Length(std::string(100, 'x')));
    EXPECT_EQ(5u, platform::utf16Length("Grüße"));                     // 2-byte sequences
    EXPECT_EQ(3u, platform::utf16Length("\xe6\x97\xa5\xe6\x9c\xac!"));  // 3-byte sequences
    EXPECT_EQ(2u, platform::utf16Length("\xf0\x9f\x98\x80"));          // a surrogate pair
    EXPECT_EQ(4u, platform::utf16Length("a\r\nb"));
}

TEST(ServerNameText, ConvertsUpToTheZeroOrTheLimitAndMendsLoneSurrogates) {
    const char16_t name[] = {u'P', u'C', 0x00E9, 0x732B, 0xD83D, 0xDE00, 0xD800, u'x', 0xDC00, 0, u'y'};
    EXPECT_EQ("PC\xC3\xA9\xE7\x8C\xAB\xF0\x9F\x98\x80\xEF\xBF\xBDx\xEF\xBF\xBD", platform::serverNameText(name, 256));
    EXPECT_EQ("PC\xC3\xA9\xE7\x8C\xAB\xEF\xBF\xBD", platform::serverNameText(name, 5));  // a pair cut by the limit
    EXPECT_EQ("", platform::serverNameText(nullptr, 256));
}
