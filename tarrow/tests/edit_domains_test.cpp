// The domain-list editor: a multi-line box saved exactly as typed; the main
// window's domain list then shows the entries in upper case.
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

struct DomainEditor : Tarrow {
    EditDomains& editor = program.domainEditor;
    void SetUp() override {
        save("Settings", "Domains", "sales");
        start();
        user.click(form.showDomains);
    }
};

TEST_F(DomainEditor, ReplacesTheMainWindowAndShowsTheStoredList) {
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ("Edit Domains", editor.caption());
    EXPECT_EQ("Enter the list of  domains, separated by a comma", editor.Label1.caption());
    EXPECT_EQ("sales", editor.Domainlist.text());
    EXPECT_EQ("Save", editor.savedomains.caption());
    EXPECT_EQ("Cancel", editor.CANCEL.caption());
}

TEST_F(DomainEditor, SaveStoresTheTextAndTheMainListShowsItInUpperCase) {
    user.type(editor.Domainlist, ", hq");
    user.click(editor.savedomains);
    EXPECT_EQ("sales, hq", stored("Settings", "Domains"));
    EXPECT_FALSE(editor.loaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ((Strings{"SALES", "HQ"}), form.cboDomain.items());
    EXPECT_EQ("Domain List updated successfully", form.statustext.caption());
}

TEST_F(DomainEditor, EnterBreaksTheLineAndALineBreakIsNoSeparator) {
    user.type(editor.Domainlist, "\nhq");
    EXPECT_TRUE(editor.loaded());
    user.click(editor.savedomains);
    EXPECT_EQ("sales\r\nhq", stored("Settings", "Domains"));
    EXPECT_EQ(Strings{"SALES\r\nHQ"}, form.cboDomain.items());
}

TEST_F(DomainEditor, CancelEscAndTheCloseBoxWriteNothingAndBringTheMainWindowBack) {
    user.type(editor.Domainlist, "x");
    user.click(editor.CANCEL);
    EXPECT_TRUE(form.visible());
    user.click(form.showDomains);
    user.type(editor.Domainlist, "x");
    user.pressKey(editor.Domainlist, forms::keys::Escape);
    EXPECT_TRUE(form.visible());
    user.click(form.showDomains);
    user.closeBox(editor);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(editor.loaded());
    EXPECT_FALSE(app.ended());
    EXPECT_EQ("sales", stored("Settings", "Domains"));
    EXPECT_EQ("", form.statustext.caption());
}

}  // namespace
}  // namespace tarrow::testing
