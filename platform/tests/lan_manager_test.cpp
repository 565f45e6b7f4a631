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
