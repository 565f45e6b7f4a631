// The address-list editor: it replaces the main window while open, saves the
// list exactly as typed, and the main window comes back loaded afresh.
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

struct AddressEditor : Tarrow {
    tarrow::AddressEditor& editor = program.addressEditor;
    void SetUp() override {
        save("Settings", "AddressList", "pc1");
        start();
        user.type(form.message, " typed");
        user.click(form.editRecipientsButton);
    }
};

TEST_F(AddressEditor, ReplacesTheMainWindowAndShowsTheStoredList) {
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ("Edit Address List", editor.caption());
    EXPECT_EQ("Enter your list of contacts, each separated by a comma", editor.promptLabel.caption());
    EXPECT_EQ("pc1", editor.addressList.text());
    EXPECT_EQ("Save", editor.saveButton.caption());
    EXPECT_EQ("Cancel", editor.cancelButton.caption());
}

TEST_F(AddressEditor, SaveStoresTheTextAsTypedAndReloadsTheMainWindow) {
    user.type(editor.addressList, " , pc2 ");
    user.click(editor.saveButton);
    EXPECT_EQ("pc1 , pc2 ", stored("Settings", "AddressList"));
    EXPECT_FALSE(editor.loaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ((Strings{"pc1", "pc2"}), form.recipient.items());
    EXPECT_EQ("Address List updated Successfully", form.statusText.caption());
    EXPECT_EQ("Type message here..", form.message.text());  // what was typed before is gone
}

TEST_F(AddressEditor, SavingNothingLeavesOneEmptyEntry) {
    erase(editor.addressList);
    user.click(editor.saveButton);
    EXPECT_TRUE(has("Settings", "AddressList"));
    EXPECT_EQ("", stored("Settings", "AddressList"));
    EXPECT_EQ(Strings{""}, form.recipient.items());
}

TEST_F(AddressEditor, CancelEnterEscAndTheCloseBoxWriteNothingAndBringTheMainWindowBack) {
    auto reopen = [&] { user.click(form.editRecipientsButton); user.type(editor.addressList, "x"); };
    user.type(editor.addressList, "x");
    user.click(editor.cancelButton);
    EXPECT_TRUE(form.visible());
    reopen();
    user.pressKey(editor.addressList, forms::keys::Return);
    EXPECT_TRUE(form.visible());
    reopen();
    user.pressKey(editor.addressList, forms::keys::Escape);
    EXPECT_TRUE(form.visible());
    reopen();
    user.closeBox(editor);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(editor.loaded());
    EXPECT_FALSE(app.ended());
    EXPECT_EQ("pc1", stored("Settings", "AddressList"));
    EXPECT_EQ("", form.statusText.caption());
}

TEST_F(AddressEditor, AListTheStoreRefusesIsReportedAndTheEditorStays) {
    store.failWritesTo("Quillon", "Settings", "AddressList",
                      {1013, "The configuration registry key could not be written."});
    user.type(editor.addressList, ",pc2");
    user.answer(forms::MessageResult::Ok);
    user.click(editor.saveButton);
    expectBox("Error 1013 : The configuration registry key could not be written.\r\n"
              "HKEY_CURRENT_USER\\Software\\Quillon\\Settings\\AddressList", "Error");
    EXPECT_EQ("pc1", stored("Settings", "AddressList"));
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ("pc1,pc2", editor.addressList.text());
}

}  // namespace
}  // namespace tarrow::testing
