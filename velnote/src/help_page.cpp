#include "help_page.hpp"

namespace velnote {

namespace {

// The page is white with text in the window-text colour, whatever colour the
// other windows have. (The system's title-bar text colour, white in the
// classic scheme, is black on current Windows and under Wine, which made the
// page dark and hard to read.)
constexpr forms::Color kPageColor = forms::rgb(255, 255, 255);
constexpr forms::Color kTextColor = forms::colors::WindowText;

// Column of the texts that stand beside a short heading.
constexpr int kBeside = 2040;
constexpr int kFull = 8880;

}  // namespace

HelpPage::HelpPage(forms::App& app) : Window(app, "Form5") {}

void HelpPage::design() {
    setCaption("Velnote - Help");
    setBackColor(kPageColor);
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 9360, 6840});

    struct Line {
        forms::Label& label;
        double headingSize;  // 0 for body text
        forms::Rect bounds;
        const char* text;
    };
    const Line page[] = {
        {titleLabel, 18, {240, 120, kFull, 495}, "Velnote Help"},
        {nameHeading, 9.75, {240, 720, kFull, 240}, "Velnote"},
        {nameText, 0, {240, 990, kFull, 420},
         "Sends messages to other users, computers, or messaging names on the network. The Messenger service must be "
         "running to receive messages."},
        {machineHeading, 9.75, {240, 1500, kFull, 240}, "Machine Name"},
        {machineText, 0, {240, 1770, kFull, 420},
         "Specifies the user name, computer name, or messaging name to send the message to. If the name is a computer "
         "name that contains blank characters, enclose the alias in quotation marks (\" \"). "},
        {starLabel, 12, {240, 2280, 1680, 300}, "*"},
        {starText, 0, {kBeside, 2310, 7080, 210}, "Sends the message to all the names in your group. "},
        {domainLabel, 8.25, {240, 2640, 1680, 210}, "/domain[:name]"},
        {domainText, 0, {kBeside, 2640, 7080, 210}, "Sends the message to all the names"},
        {domainTextMore, 0, {kBeside, 2850, 7080, 420},
         "in the computer's domain. If name is specified, the message is sent to all the names in the specified domain "
         "or workgroup. "},
        {usersLabel, 8.25, {240, 3360, 1680, 210}, "/users"},
        // One line high: the end of its text is cut off and the next label carries it on.
        {usersText, 0, {kBeside, 3360, 3360, 195}, "Sends the message to all users connected to the server. "},
        {usersTextMore, 0, {kBeside, 3570, 7080, 210}, "the server."},
        {messageHeading, 9.75, {240, 3900, kFull, 240}, "Message"},
        {messageText, 0, {240, 4170, kFull, 210}, "Is text to be sent as a message. "},
        {noteHeading, 12, {240, 4500, kFull, 300}, "Note"},
        {noteText, 0, {240, 4830, kFull, 420},
         "You can send a message only to a name that is active on the network. If the message is sent to a user name, "
         "that user must be logged on and running the Messenger service to receive the message."},
        {multipleHeading, 9.75, {240, 5340, kFull, 240}, "Sending messages to multiple users"},
        {multipleHeadingAgain, 9.75, {240, 5610, kFull, 240}, "Sending Message to Multiple Users"},
        {multipleText, 0, {240, 5880, kFull, 420},
         "You can broadcast a message to all the names in your computer's domain (use * or /domain), or a different "
         "domain (/domain:domainname). Broadcast messages can have as many as 128 characters."},
        {moreInfoLabel, 0, {240, 6390, kFull, 210}, "For more information about Net Send see Windows Help on Net Send topic"},
    };
    for (const Line& line : page) {
        line.label.setCaption(line.text);
        line.label.setBounds(line.bounds);
        line.label.setBackColor(kPageColor);
        line.label.setForeColor(kTextColor);
        if (line.headingSize > 0) line.label.setFont({"MS Sans Serif", line.headingSize, true});
    }
}

}  // namespace velnote
