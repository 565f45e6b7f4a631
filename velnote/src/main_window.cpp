#include "main_window.hpp"

#include <algorithm>

#include "back_color.hpp"
#include "forms/app.hpp"
#include "messenger/command_lines.hpp"
#include "saved_list.hpp"
#include "program.hpp"
#include "platform/unicode.hpp"

namespace velnote {

using forms::MessageButtons;
using forms::MessageIcon;
namespace keys = forms::keys;

namespace {

// The count is a 16-bit signed number: it stops at its largest value.
constexpr int kMaxCount = 32767;

const std::string kSampleMessages[] = {"Please come here", "Meeting is at ", "What are you doing ??",
                                       "I am leaving...Bye", "When r u leaving ??", "please mail me the ...!"};

}  // namespace

MainWindow::MainWindow(Program& program) : Window(program.context.app, "Form1"), program_(program), context_(program.context) {
    onLoad = [this] { startUp(); };
    onClose = [this](forms::CloseEvent& closing) { closeBox(closing); };
    onResize = [this] { hideWhenMinimised(); };
    // The icon goes with the window.
    onUnload = [this] { trayIcon.setActive(false); };

    sendButton.onClick = [this] { sendMessage(); };
    savedMessages.onSelect = [this](const forms::ChangeEvent&) { pickMessage(); };
    savedMachines.onSelect = [this](const forms::ChangeEvent&) { pickMachine(); };
    machineName.onChange = [this](const forms::ChangeEvent& change) {
        if (change.byUser()) resetMachineList();
    };
    machineName.onGotFocus = [this] { resetMachineList(); };
    machineName.onLostFocus = [this] { resetMachineList(); };
    messageText.onKeyDown = [this](forms::KeyEvent& key) { messageKeyDown(key); };
    // Enter in the typed name or the message list goes on to the send button;
    // F1 in any of the input controls opens the help page.
    auto enterGoesToSend = [this](forms::KeyEvent& key) {
        if (key.keyCode == keys::Return) sendButton.setFocus();
        else if (key.keyCode == keys::F1) showHelp();
    };
    auto f1ShowsHelp = [this](forms::KeyEvent& key) {
        if (key.keyCode == keys::F1) showHelp();
    };
    machineName.onKeyDown = enterGoesToSend;
    savedMessages.onKeyDown = enterGoesToSend;
    keyCount.onKeyDown = f1ShowsHelp;
    savedMachines.onKeyDown = f1ShowsHelp;
    sendButton.onKeyDown = f1ShowsHelp;

    backgroundColourMenu.onClick = [this] { program_.colourDialog.show(); };
    machineNamesItem.onClick = [this] { program_.machineNameEditor.show(); };
    messagesItem.onClick = [this] { program_.messageEditor.show(); };
    aboutMenu.onClick = [this] { program_.aboutWindow.show(); };
    helpMenu.onClick = [this] { showHelp(); };
    exitMenu.onClick = [this] { endProgram(); };

    trayIcon.onNotify = [this](int mouseMessage) { trayNotification(mouseMessage); };
    traySendItem.onClick = [this] { sendMessageItem(); };
    trayAboutItem.onClick = [this] { program_.aboutWindow.show(); };
    trayExitItem.onClick = [this] { endProgram(); };
}

void MainWindow::design() {
    setCaption("Velnote ");
    setBackColor(kDefaultBackColor);
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 7200, 4380});

    const forms::Font labelFont{"Comic Sans MS", 8.25, true};
    for (forms::Label* label : {&messageLabel, &machineLabel, &orLabel, &savedMessagesLabel}) {
        label->setFont(labelFont);
        label->setBackColor(kDefaultBackColor);
    }
    messageLabel.setCaption("Enter Message Here ");
    messageLabel.setBounds({240, 180, 3600, 285});
    messageText.setMultiLine(true);
    messageText.setRich(true);
    messageText.setScrollBars(forms::ScrollBars::Vertical);
    messageText.setBounds({240, 480, 3600, 2400});

    machineLabel.setCaption("Machine Name");
    machineLabel.setBounds({4200, 180, 2760, 285});
    machineName.setMaxLength(20);
    machineName.setBounds({4200, 480, 2760, 315});
    orLabel.setCaption("       or");
    orLabel.setBounds({4200, 870, 2760, 285});
    orLabel.setVisible(false);
    savedMachines.setBounds({4200, 1170, 2760, 315});
    savedMachines.setVisible(false);
    savedMessagesLabel.setCaption("Select ur Message");
    savedMessagesLabel.setBounds({4200, 1710, 2760, 285});
    for (const std::string& message : kSampleMessages) savedMessages.addItem(message);
    savedMessages.setBounds({4200, 2010, 2760, 315});

    sendButton.setCaption("Send Now !!!");
    sendButton.setOwnColors(true);
    sendButton.setBackColor(kDefaultButtonColor);
    sendButton.setFont({"Script", 18, true});
    sendButton.setBounds({240, 3060, 3000, 660});
    keyCount.setReadOnly(true);
    keyCount.setTabStop(false);
    keyCount.setBounds({3480, 3240, 720, 315});
    statusBar.setText("Ready");
    trayIcon.setTip("Velnote " VELNOTE_VERSION_TEXT);

    trayMenu.setVisible(false);

    setTabOrder({&messageText, &machineName, &savedMessages, &sendButton, &savedMachines});
}

