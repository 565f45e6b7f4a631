// The messenger protocol's bytes, written out by hand from RFC 1001/1002 and
// the SMB message formats.
#include <gtest/gtest.h>

#include <string>

#include "messenger/smb_message.hpp"

namespace smb = messenger::smb;

namespace {

std::string bytes(const char* text, std::size_t size) { return std::string(text, size); }
const std::string kZeroHeaderFields(27, '\0');  // status, flags, ids: all 0 in a request

}  // namespace

TEST(SmbMessage, NamesAreFirstLevelEncodedAndPaddedWithBlanks) {
    // RFC 1001's own example (section 14.1): "FRED" as a server name.
    EXPECT_EQ(bytes("\x20" "EGFCEFEECACACACACACACACACACACACA" "\0", 34), smb::encodedName("FRED", 0x20));
    const std::string pc7 = bytes("\x20" "FAEDDH" "CACACACACACACACACACACACA" "AD" "\0", 34);
    EXPECT_EQ(pc7, smb::encodedName("PC7", smb::kMessengerSuffix));
    // The request: type 0x81, length 68, the called name, then the caller's.
    const std::string me = bytes("\x20" "ENEF" "CACACACACACACACACACACACACA" "AA" "\0", 34);
    EXPECT_EQ(bytes("\x81\0\0\x44", 4) + pc7 + me, smb::sessionRequest("PC7", 0x03, "ME"));
}

TEST(SmbMessage, EachRequestIsASessionMessageWithItsWordsAndData) {
    EXPECT_EQ(bytes("\0\0\0\x2C" "\xFFSMB\xD5", 9) + kZeroHeaderFields + bytes("\0" "\x09\0" "\x04ME\0" "\x04PC7\0", 12),
              smb::startRequest("ME", "PC7"));
    // Text: the group word, then a block: its length and the text, no null.
    EXPECT_EQ(bytes("\0\0\0\x2A" "\xFFSMB\xD7", 9) + kZeroHeaderFields +
                  bytes("\x01" "\x34\x12" "\x05\0" "\x01" "\x02\0" "hi", 10),
              smb::textRequest(0x1234, "hi"));
    EXPECT_EQ(bytes("\0\0\0\x25" "\xFFSMB\xD6", 9) + kZeroHeaderFields + bytes("\x01" "\x34\x12" "\0\0", 5),
              smb::endRequest(0x1234));
}

TEST(SmbMessage, LineBreaksBecomeCrLfAndTextGoesIn127ByteBlocks) {
    EXPECT_EQ("a\r\nb\r\nc\r\nd\r\n\r\ne\r\n", smb::withCrLf("a\nb\rc\r\nd\n\re\r"));

    EXPECT_EQ(1u, smb::textBlocks("").size());
    EXPECT_EQ(1u, smb::textBlocks(std::string(127, 'x')).size());
    const std::string text = std::string(127, 'a') + std::string(127, 'b') + "c";
    const auto blocks = smb::textBlocks(text);
    ASSERT_EQ(3u, blocks.size());
    EXPECT_EQ(std::string(127, 'b'), blocks[1]);
    EXPECT_EQ("c", blocks[2]);
}

TEST(SmbMessage, RepliesGiveTheirStatusAndGroup) {
    // smbd's answer to 0xD5, as it came: no words, so no group.
    const std::string samba = bytes("\xFFSMB\xD5\0\0\0\0\x80\x03\x40", 12) + std::string(20, '\0') + bytes("\0\0\0", 3);
    smb::Reply reply = smb::parseReply(samba);
    EXPECT_TRUE(reply.wellFormed);
    EXPECT_EQ(smb::kSendStart, reply.command);
    EXPECT_EQ(0u, reply.status);
    EXPECT_EQ(0u, reply.group);

    std::string withGroup = samba;
    withGroup.replace(5, 4, bytes("\x22\0\0\xC0", 4));  // STATUS_ACCESS_DENIED
    withGroup.replace(32, 3, bytes("\x01\x07\x00\0\0", 5));
    reply = smb::parseReply(withGroup);
    EXPECT_EQ(0xC0000022u, reply.status);
    EXPECT_EQ(7u, reply.group);
    EXPECT_EQ("the messenger service did not take the message (status 0xC0000022)", smb::statusReason(reply.status));
    EXPECT_EQ("no messenger service answered", smb::statusReason(0x00160002u));

    EXPECT_FALSE(smb::parseReply(samba.substr(0, 34)).wellFormed);  // no byte count
    EXPECT_FALSE(smb::parseReply("\xFESMB" + samba.substr(4)).wellFormed);
    EXPECT_FALSE(smb::parseReply(withGroup.substr(0, 36)).wellFormed);  // a word short

    // The session header's length has 17 bits.
    EXPECT_EQ(0x1FFFFu, smb::parseSessionHeader(bytes("\0\x01\xFF\xFF", 4)).length);
    EXPECT_EQ(0x83u, smb::parseSessionHeader(bytes("\x83\0\0\x01", 4)).type);
}
