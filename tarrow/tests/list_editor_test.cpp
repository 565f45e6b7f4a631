// The address-list and domain-list editors: each replaces the main window
// while open, saves its list exactly as typed, and the main window comes back
// loaded afresh.
#include "tarrow_fixture.hpp"

namespace tarrow::testing {
namespace {

// One of the two editors, and what the user sees of it.
struct Variant {
    const char* name;
    ListEditor Program::*editor;
    forms::Button MainWindow::*openButton;
    forms::ComboBox MainWindow::*mainList;  // filled from the edited list
    const char* key;
    Strings texts;  // names of window, box, buttons; caption, prompt, buttons' captions
    const char* savedStatus;
};
void PrintTo(const Variant& variant, std::ostream* out) { *out << variant.name; }

const Variant kAddresses{"Addresses", &Program::addressEditor, &MainWindow::editRecipientsButton,
                         &MainWindow::recipient, "AddressList",
                         {"recipients", "AddressList", "Save", "Cancel", "Edit Address List",
                          "Enter your list of contacts, each separated by a comma", "Save", "Cancel"},
                         "Address List updated Successfully"};
const Variant kDomains{"Domains", &Program::domainEditor, &MainWindow::editDomainsButton,
                       &MainWindow::domain, "Domains",
                       {"EditDomains", "Domainlist", "savedomains", "CANCEL", "Edit Domains",
                        "Enter the list of  domains, separated by a comma", "Save", "Cancel"},
                       "Domain List updated successfully"};

// Both lists hold "PC1" (upper case, as the domain list shows it) and the
// main window's message was typed into before an editor opens.
struct ListEditing : Tarrow {
    void SetUp() override {
        save("Settings", "AddressList", "PC1");
        save("Settings", "Domains", "PC1");
        start();
        user.type(form.message, " typed");
    }
    ListEditor& open(const Variant& variant) {
        user.click(form.*variant.openButton);
        return program.*variant.editor;
    }
};

struct ListEditors : ListEditing, ::testing::WithParamInterface<Variant> {
    const Variant& variant = GetParam();
    ListEditor& editor = program.*variant.editor;
    void SetUp() override {
        ListEditing::SetUp();
        open(variant);
    }
    Strings mainList() const { return (form.*variant.mainList).items(); }
};

TEST_P(ListEditors, ReplaceTheMainWindowAndShowTheStoredList) {
    EXPECT_FALSE(form.loaded());
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ(variant.texts, (Strings{editor.name(), editor.listText.name(), editor.saveButton.name(),
                                      editor.cancelButton.name(), editor.caption(), editor.promptLabel.caption(),
                                      editor.saveButton.caption(), editor.cancelButton.caption()}));
    EXPECT_EQ("PC1", editor.listText.text());
}

TEST_P(ListEditors, SaveStoresTheTextAsTypedAndReloadsTheMainWindow) {
    user.type(editor.listText, " , PC2 ");
    user.click(editor.saveButton);
    EXPECT_EQ("PC1 , PC2 ", stored("Settings", variant.key));
    EXPECT_FALSE(editor.loaded());
    EXPECT_TRUE(form.visible());
    EXPECT_EQ((Strings{"PC1", "PC2"}), mainList());
    EXPECT_EQ(variant.savedStatus, form.statusText.caption());
    EXPECT_EQ("Type message here..", form.message.text());  // what was typed before is gone
}

TEST_P(ListEditors, SavingNothingLeavesOneEmptyEntry) {
    erase(editor.listText);
    user.click(editor.saveButton);
    EXPECT_TRUE(has("Settings", variant.key));
    EXPECT_EQ("", stored("Settings", variant.key));
    EXPECT_EQ(Strings{""}, mainList());
}

TEST_P(ListEditors, CancelEscAndTheCloseBoxWriteNothingAndBringTheMainWindowBack) {
    user.type(editor.listText, "x");
    user.click(editor.cancelButton);
    EXPECT_TRUE(form.visible());
    open(variant);
    user.type(editor.listText, "x");
    user.pressKey(editor.listText, forms::keys::Escape);
    EXPECT_TRUE(form.visible());
    open(variant);
    user.type(editor.listText, "x");
    user.closeBox(editor);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(editor.loaded());
    EXPECT_FALSE(app.ended());
    EXPECT_EQ("PC1", stored("Settings", variant.key));
    EXPECT_EQ("", form.statusText.caption());
}

TEST_P(ListEditors, AListTheStoreRefusesIsReportedAndTheEditorStays) {
    store.failWritesTo("Quillon", "Settings", variant.key,
                       {1013, "The configuration registry key could not be written."});
    user.type(editor.listText, ",PC2");
    user.answer(forms::MessageResult::Ok);
    user.click(editor.saveButton);
    expectBox("Error 1013 : The configuration registry key could not be written.\r\n"
              "HKEY_CURRENT_USER\\Software\\Quillon\\Settings\\" + std::string(variant.key), "Error");
    EXPECT_EQ("PC1", stored("Settings", variant.key));
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ("PC1,PC2", editor.listText.text());
}

INSTANTIATE_TEST_SUITE_P(Both, ListEditors, ::testing::Values(kAddresses, kDomains),
                         [](const ::testing::TestParamInfo<Variant>& info) { return info.param.name; });

// Enter presses "Cancel" in the one-line address list; in the domain list it
// breaks the line, and a line break is no separator. Domains are shown in
// upper case, in every script.
TEST_F(ListEditing, EnterCancelsTheAddressListButBreaksADomainLine) {
    ListEditor& addresses = open(kAddresses);
    user.type(addresses.listText, "x");
    user.pressKey(addresses.listText, forms::keys::Return);
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(addresses.loaded());
    EXPECT_EQ("PC1", stored("Settings", "AddressList"));

    ListEditor& domains = open(kDomains);
    user.type(domains.listText, "\nhq, αθηνα, москва");
    EXPECT_TRUE(domains.loaded());
    user.click(domains.saveButton);
    EXPECT_EQ("PC1\r\nhq, αθηνα, москва", stored("Settings", "Domains"));
    EXPECT_EQ((Strings{"PC1\r\nHQ", "ΑΘΗΝΑ", "МОСКВА"}), form.domain.items());
}

}  // namespace
}  // namespace tarrow::testing
