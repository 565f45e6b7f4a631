#pragma once
// Tarrow's main window: pick or type a recipient, or tick "/DOMAIN" or
// "/USERS", write or fetch a message, and "Send Message". Each of the three
// ways of sending hands one "net.exe send" command (minimised) to the
// sender, which runs it where the system has the Messenger service and
// otherwise delivers a recipient's message itself; the status label says
// when it was sent, or why not. The broadcasts ask first and need the
// Messenger service. The window also opens the three list editors and the About window
// and recalls the last message sent.
#include <functional>
#include <string>

#include "context.hpp"
#include "forms/button.hpp"
#include "forms/check_box.hpp"
#include "forms/combo_box.hpp"
#include "forms/label.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace tarrow {

class ListEditor;
struct Program;

class MainWindow : public forms::Window {
public:
    MainWindow(Context& context, Program& program);

    // Top row and second row: the recipient, the two broadcast switches, the domain.
    forms::Label recipientLabel{*this, "recipientlabel"};
    forms::CheckBox domainCheck{*this, "Domaincheck"};
    forms::CheckBox allUsersCheck{*this, "usercheck"};
    forms::ComboBox recipient{*this, "address"};
    forms::ComboBox domain{*this, "cboDomain"};
    // The message.
    forms::Label messageLabel{*this, "Label3"};
    forms::TextBox message{*this, "message"};
    // Right column.
    forms::Button editRecipientsButton{*this, "EditRecipients"};
    forms::Button editDomainsButton{*this, "showDomains"};
    forms::Button editPresetsButton{*this, "EditPresets"};
    forms::Button sendButton{*this, "Send"};
    // Presets, below the message.
    forms::Button preset1Button{*this, "PS1"};
    forms::Button preset2Button{*this, "PS2"};
    forms::Button preset3Button{*this, "PS3"};
    forms::Button preset4Button{*this, "PS4"};
    forms::Button preset5Button{*this, "PS5"};
    // Status row and bottom row.
    forms::Label statusLabel{*this, "Label1"};
    forms::Label statusText{*this, "statustext"};
    forms::Button lastMessageButton{*this, "butLastMessage"};
    forms::Button aboutButton{*this, "Command1"};

protected:
    void design() override;

private:
    void startUp();
    void domainSwitch();
    void usersSwitch();
    void recipientChanged();
    void clearMessage();
    void fetchPreset(int number);
    void lastMessage();
    void sendMessage();
    void sendToRecipient();
    void sendToDomain();
    void sendToAllUsers();
    void send(messenger::Message outgoing, const std::string& shownAs, std::function<void()> sent);
    void editList(ListEditor& editor);
    void editPresets();
    void about();

    Context& context_;
    Program& program_;
    // A failed send's status line not shown yet: it came while the window was unloaded.
    std::string unreportedFailure_;
};

}  // namespace tarrow
