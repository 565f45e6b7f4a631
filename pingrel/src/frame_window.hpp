#pragma once
// Pingrel's frame `MDIPingrel` ("Pingrel GUI", maximised): the main window,
// the store window and the About window live inside it. Its menu repeats the
// main window's commands (store, save, signature, send), copies and pastes
// the selection of the focused control through the clipboard, and ends the
// program.
#include "context.hpp"
#include "forms/mdi_frame.hpp"
#include "forms/menu.hpp"
#include "forms/text_box.hpp"

namespace pingrel {

struct Program;

class FrameWindow : public forms::MdiFrame {
public:
    FrameWindow(Context& context, Program& program);

    forms::MenuItem fileMenu{*this, "mnuFile", "&File"};
    forms::MenuItem openStoreItem{*this, "mnuOpen", "&Open Store", &fileMenu};
    forms::MenuItem saveMenu{*this, "mnuSave", "&Save", &fileMenu};
    forms::MenuItem saveRecipientItem{*this, "mnuSaveRecipient", "&Recipient", &saveMenu};
    forms::MenuItem saveMessageItem{*this, "mnuSaveMessage", "&Message", &saveMenu};
    forms::MenuItem saveBothItem{*this, "mnuSaveBoth", "&Both", &saveMenu};
    forms::MenuItem exitItem{*this, "mnuExit", "&Exit", &fileMenu};
    forms::MenuItem editMenu{*this, "mnuEdit", "&Edit"};
    forms::MenuItem copyItem{*this, "mnuEditCopy", "Copy", &editMenu};
    forms::MenuItem pasteItem{*this, "mnuEditPaste", "Paste", &editMenu};
    forms::MenuItem messageMenu{*this, "mnuMessage", "&Message"};
    forms::MenuItem setSignatureItem{*this, "mnuMessageSig", "Set as Signature", &messageMenu};
    forms::MenuItem sendItem{*this, "mnuMessageSend", "&Send", &messageMenu};
    forms::MenuItem aboutItem{*this, "mnuAbout", "&About"};

    // Opens the frame maximised with the main window inside it.
    void start();

protected:
    void design() override;

private:
    // The text box that has the focus in the active child, if any.
    forms::TextBox* focusedTextBox() const;
    void copy();
    void paste();

    Context& context_;
    Program& program_;
};

}  // namespace pingrel
