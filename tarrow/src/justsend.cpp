#include "justsend.hpp"

#include "module1.hpp"
#include "program.hpp"
#include "store.hpp"

namespace tarrow {

namespace {
constexpr const char* kSendMessage = "Send Message";
}

justsend::justsend(Context& context, Program& program)
    : Window(context.app, "justsend"), context_(context), program_(program) {
    onLoad = [this] { startUp(); };

    Domaincheck.onClick = [this] { domainSwitch(); };
    usercheck.onClick = [this] { usersSwitch(); };
    // Typing or a text set by code renames the send button; a pick from the list does not.
    address.onChange = [this](const forms::ChangeEvent&) { recipientChanged(); };
    message.onDoubleClick = [this] { clearMessage(); };

    // One handler told five times: the buttons differ only in the key they read.
    forms::Button* presetButtons[kPresetCount] = {&PS1, &PS2, &PS3, &PS4, &PS5};
    for (int number = 1; number <= kPresetCount; ++number)
        presetButtons[number - 1]->onClick = [this, number] { fetchPreset(number); };

    butLastMessage.onClick = [this] { lastMessage(); };
    Send.onClick = [this] { sendMessage(); };
    EditRecipients.onClick = [this] { editRecipients(); };
    showDomains.onClick = [this] { editDomains(); };
    EditPresets.onClick = [this] { editPresets(); };
    Command1.onClick = [this] { about(); };
}

void justsend::design() {
    setCaption("Tarrow - by the LAN Messengers team");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 7320, 4740});

    recipientlabel.setCaption("Select Recipient");
    recipientlabel.setBounds({120, 150, 2040, 255});
    Domaincheck.setCaption("/DOMAIN");
    Domaincheck.setBounds({2280, 120, 1200, 285});
    usercheck.setCaption("/USERS");
    usercheck.setBounds({3600, 120, 1200, 285});

    address.setStyle(forms::ComboStyle::DropDown);
    address.setBounds({120, 450, 2880, 315});
    cboDomain.setStyle(forms::ComboStyle::DropDown);
    cboDomain.setToolTip("{Optional} See Help for Details");
    cboDomain.setBounds({3120, 450, 2040, 315});

    Label3.setCaption("Message (double click to clear)");
    Label3.setBounds({120, 900, 5040, 255});
    message.setMultiLine(true);
    message.setScrollBars(forms::ScrollBars::Vertical);
    message.setText("Type message here..");
    message.setToolTip("Enter Message text here!");
    message.setBounds({120, 1170, 5040, 2115});

    EditRecipients.setCaption("Edit Recipients");
    EditRecipients.setBounds({5400, 450, 1800, 375});
    showDomains.setCaption("Edit Domains");
    showDomains.setBounds({5400, 930, 1800, 375});
    EditPresets.setCaption("Presets");
    EditPresets.setBounds({5400, 1410, 1800, 375});
    Send.setCaption(kSendMessage);
    Send.setBounds({5400, 1965, 1800, 1320});
    setDefaultButton(&Send);

    forms::Button* presetButtons[kPresetCount] = {&PS1, &PS2, &PS3, &PS4, &PS5};
    for (int i = 0; i < kPresetCount; ++i) {
        presetButtons[i]->setCaption("PS" + std::to_string(i + 1));
        presetButtons[i]->setBounds({120 + i * 840, 3405, 720, 315});
    }

    Label1.setCaption("Status: ");
    Label1.setBounds({120, 3885, 720, 255});
    statustext.setBounds({840, 3885, 6360, 255});

    butLastMessage.setCaption("Last Message");
    butLastMessage.setBounds({120, 4245, 1800, 375});
    Command1.setCaption("About Tarrow");
    Command1.setBounds({5400, 4245, 1800, 375});

    setTabOrder({&address, &Domaincheck, &usercheck, &cboDomain, &message, &Send, &PS1, &PS2, &PS3, &PS4, &PS5,
                 &EditRecipients, &showDomains, &EditPresets, &butLastMessage, &Command1});
}

// Start-up: the domain box follows its switch, then both lists come from the store.
void justsend::startUp() {
    cboDomain.setEnabled(Domaincheck.checked());

    for (const std::string& entry : splitList(readSetting(context_.settings, kSettings, kAddressList),
                                              EntryCase::AsStored))
        address.addItem(entry);

    for (const std::string& entry : splitList(readSetting(context_.settings, kSettings, kDomains), EntryCase::Upper))
        cboDomain.addItem(entry);
}

// The two switches exclude each other. Each first unticks the other (whose own
// handler then runs) and only then sets the controls, so that the state of
// the switch just ticked is the one that stays.
void justsend::domainSwitch() {
    if (Domaincheck.checked()) {
        usercheck.setChecked(false);
        cboDomain.setEnabled(true);
        address.setEnabled(false);
        recipientlabel.setEnabled(false);
    } else {
        cboDomain.setEnabled(false);
        address.setEnabled(true);
        recipientlabel.setEnabled(true);
    }
}

void justsend::usersSwitch() {
    if (usercheck.checked()) {
        Domaincheck.setChecked(false);
        cboDomain.setEnabled(false);
        address.setEnabled(false);
        recipientlabel.setEnabled(false);
    } else {
        address.setEnabled(true);
        recipientlabel.setEnabled(true);
    }
}

void justsend::recipientChanged() {
    const std::string recipient = address.text();
    Send.setCaption(trimBlanks(recipient).empty() ? kSendMessage : "Send To " + trimTrailingBlanks(recipient));
}

void justsend::clearMessage() {
    if (!message.text().empty()) message.setText("");
}

void justsend::fetchPreset(int number) {
    message.setText(readSetting(context_.settings, kPresets, presetKey(number)));
}

void justsend::lastMessage() {
    message.setText(readSetting(context_.settings, kHistory, kLastMessage));
    address.setText(readSetting(context_.settings, kHistory, kLastRecipient));
}

void justsend::sendMessage() {
    if (Domaincheck.checked()) Module1::SendToDomain(context_, *this);
    else if (usercheck.checked()) Module1::SendToAllUsers(context_, *this);
    else Module1::SendToRecipient(context_, *this);
}

// The list editors replace this window while they are open: it loads afresh
// when they close, so that its lists show what was saved. The editor is loaded
// before this window goes, so that the program never stands without a window.
void justsend::editRecipients() {
    program_.addressEditor.load();
    unload();
    program_.addressEditor.show();
}

void justsend::editDomains() {
    program_.domainEditor.load();
    unload();
    program_.domainEditor.show();
}

// The preset editor hides this window itself, which keeps its contents.
void justsend::editPresets() { program_.presetEditor.show(); }

void justsend::about() { program_.aboutWindow.show(); }

}  // namespace tarrow