// Start-up: the stored colour, the window, both lists with their markers.
void MainWindow::startUp() {
    if (auto color = storedBackColor(context_.settings)) applyBackColor(*color);
    show();
    trayIcon.setActive(true);

    savedMessages.addItem(kPleaseSelect);
    savedMessages.setListIndex(savedMessages.listCount() - 1);

    messageText.setText("");
    setCount(0);
    messageText.setFocus();

    orLabel.setVisible(true);
    savedMachines.setVisible(true);
    savedMachines.clear();
    for (const std::string& machine : listValues(context_.settings, kMachineList)) savedMachines.addItem(machine);
    savedMachines.addItem(kSelectMachine);
    savedMachines.setListIndex(savedMachines.listCount() - 1);

    for (const std::string& message : listValues(context_.settings, kMessageList)) savedMessages.addItem(message);
    savedMessages.addItem(kSelectMessage);
    savedMessages.setListIndex(savedMessages.listCount() - 1);

    messageText.setText("");
}

void MainWindow::applyBackColor(forms::Color color) {
    setBackColor(color);
    for (forms::Control* control : std::initializer_list<forms::Control*>{&machineLabel, &orLabel, &messageLabel, &savedMessagesLabel, &sendButton})
        control->setBackColor(color);
}

void MainWindow::setCount(int count) {
    messageCount_ = count;
    keyCount.setText(std::to_string(count));
}

// A picked message goes into the message box; the markers empty it.
void MainWindow::pickMessage() {
    const std::string picked = savedMessages.text();
    if (picked == kPleaseSelect || picked == kSelectMessage) {
        messageText.setText("");
        setCount(0);
    } else {
        messageText.setText(picked);
        setCount(static_cast<int>(std::min<size_t>(platform::utf16Length(picked), kMaxCount)));
    }
    if (picked != kSelectMessage) machineName.setText("");
    sendButton.setFocus();
}

// A machine picked from the list becomes the only machine: the typed name goes.
void MainWindow::pickMachine() {
    if (savedMachines.text() != kSelectMachine) machineName.setText("");
}

void MainWindow::resetMachineList() {
    if (savedMachines.text() != kSelectMachine) savedMachines.setListIndex(savedMachines.listCount() - 1);
}

// The count follows keys, not the text: most keys add one.
void MainWindow::messageKeyDown(forms::KeyEvent& key) {
    switch (key.keyCode) {
        case keys::Back: setCount(std::max(0, messageCount_ - 1)); return;
        case keys::Escape:
            messageText.setText("");
            setCount(0);
            return;
        case keys::Left: case keys::Up: case keys::Right: case keys::Down: case keys::Shift:
        case keys::Control: case keys::PageUp: case keys::PageDown: case keys::End: case keys::Home:
        case keys::Insert:
            return;
        case keys::F1: showHelp(); return;
        case keys::Delete:
            if (messageText.text().empty()) setCount(0);
            return;
        default: setCount(std::min(kMaxCount, messageCount_ + 1)); return;
    }
}

