#include "messenger/command_lines.hpp"

#include <gtest/gtest.h>

namespace messenger {
namespace {

// Everything a shell would interpret, quotes, and a typed line break.
const std::string kAwkwardMessage = "Meet \"here\" & bring 100% %USERNAME% ^ | <x>\r\nsee you";

TEST(CommandLines, Velnote) {
    EXPECT_EQ(velnoteCommand("PC7", "Lunch now"), "net send PC7 Lunch now");
    EXPECT_EQ(velnoteCommand("PC7", kAwkwardMessage), "net send PC7 " + kAwkwardMessage);
    // Nothing is trimmed: blanks around the parts stay where the user put them.
    EXPECT_EQ(velnoteCommand(" PC7", "Hi "), "net send  PC7 Hi ");
}

TEST(CommandLines, TarrowToOneRecipient) {
    EXPECT_EQ(tarrowRecipientCommand("alice", "Hello there"), "net.exe send alice Hello there");
    EXPECT_EQ(tarrowRecipientCommand("alice", kAwkwardMessage),
              "net.exe send alice " + kAwkwardMessage);
}

// The switch follows "send" with no blank in between.
TEST(CommandLines, TarrowBroadcasts) {
    EXPECT_EQ(tarrowDomainCommand("SALES", "Meeting at 3"), "net.exe send/DOMAIN:SALES Meeting at 3");
    EXPECT_EQ(tarrowDomainCommand("", "Meeting at 3"), "net.exe send/DOMAIN Meeting at 3");
    EXPECT_EQ(tarrowDomainCommand("SALES", kAwkwardMessage),
              "net.exe send/DOMAIN:SALES " + kAwkwardMessage);
    EXPECT_EQ(tarrowUsersCommand("Server going down"), "net.exe send/USERS Server going down");
    EXPECT_EQ(tarrowUsersCommand(kAwkwardMessage), "net.exe send/USERS " + kAwkwardMessage);
}

TEST(CommandLines, PingrelPrefixesTheSystemFolder) {
    EXPECT_EQ(pingrelCommand("C:\\WINDOWS\\system32", "PC7", "Backup done"),
              "C:\\WINDOWS\\system32\\net send PC7 Backup done");
    // A failed folder lookup leaves the bare backslash.
    EXPECT_EQ(pingrelCommand("", "PC7", "Backup done"), "\\net send PC7 Backup done");
    // An empty recipient leaves two blanks before the message.
    EXPECT_EQ(pingrelCommand("C:\\W", "", "Hi"), "C:\\W\\net send  Hi");
    EXPECT_EQ(pingrelCommand("C:\\W", "PC7", kAwkwardMessage),
              "C:\\W\\net send PC7 " + kAwkwardMessage);
}

TEST(CommandLines, PingrelGuiQuotesTheNameOnly) {
    const ShellExecuteRequest request = pingrelGuiRequest("Front Desk", "Visitor waiting");
    EXPECT_EQ(request.verb, "open");
    EXPECT_EQ(request.file, "NET");
    EXPECT_EQ(request.parameters, "SEND \"Front Desk\" Visitor waiting");
    EXPECT_EQ(request.showMode, 0);

    EXPECT_EQ(pingrelGuiRequest("PC7", kAwkwardMessage).parameters,
              "SEND \"PC7\" " + kAwkwardMessage);
}

}  // namespace
}  // namespace messenger
