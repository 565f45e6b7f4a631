#include "messenger/command_lines.hpp"

#include <gtest/gtest.h>

#include "messenger/recording_runner.hpp"
#include "platform/unicode.hpp"

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

// net send reads the first word as the recipient: a name must stay one word.
TEST(CommandLines, RecipientsGoInAsOneWord) {
    EXPECT_EQ(RecipientProblem::None, recipientProblem("PC7"));
    EXPECT_EQ(RecipientProblem::Missing, recipientProblem(""));
    EXPECT_EQ(RecipientProblem::Missing, recipientProblem(" \t "));
    EXPECT_EQ(RecipientProblem::HoldsQuote, recipientProblem("Front \"Desk"));
    EXPECT_EQ(RecipientProblem::HoldsQuote, recipientProblem("\""));

    EXPECT_EQ(velnoteCommand("Front Desk", "Hi there"), "net send \"Front Desk\" Hi there");
    EXPECT_EQ(velnoteCommand("  Front\tDesk ", "Hi"), "net send   \"Front\tDesk\"  Hi");
    EXPECT_EQ(tarrowRecipientCommand(" sales team", "Hi"), "net.exe send  \"sales team\" Hi");
    EXPECT_EQ(pingrelCommand("C:\\W", "Front Desk ", "Hi"), "C:\\W\\net send \"Front Desk\"  Hi");
    // The domain is glued to its switch: blanks around it go, a blank inside is quoted.
    EXPECT_EQ(tarrowDomainCommand(" SALES ", "Hi"), "net.exe send/DOMAIN:SALES Hi");
    EXPECT_EQ(tarrowDomainCommand("   ", "Hi"), "net.exe send/DOMAIN Hi");
    EXPECT_EQ(tarrowDomainCommand("EAST WING", "Hi"), "net.exe send/DOMAIN:\"EAST WING\" Hi");
}

// Long and non-ASCII messages go in unchanged up to the system's limit, counted
// in UTF-16 characters; a longer line is refused by the runner, never cut.
TEST(CommandLines, LongAndNonAsciiMessagesAndTheCommandLineLimit) {
    const std::string longMessage(32000, 'x');
    EXPECT_EQ(velnoteCommand("PC7", longMessage), "net send PC7 " + longMessage);
    const std::string mixed = "caf\xC3\xA9 \xE2\x82\xAC \xE7\x8C\xAB \xF0\x9F\x98\x80";  // café € 猫 😀
    EXPECT_EQ(velnoteCommand("PC7", mixed), "net send PC7 " + mixed);
    EXPECT_EQ(11u, platform::utf16Length(mixed));

    EXPECT_TRUE(fitsCommandLine(std::string(kMaxCommandLine, 'x')));
    EXPECT_FALSE(fitsCommandLine(std::string(kMaxCommandLine + 1, 'x')));
    EXPECT_FALSE(fitsCommandLine(std::string(kMaxCommandLine - 1, 'x') + "\xF0\x9F\x98\x80"));

    RecordingRunner runner;
    const StartResult refused = runner.run(std::string(kMaxCommandLine + 1, 'x'), WindowStyle::Hidden);
    EXPECT_FALSE(refused.started);
    EXPECT_EQ(206u, refused.errorNumber);
}

TEST(CommandLines, ARefusalForLengthAsksForTheCharactersOverTheLimit) {
    EXPECT_EQ("Please shorten it by 1 character.", shortenRequest(1));
    EXPECT_EQ("Please shorten it by 2 characters.", shortenRequest(2));
}

TEST(CommandLines, PingrelGuiQuotesTheNameOnlyAndLetsTheShellReportALinkThatFails) {
    EXPECT_EQ(pingrelGuiCommand("Front Desk", "Visitor waiting"), "net SEND \"Front Desk\" Visitor waiting");
    EXPECT_EQ(pingrelGuiCommand(" PC 7", kAwkwardMessage), "net SEND \" PC 7\" " + kAwkwardMessage);
    const ShellExecuteRequest request = pingrelGuiLinkRequest("http://www.example.com/", {0x1234});
    EXPECT_EQ(request.parameters, "");
    EXPECT_EQ(request.show, WindowStyle::Hidden);
    EXPECT_EQ(request.owner.value, 0x1234u);
    EXPECT_TRUE(request.shellReportsFailure);
}

}  // namespace
}  // namespace messenger
