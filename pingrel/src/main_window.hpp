#pragma once
// Pingrel's working window `frmMain` ("Main", inside the frame): recipients
// typed, picked from the network or copied from the store go into a list; a
// message of at most 255 characters, optionally with the stored signature,
// goes to each of them (through one hidden `net send` each where the system
// has the Messenger service), and one box then names those it did not
// reach. The store buttons save
// the recipient and the message, open the store window and clear the store.
#include <string>

#include "context.hpp"
#include "forms/button.hpp"
#include "forms/check_box.hpp"
#include "forms/frame.hpp"
#include "forms/label.hpp"
#include "forms/list_box.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"
#include "store.hpp"

namespace pingrel {

struct Program;

// The most characters the message may hold (a line break counts two).
constexpr int kMessageLimit = 255;

class MainWindow : public forms::Window {
public:
    MainWindow(Context& context, Program& program);

    // Recipients.
    forms::Frame recipientFrame{*this, "Frame2"};
    forms::TextBox recipientEntry{*this, "txtRecipient"};
    forms::Button browseButton{*this, "cmdBrowse"};
    forms::Button addButton{*this, "cmdAdd"};
    forms::ListBox recipients{*this, "lstRecipients"};
    // The message.
    forms::Label messageLabel{*this, "lblMessage"};
    forms::TextBox message{*this, "rtfMessage"};
    forms::CheckBox signatureCheck{*this, "chkSig"};
    forms::Button setSignatureButton{*this, "cmdSignature"};
    forms::Button addSignatureButton{*this, "cmdViewSig"};
    forms::Button sendButton{*this, "cmdSend"};
    // The store.
    forms::Frame storeFrame{*this, "Frame1"};
    forms::Button saveRecipientButton{*this, "cmdSaveC"};
    forms::Button saveMessageButton{*this, "cmdSaveM"};
    forms::Button openStoreButton{*this, "cmdOpenStore"};
    forms::Button clearStoreButton{*this, "cmdClear"};

    // What the buttons and the frame's menu do.
    void sendMessage();
    void saveRecipient();
    void saveMessage();
    void setSignature();

    // A box with the exclamation icon that says which store file failed and why.
    void reportFailure(const std::string& text);

protected:
    void design() override;

private:
    void addRecipient();
    void removeSelectedRecipient();
    void pickComputer();
    void limitMessage();
    bool refuseQuotedRecipients();
    void clearStore();
    void addSignature();
    void appendToMessage(const std::string& text);

    Context& context_;
    Program& program_;
    Store store_;
};

}  // namespace pingrel
