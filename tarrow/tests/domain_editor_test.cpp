// The domain-list editor: a multi-line box saved exactly as typed; the main
// window's domain list then shows the entries in upper case.
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

struct DomainEditor : Tarrow {
    tarrow::DomainEditor& editor = program.domainEditor;
    void SetUp() override {
        save("Settings", "Domains", "sales");
        start();
        user.click(form.editDomainsButton);
    }
};

TEST_F(DomainEditor, ReplacesTheMainWindowAndShowsTheStoredList) {
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ("Edit Domains", editor.caption());
    EXPECT_EQ("Enter the list of  domains, separated by a comma", editor.promptLabel.caption());
    EXPECT_EQ("sales", editor.domainList.text());
    EXPECT_EQ("Save", editor.saveButton.caption());
    EXPECT_EQ("Cancel", editor.cancelButton.caption());
}

TEST_F(DomainEditor, SaveStoresTheTextAndTheMainListShowsItInUpperCase) {
    user.type(editor.domainList, ", hq, αθηνα, москва");
    user.click(editor.saveButton);
    EXPECT_EQ("sales, hq, αθηνα, москва", stored("Settings", "Domains"));
    EXPECT_FALSE(editor.loaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ((Strings{"SALES", "HQ", "ΑΘΗΝΑ", "МОСКВА"}), form.domain.items());  // every script
    EXPECT_EQ("Domain List updated successfully", form.statusText.caption());
}

TEST_F(DomainEditor, EnterBreaksTheLineAndALineBreakIsNoSeparator) {
    user.type(editor.domainList, "\nhq");
    EXPECT_TRUE(editor.loaded());
    user.click(editor.saveButton);
    EXPECT_EQ("sales\r\nhq", stored("Settings", "Domains"));
    EXPECT_EQ(Strings{"SALES\r\nHQ"}, form.domain.items());
}

TEST_F(DomainEditor, CancelEscAndTheCloseBoxWriteNothingAndBringTheMainWindowBack) {
    user.type(editor.domainList, "x");
    user.click(editor.cancelButton);
    EXPECT_TRUE(form.visible());
    user.click(form.editDomainsButton);
    user.type(editor.domainList, "x");
    user.pressKey(editor.domainList, forms::keys::Escape);
    EXPECT_TRUE(form.visible());
    user.click(form.editDomainsButton);
    user.closeBox(editor);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(editor.loaded());
    EXPECT_FALSE(app.ended());
    EXPECT_EQ("sales", stored("Settings", "Domains"));
    EXPECT_EQ("", form.statusText.caption());
}

}  // namespace
}  // namespace tarrow::testing
