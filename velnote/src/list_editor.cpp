#include "list_editor.hpp"

#include "back_color.hpp"
#include "context.hpp"
#include "main_window.hpp"
#include "forms/app.hpp"
#include "program.hpp"
#include "store_error.hpp"

namespace velnote {

using forms::MessageButtons;
using forms::MessageIcon;

const ListEditorTable kMessageEditor{
    "Form4",
    "Velnote - Add Message",
    "Add Message",
    "Message",
    "Existing Messages",
    "TXTMSG",
    "lstmsg",
    kMessageList,
    "Enter Message",
    "Velnote - Add Message",
    "Are you sure you want to delete the message name ",
    "Velnote - Delete message Name",
    &MainWindow::savedMessages,
    kPleaseSelect,
};

const ListEditorTable kMachineNameEditor{
    "Form7",
    "Velnote - Add Machine Name",
    "Add Machine Name",
    "Machine Name",
    "Existing Machine Names",
    "txtmachinename",
    "lstmname",
    kMachineList,
    "Enter Machine Name",
    "Velnote - Add Machine Name",
    "Are you sure you want to delete the machine name ",
    "Velnote - Delete Machine Name",
    &MainWindow::savedMachines,
    kSelectMachine,
};

ListEditor::ListEditor(Program& program, const ListEditorTable& table)
    : Window(program.context.app, table.windowName), program_(program), table_(table) {
    onLoad = [this] { loadEditor(); };
    addButton.onClick = [this] { add(); };
    deleteButton.onClick = [this] { deleteEntry(); };
    entryList.onDoubleClick = [this] { deleteEntry(); };
    closeButton.onClick = [this] { closeEditor(); };
}

void ListEditor::design() {
    setCaption(table_.caption);
    setBackColor(kDefaultBackColor);
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMinButton(false);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 6120, 4680});

    for (forms::Label* label : {&titleLabel, &fieldLabel, &listLabel}) label->setBackColor(kDefaultBackColor);
    titleLabel.setCaption(table_.titleText);
    titleLabel.setFont({"MS Sans Serif", 18, true});
    titleLabel.setAlignment(forms::Alignment::Center);
    titleLabel.setBounds({240, 120, 5640, 495});

    fieldLabel.setCaption(table_.fieldCaption);
    fieldLabel.setFont({"MS Sans Serif", 12, true});
    fieldLabel.setBounds({240, 870, 2160, 330});
    entryText.setBounds({2460, 840, 2220, 345});
    addButton.setCaption("<< Add >>");
    addButton.setBounds({4800, 825, 1080, 375});

    listLabel.setCaption(table_.listCaption);
    listLabel.setFont({"MS Sans Serif", 12, true});
    listLabel.setBounds({1200, 1440, 3480, 330});
    entryList.setBounds({1200, 1800, 3480, 2040});
    deleteButton.setCaption("Delete");
    deleteButton.setBounds({4800, 1800, 1080, 375});
    closeButton.setCaption("<< Close Window>>");
    closeButton.setBounds({1980, 4020, 1920, 420});
}

// Load: the colour, then the list. A stored colour that is not a number
// ends the load there: the window opens in its design colours, its list empty.
void ListEditor::loadEditor() {
    const std::string stored = program_.context.settings.readValue(kApplication, kColorSection, kColorKey);
    forms::Color color = kDefaultBackColor;
    if (!stored.empty()) {
        std::optional<forms::Color> parsed = parseColor(stored);
        if (!parsed) return;
        color = *parsed;
    }
    setBackColor(color);
    for (forms::Label* label : {&titleLabel, &fieldLabel, &listLabel}) label->setBackColor(color);
    fillList();
}

void ListEditor::fillList() {
    for (const std::string& text : listValues(program_.context.settings, table_.list)) entryList.addItem(text);
}

void ListEditor::add() {
    forms::App& app = program_.context.app;
    const std::string text = entryText.text();
    if (text.empty()) {
        app.messageBox(table_.emptyPrompt, table_.emptyPromptTitle, MessageButtons::Ok, MessageIcon::Information);
        entryText.setFocus();
        return;
    }
    std::optional<platform::StoreError> refused;
    if (!appendEntry(program_.context.settings, table_.list, text, &refused)) {
        // Nothing was stored: every number up to 32767 is in use, or the store
        // refused; the typed text stays for another try.
        if (refused)
            showStoreError(app, "The entry could not be saved.", table_.list.section, *refused);
        else
            app.messageBox("The list is full: no more entries can be saved.", table_.emptyPromptTitle,
                           MessageButtons::Ok, MessageIcon::Exclamation);
        entryText.setFocus();
        return;
    }
    entryList.addItem(text);
    entryText.setText("");
    entryText.setFocus();
}

// Deletes the selected entry after the user confirms; the list is then read again.
void ListEditor::deleteEntry() {
    forms::App& app = program_.context.app;
    if (entryList.listIndex() < 0) {
        app.messageBox("No item selected for deletion...", "Velnote - Error in Deletion", MessageButtons::Ok,
                       MessageIcon::Information);
        return;
    }
    const std::string selected = entryList.text();
    forms::MessageResult answer =
        app.messageBox(table_.confirmation + selected + " from the list ??", table_.confirmationTitle,
                       MessageButtons::YesNo, MessageIcon::Information);
    if (answer != forms::MessageResult::Yes) return;
    std::optional<platform::StoreError> refused;
    removeEntry(program_.context.settings, table_.list, selected, &refused);
    // The list shows the store again, whatever the store did.
    entryList.clear();
    fillList();
    if (refused) showStoreError(app, "The entry could not be deleted.", table_.list.section, *refused);
}

// Hides the editor and gives the main window's combo for this list the
// stored texts, then its marker, selected.
void ListEditor::closeEditor() {
    hide();
    MainWindow& main = program_.mainWindow;
    main.show();
    forms::ComboBox& combo = main.*table_.mainCombo;
    combo.clear();
    for (const std::string& text : listValues(program_.context.settings, table_.list)) combo.addItem(text);
    combo.addItem(table_.marker);
    combo.setListIndex(combo.listCount() - 1);
}

}  // namespace velnote
