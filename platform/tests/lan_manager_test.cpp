// Names as an enumeration returns them.
#include <gtest/gtest.h>

#include "platform/lan_manager.hpp"

TEST(ServerNameText, ConvertsUpToTheZeroOrTheLimitAndMendsLoneSurrogates) {
    const char16_t name[] = {u'P', u'C', 0x00E9, 0x732B, 0xD83D, 0xDE00, 0xD800, u'x', 0xDC00, 0, u'y'};
    EXPECT_EQ("PC\xC3\xA9\xE7\x8C\xAB\xF0\x9F\x98\x80\xEF\xBF\xBDx\xEF\xBF\xBD", platform::serverNameText(name, 256));
    EXPECT_EQ("PC\xC3\xA9\xE7\x8C\xAB\xEF\xBF\xBD", platform::serverNameText(name, 5));  // a pair cut by the limit
    EXPECT_EQ("", platform::serverNameText(nullptr, 256));
}
