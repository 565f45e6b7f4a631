// Vorlane's main window on a scripted network: the domains at load, the
// computers when the type box is left, the direct send and its status texts.
#include <gtest/gtest.h>

#include "forms/headless/driver.hpp"
#include "messenger/recording_runner.hpp"
#include "program.hpp"
#include "platform/fake_system_info.hpp"
#include "platform/scripted_lan_manager.hpp"

namespace vorlane {
namespace {

using Strings = std::vector<std::string>;

platform::ServerList found(Strings names) { return {platform::kLanOk, static_cast<std::uint32_t>(names.size()), names}; }
platform::ServerList failed(std::uint32_t result, std::uint32_t total = 0) { return {result, total, {}}; }

// The program's own delivery: answers as scripted, records each message.
struct ScriptedTransport : messenger::Transport {
    messenger::TransportResult answer{messenger::TransportResult::Kind::Delivered, ""};
    Strings calls;
    messenger::TransportResult deliver(const std::string& computer, const std::string& sender,
                                       const std::string& text) override {
        calls.push_back(computer + "|" + sender + "|" + text);
        return answer;
    }
};

struct Vorlane : ::testing::Test {
    forms::App app{"Vorlane"};
    platform::ScriptedLanManager lan;
    platform::FakeSystemInfo system;
    messenger::RecordingRunner runner;
    std::shared_ptr<ScriptedTransport> transport = std::make_shared<ScriptedTransport>();
    messenger::Sender sender{app, runner, messenger::DeliveryRoute{false, "HERE", {transport}}};
    Context context{app, lan, sender, system};
    Program program{context};
    MainWindow& form = program.mainWindow;
    forms::headless::Driver user{app};

