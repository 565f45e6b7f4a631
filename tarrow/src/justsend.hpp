#pragma once
// Tarrow's main window: pick or type a recipient, or tick "/DOMAIN" or
// "/USERS", write or fetch a message, and "Send Message". It also opens the
// three list editors and the About window and recalls the last message sent.
#include "context.hpp"
#include "forms/button.hpp"
#include "forms/check_box.hpp"
#include "forms/combo_box.hpp"
#include "forms/label.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace tarrow {

struct Program;

class justsend : public forms::Window {
public:
    justsend(Context& context, Program& program);

    // Top row and second row: the recipient, the two broadcast switches, the domain.
    forms::Label recipientlabel{*this, "recipientlabel"};
    forms::CheckBox Domaincheck{*this, "Domaincheck"};
    forms::CheckBox usercheck{*this, "usercheck"};
    forms::ComboBox address{*this, "address"};
    forms::ComboBox cboDomain{*this, "cboDomain"};
    // The message.
    forms::Label Label3{*this, "Label3"};
    forms::TextBox message{*this, "message"};
    // Right column.
    forms::Button EditRecipients{*this, "EditRecipients"};
    forms::Button showDomains{*this, "showDomains"};
    forms::Button EditPresets{*this, "EditPresets"};
    forms::Button Send{*this, "Send"};
    // Presets, below the message.
    forms::Button PS1{*this, "PS1"};
    forms::Button PS2{*this, "PS2"};
    forms::Button PS3{*this, "PS3"};
    forms::Button PS4{*this, "PS4"};
    forms::Button PS5{*this, "PS5"};
    // Status row and bottom row.
    forms::Label Label1{*this, "Label1"};
    forms::Label statustext{*this, "statustext"};
    forms::Button butLastMessage{*this, "butLastMessage"};
    forms::Button Command1{*this, "Command1"};

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
    void editRecipients();
    void editDomains();
    void editPresets();
    void about();

    Context& context_;
    Program& program_;
};

}  // namespace tarrow
