// The shared About window: its texts and version at load, OK, and the search
// for the System Information program through the registry.
#include <gtest/gtest.h>

#include "about_window.hpp"
#include "forms/headless/driver.hpp"
#include "platform/fake_system_info.hpp"

namespace about {
namespace {

struct About : ::testing::Test {
    forms::App app{"Vorlane"};
    platform::FakeSystemInfo system;
    AboutWindow about{app, system,
                      {"Scanlet (Beta)", "Scanlet (Beta)", "Scanlet is an exercise.", "Comments:",
                       {{"Label1", "A. Author"}, {"Label2", "author@example.com"}}, 1, nullptr}};
    forms::headless::Driver user{app};
    const std::string pathKey = std::string(kMsinfoKey) + "\\PATH";
    const std::string folderKey = std::string(kMsinfoLocationKey) + "\\MSINFO";

    void SetUp() override {
        system.version = {2, 7, 13};
        about.show();
    }
    void expectUnavailableBox() {
        ASSERT_EQ(1u, user.boxes().size());
        EXPECT_EQ(kSysInfoUnavailable, user.boxes()[0].text);
        EXPECT_EQ("Vorlane", user.boxes()[0].title);
        EXPECT_EQ(forms::MessageButtons::Ok, user.boxes()[0].buttons);
        EXPECT_EQ(forms::MessageIcon::None, user.boxes()[0].icon);
        EXPECT_TRUE(about.visible()) << "the About window stays open";
    }
};

TEST_F(About, ShowsTheProgramsTextsAndVersionAndClosesWithOk) {
    EXPECT_EQ("Scanlet (Beta)", about.caption());
    EXPECT_EQ("Scanlet (Beta)", about.titleLabel.caption());
    EXPECT_EQ("Version 2.7.13", about.versionLabel.caption());
    EXPECT_EQ("Scanlet is an exercise.", about.descriptionLabel.caption());
    EXPECT_EQ("Comments:", about.disclaimerLabel.caption());
    ASSERT_EQ(2u, about.creditLabels.size());
    EXPECT_EQ("Label2", about.creditLabels[1]->name());
    EXPECT_EQ("author@example.com", about.creditLabels[1]->caption());
    EXPECT_EQ("&System Info...", about.sysInfoButton.caption());
    EXPECT_EQ(&about.okButton, about.defaultButton());
    EXPECT_EQ(&about.okButton, about.cancelButton());
    EXPECT_EQ(forms::StartPosition::CenterScreen, about.startPosition());
    EXPECT_FALSE(about.showInTaskbar());
    user.pressKey(about.sysInfoButton, forms::keys::Escape);  // Esc goes to OK, wherever the focus is
    EXPECT_FALSE(about.loaded());
}

TEST_F(About, SysInfoStartsTheProgramTheRegistryNames) {
    system.values[pathKey] = "C:\\Program Files\\Common Files\\msinfo32.exe";
    system.values[folderKey] = "C:\\Elsewhere";
    system.files.insert("C:\\Elsewhere\\MSINFO32.EXE");
    user.click(about.sysInfoButton);
    EXPECT_EQ(std::vector<std::string>{"C:\\Program Files\\Common Files\\msinfo32.exe"}, system.started);
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(About, WithoutThePathTheFolderIsTriedWhenItHoldsTheProgram) {
    system.values[folderKey] = "C:\\Tools";
    system.files.insert("C:\\Tools\\MSINFO32.EXE");
    user.click(about.sysInfoButton);
    EXPECT_EQ(std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"}, system.started);
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(About, NoProgramFoundOrStartedSaysItIsUnavailable) {
    user.answer(forms::MessageResult::Ok);
    user.click(about.sysInfoButton);  // neither value
    expectUnavailableBox();
    user.clearBoxes();

    system.values[folderKey] = "C:\\Tools";  // the folder, without the program in it
    user.answer(forms::MessageResult::Ok);
    user.click(about.sysInfoButton);
    expectUnavailableBox();
    user.clearBoxes();

    system.values[pathKey] = "C:\\Gone\\msinfo32.exe";
    system.startsFail = true;
    user.answer(forms::MessageResult::Ok);
    user.click(about.sysInfoButton);
    expectUnavailableBox();
    EXPECT_TRUE(system.started.empty());
}

}  // namespace
}  // namespace about