    void start(platform::ServerList domains = found({"WORKGROUP", "SALES"})) {
        lan.enumerationAnswers.push_back(domains);
        program.start();
    }
    std::string msg() const { return form.statusBar.panels()[0].text; }
    // Leaves the type box with this text by clicking the computer list, as its lines ask.
    void chooseType(const std::string& text, platform::ServerList answer) {
        lan.enumerationAnswers.push_back(answer);
        user.focus(form.typeBox);
        form.typeBox.setText(text);
        user.click(form.computerList);
    }
};

TEST_F(Vorlane, StartsWithTheDomainsOfTheBrowseList) {
    start();
    ASSERT_EQ(1u, lan.enumerations().size());
    EXPECT_EQ(0x80000000u, lan.enumerations()[0].typeMask);
    EXPECT_FALSE(lan.enumerations()[0].domain) << "no domain name for the domain enumeration";
    EXPECT_EQ((Strings{"WORKGROUP", "SALES"}), form.domainBox.items());
    EXPECT_EQ("Scanlet (Beta)", form.caption());
    EXPECT_EQ(&form.domainBox, form.focused());
    EXPECT_EQ(20, form.typeBox.listCount());
    EXPECT_EQ((Strings{"     Click Here after selecting", "      a System Type to view."}), form.computerList.items());
    EXPECT_EQ(-1, form.computerList.listIndex());
    EXPECT_EQ("System messages will display here", msg());
    EXPECT_EQ("Select the System Type you wish to view, then click below ", form.typeBox.toolTip());

    const auto& panels = form.statusBar.panels();
    ASSERT_EQ(3u, panels.size());
    EXPECT_EQ("msg", panels[0].key);
    EXPECT_EQ("Errors, Messages or Additional System Information ", panels[0].toolTip);
    EXPECT_EQ(forms::PanelStyle::Time, panels[1].style);
    EXPECT_EQ("System Time", panels[1].toolTip);
    EXPECT_EQ(forms::PanelStyle::Date, panels[2].style);
    EXPECT_EQ("System Date", panels[2].toolTip);
}

TEST_F(Vorlane, WithoutABrowseListTheDomainBoxStaysEmptyAndTheErrorShows) {
    start(failed(6118, 0));
    EXPECT_EQ(0, form.domainBox.listCount());
    EXPECT_EQ("Error 6118 when trying to obtain server list 0", msg());
}

TEST_F(Vorlane, LeavingTheTypeBoxListsTheComputersOfThatTypeInTheDomain) {
    start();
    user.pick(form.domainBox, "SALES");
    chooseType("Master Browser Servers", found({"PC7", "PC2", "PC7"}));
    ASSERT_EQ(2u, lan.enumerations().size());
    EXPECT_EQ(0x40000u, lan.enumerations()[1].typeMask);
    EXPECT_EQ(std::optional<std::string>("SALES"), lan.enumerations()[1].domain);
    EXPECT_EQ((Strings{"PC7", "PC2", "PC7"}), form.computerList.items()) << "in the call's order, duplicates kept";

    // Leaving it again by Tab with the same text runs the enumeration again.
    lan.enumerationAnswers.push_back(found({"PC9"}));
    user.pressKey(form.typeBox, forms::keys::Tab);
    ASSERT_EQ(3u, lan.enumerations().size());
    EXPECT_EQ((Strings{"PC9"}), form.computerList.items());
    EXPECT_EQ("System messages will display here", msg()) << "a success leaves the panel as it was";
}

// The list fills with waiting events handled between names: leaving the type
// box again meanwhile starts a new fill, which the old one must not mix into.
TEST_F(Vorlane, LeavingTheTypeBoxAgainWhileTheListFillsKeepsOnlyTheNewList) {
    start();
    user.duringPendingEvents([&] { chooseType("SQL Servers", found({"NEW1", "NEW2"})); });
    chooseType("All Server Types", {platform::kLanMoreData, 57, {"OLD1", "OLD2", "OLD3"}});
    ASSERT_EQ(3u, lan.enumerations().size());
    EXPECT_EQ((Strings{"NEW1", "NEW2"}), form.computerList.items());
    EXPECT_EQ("System messages will display here", msg()) << "the replaced fill's incomplete list is not reported";
}

TEST_F(Vorlane, ATextThatIsNoEntryLeavesTheListAlone) {
    start();
    chooseType("sql servers", found({"DB1"}));
    chooseType("", found({"DB1"}));
    EXPECT_EQ(1u, lan.enumerations().size());
    EXPECT_EQ(2, form.computerList.listCount());
}

TEST_F(Vorlane, EnumerationFailuresAndIncompleteLists) {
    start(found({}));
    chooseType("SQL Servers", failed(53, 0));
    EXPECT_EQ(std::optional<std::string>(""), lan.enumerations()[1].domain) << "an empty domain is passed as empty";
    EXPECT_EQ(0, form.computerList.listCount());
    EXPECT_EQ("Error 53 when trying to obtain server list 0", msg());

    // ERROR_MORE_DATA: what came is listed, and the panel says the list is incomplete.
    chooseType("All Server Types", {platform::kLanMoreData, 57, {"A1", "A2"}});
    EXPECT_EQ((Strings{"A1", "A2"}), form.computerList.items());
    EXPECT_EQ("Error 234 when trying to obtain server list 57", msg());

    // Another error lists nothing, even if the call returned entries.
    chooseType("All Server Types", {2184, 3, {"X"}});
    EXPECT_EQ(0, form.computerList.listCount());
    EXPECT_EQ("Error 2184 when trying to obtain server list 3", msg());
}

TEST_F(Vorlane, SendPassesTheSelectedComputerThisComputerAndTheMessage) {
    start();
    chooseType("Windows NT (S&W)", found({"PC7", "Ünïcødé-PC"}));
    user.pick(form.computerList, "Ünïcødé-PC");
    user.type(form.messageText, "Grüße");
    user.pressKey(form.messageText, forms::keys::Return);
    user.type(form.messageText, "line 2");
    EXPECT_EQ("Grüße\r\nline 2", form.messageText.text()) << "Enter breaks the line";

    bool busyDuringSend = false;
    std::string msgDuringSend = "?";
    lan.duringSend = [&] {
        busyDuringSend = form.busy();
        msgDuringSend = msg();
    };
    user.click(form.sendButton);
    ASSERT_EQ(1u, lan.sends().size());
    EXPECT_EQ("Ünïcødé-PC", lan.sends()[0].recipient);
    EXPECT_EQ("HERE", lan.sends()[0].from);
    EXPECT_EQ("Grüße\r\nline 2", lan.sends()[0].message);
    EXPECT_TRUE(busyDuringSend);
    EXPECT_EQ("", msgDuringSend);
    EXPECT_FALSE(form.busy());
    EXPECT_EQ("Your message was successfully sent... will they read it?", msg());
    EXPECT_EQ("", form.messageText.text());
}

TEST_F(Vorlane, AFailedSendShowsItsCodeAndKeepsTheMessage) {
    start();
    lan.computerName = {2102, ""};  // no workstation service: an empty sender, still sent
    lan.sendResults = {2273};
    user.type(form.messageText, "Hi");
    user.click(form.sendButton);  // nothing selected: an empty recipient goes to the call
    ASSERT_EQ(1u, lan.sends().size());
    EXPECT_EQ("", lan.sends()[0].recipient);
    EXPECT_EQ("", lan.sends()[0].from);
    EXPECT_EQ("Error - Return code: 2273", msg());
    EXPECT_EQ("Hi", form.messageText.text());
    EXPECT_FALSE(form.busy());

    // An instruction line is a recipient like any other.
    lan.sendResults = {53};
    user.pick(form.computerList, 0);
    user.click(form.sendButton);
    EXPECT_EQ("     Click Here after selecting", lan.sends()[1].recipient);
    EXPECT_EQ("Error - Return code: 53", msg());
}

// Where LAN Manager has no message send (50: not supported, or no library),
// the program delivers the message itself; the panel tells the outcome.
TEST_F(Vorlane, WithoutALanManagerSendTheProgramDeliversItselfAndTellsHowItWent) {
    start();
    chooseType("Windows NT (S&W)", found({"PC7"}));
    user.pick(form.computerList, "PC7");
    user.type(form.messageText, "Hi");
    lan.sendResults = {50, 50, 50};
    transport->answer = {messenger::TransportResult::Kind::Unreachable, "no messenger service answered"};
    user.click(form.sendButton);
    EXPECT_TRUE(form.busy());  // while the delivery is out
    EXPECT_EQ("", msg());
    user.finishBackgroundWork();
    EXPECT_FALSE(form.busy());
    EXPECT_EQ((Strings{"PC7|HERE|Hi"}), transport->calls);
    EXPECT_EQ("Error - no messenger service answered", msg());
    EXPECT_EQ("Hi", form.messageText.text());

    transport->answer = {messenger::TransportResult::Kind::Delivered, ""};
    user.click(form.sendButton);
    user.finishBackgroundWork();
    EXPECT_EQ(kSentText, msg());
    EXPECT_EQ("", form.messageText.text());

    // A message begun while the last one went is kept.
    user.type(form.messageText, "Hello");
    user.click(form.sendButton);
    user.type(form.messageText, " again");
    user.finishBackgroundWork();
    EXPECT_EQ(kSentText, msg());
    EXPECT_EQ("Hello again", form.messageText.text());
    EXPECT_EQ(3u, lan.sends().size());
}

TEST_F(Vorlane, AboutOpensAndCancelOrTheCloseBoxEndsTheProgram) {
    start();
    user.click(form.aboutButton);
    about::AboutWindow& about = program.aboutWindow;
    EXPECT_TRUE(about.visible());
    EXPECT_EQ("Scanlet (Beta)", about.titleLabel.caption());
    EXPECT_EQ("Comments:", about.disclaimerLabel.caption());
    EXPECT_FALSE(about.modal());
    user.click(form.cancelButton);
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(about.loaded());
}

TEST_F(Vorlane, ClosingTheWindowClosesTheAboutWindowToo) {
    start();
    user.click(form.aboutButton);
    user.closeBox(form);
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(program.aboutWindow.loaded());
}

}  // namespace
}  // namespace vorlane