void MainWindow::sendMessage() {
    forms::App& app = context_.app;
    const std::string message = messageText.text();
    const std::string typedName = machineName.text();
    const bool machinePicked = savedMachines.text() != kSelectMachine;
    // A typed name wins over the list; a name of blanks only names nobody
    // (net send would take the message's first word as the recipient).
    const std::string machine = typedName.empty() && machinePicked ? savedMachines.text() : typedName;

    if (messenger::recipientProblem(machine) == messenger::RecipientProblem::Missing &&
        !(machinePicked && !typedName.empty())) {
        app.messageBox("Please enter machine name", "Velnote - Machine Name Error ", MessageButtons::Ok,
                       MessageIcon::Critical);
        machineName.setFocus();
        return;
    }
    if (message.empty()) {
        app.messageBox("Please enter some message", "Velnote-Message Error ", MessageButtons::Ok, MessageIcon::Critical);
        messageText.setFocus();
        return;
    }
    if (machinePicked && !typedName.empty()) {
        machineName.setText("");
        savedMachines.setListIndex(savedMachines.listCount() - 1);
        app.messageBox("Please select only one machine name", "Velnote", MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    // No machine name holds a double quote, and net send could not be given one.
    if (messenger::recipientProblem(machine) == messenger::RecipientProblem::HoldsQuote) {
        app.messageBox("Please enter machine name without \" (double quote)", "Velnote - Machine Name Error ",
                       MessageButtons::Ok, MessageIcon::Critical);
        if (!typedName.empty()) machineName.setFocus();
        return;
    }
    const std::string command = messenger::velnoteCommand(machine, message);
    if (!messenger::fitsCommandLine(command)) {
        const std::size_t over = platform::utf16Length(command) - messenger::kMaxCommandLine;
        app.messageBox("The message is too long to send: a command line holds at most " +
                           std::to_string(messenger::kMaxCommandLine) + " characters.\r\n\r\n" +
                           messenger::shortenRequest(over),
                       "Velnote-Message Error ", MessageButtons::Ok, MessageIcon::Critical);
        messageText.setFocus();
        return;
    }

    // Handed over, the message is on its way: the window goes to the
    // notification area, and only a failure is heard of again.
    context_.sender.send(messenger::Message{machine, message, command, messenger::WindowStyle::MinimizedWithFocus},
                         [this](const messenger::SendOutcome& outcome) { reportFailure(outcome); });
    setCount(0);
    messageText.setText("");
    setWindowState(forms::WindowState::Minimized);
}

// A message that did not arrive is told from the icon, where the window
// went; without an icon, in a box.
void MainWindow::reportFailure(const messenger::SendOutcome& outcome) {
    if (outcome.delivered) return;
    const std::string text = "Not delivered to " + outcome.recipient + ": " + outcome.reason;
    if (!trayIcon.showBalloon("Velnote", text, forms::BalloonIcon::Warning))
        context_.app.messageBox(text, "Velnote", MessageButtons::Ok, MessageIcon::Exclamation);
}

void MainWindow::showHelp() { program_.helpPage.show(); }

// A minimised window leaves the screen and the taskbar for its icon; when
// the system refused the icon it stays on the taskbar, so that it can come back.
void MainWindow::hideWhenMinimised() {
    if (windowState() == forms::WindowState::Minimized && trayIcon.shown()) hide();
}

// A left click or double-click on the icon brings the window back; a right
// click opens the icon's menu.
void MainWindow::trayNotification(int mouseMessage) {
    switch (mouseMessage) {
        case forms::mouse::LeftButtonUp:
        case forms::mouse::LeftDoubleClick:
            setWindowState(forms::WindowState::Normal);
            show();
            break;
        case forms::mouse::RightButtonUp: popupMenu(trayMenu); break;
        default: break;
    }
}

// "Send Message" brings back a window that went to the notification area.
void MainWindow::sendMessageItem() {
    if (windowState() != forms::WindowState::Minimized) return;
    setWindowState(forms::WindowState::Normal);
    show();
}

void MainWindow::showFarewell() {
    context_.app.messageBox("Thank you for using Velnote !!!\r\nHave a nice day !!", "Velnote - Exit",
                            MessageButtons::Ok, MessageIcon::Information);
}

void MainWindow::endProgram() {
    showFarewell();
    unload();
    context_.app.end();
}

// The close box: the window and its icon go, the farewell follows, and the
// end of the program closes every other Velnote window. The unload itself
// comes after the farewell because unloading the last loaded window ends the
// event loop at once, and a box shown after that closes before it is seen.
void MainWindow::closeBox(forms::CloseEvent& closing) {
    if (closing.reason != forms::CloseReason::CloseBox) return;
    closing.cancel = true;
    hide();
    trayIcon.setActive(false);
    showFarewell();
    unload();
    context_.app.end();
}

}  // namespace velnote
