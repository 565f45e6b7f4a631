// The About window: its links start the fixed browser, then fall back to the
// system's handler for the link, then say that the link could not be opened.
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

const std::string kBrowser = "c:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe ";

struct About : Tarrow {
    AboutWindow& about = program.aboutWindow;
    void SetUp() override {
        start();
        user.click(form.aboutButton);
    }
};

TEST_F(About, ShowsItsTextsAndLinks) {
    EXPECT_EQ("The Dreaded About box!", about.caption());
    EXPECT_EQ(" If you like this software, please visit the following links:", about.linksLabel.caption());
    EXPECT_NE(std::string::npos, about.creditLabel.caption().find("Tarrow"));
    EXPECT_FALSE(about.termsLabel.caption().empty());
    for (forms::Label* link : {&about.mailLink, &about.homePageLink, &about.suitePageLink}) {
        EXPECT_EQ(forms::Cursor::Hand, link->cursor()) << link->name();
        EXPECT_EQ(forms::rgb(0, 0, 255), link->foreColor()) << link->name();
        EXPECT_NE(std::string::npos, link->caption().find("example.com")) << link->name();
    }
    for (forms::Picture* picture : {&about.programPicture, &about.envelopePicture, &about.networkPicture})
        EXPECT_NE(0, picture->iconResource()) << picture->name();
}

TEST_F(About, EachClickStartsTheBrowserOnItsLink) {
    user.click(about.mailLink);
    user.click(about.mailLink);
    user.click(about.homePageLink);
    user.click(about.suitePageLink);
    EXPECT_EQ((Strings{kBrowser + "mailto:" + about.mailLink.caption(), kBrowser + "mailto:" + about.mailLink.caption(),
                       kBrowser + about.homePageLink.caption(), kBrowser + about.suitePageLink.caption()}),
              startedCommands());
    for (const auto& started : runner.starts()) EXPECT_EQ(messenger::WindowStyle::Normal, started.style);
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(About, WithoutTheBrowserTheSystemOpensTheLink) {
    runner.runFailure = failure(3, "The system cannot find the path specified.");
    user.click(about.homePageLink);
    ASSERT_EQ(2u, runner.starts().size());
    const auto& viaShell = runner.starts()[1];
    EXPECT_TRUE(viaShell.viaShell);
    EXPECT_EQ(about.homePageLink.caption(), viaShell.request.file);
    EXPECT_EQ(messenger::WindowStyle::Normal, viaShell.request.show);
    EXPECT_FALSE(viaShell.request.shellReportsFailure);  // Tarrow reports it
    EXPECT_TRUE(user.boxes().empty());
}

TEST_F(About, ALinkNothingCanOpenIsReportedAndTheProgramGoesOn) {
    runner.runFailure = failure(3, "The system cannot find the path specified.");
    runner.shellFailure = failure(1155, "No application is associated with the specified file for this operation.");
    user.answer(forms::MessageResult::Ok);
    user.click(about.mailLink);
    EXPECT_EQ("mailto:tarrow@example.com", runner.starts().back().request.file);
    expectBox("The link mailto:tarrow@example.com could not be opened.\r\n\r\n"
              "Error 1155, No application is associated with the specified file for this operation.",
              "Tarrow", forms::MessageButtons::Ok, forms::MessageIcon::Exclamation);
    EXPECT_TRUE(about.visible());
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(app.ended());
}

}  // namespace
}  // namespace tarrow::testing
