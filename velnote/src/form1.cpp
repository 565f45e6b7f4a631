#include "form1.hpp"

#include <algorithm>

#include "back_color.hpp"
#include "forms/app.hpp"
#include "messenger/command_lines.hpp"
#include "saved_list.hpp"
#include "velnote.hpp"

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

Form1::Form1(Velnote& program) : Window(program.context.app, "Form1"), program_(program), context_(program.context) {
    onLoad = [this] { startUp(); };
    onClose = [this](forms::CloseEvent& closing) { closeBox(closing); };
    onResize = [this] { hideWhenMinimised(); };
    // The icon goes with the window.
    onUnload = [this] { trayIconData.setActive(false); };

    Command1.onClick = [this] { sendRoutine(); };
    combo2.onSelect = [this](const forms::ChangeEvent&) { messagePick(); };
    Combo3.onSelect = [this](const forms::ChangeEvent&) { machinePick(); };
    Text4.onChange = [this](const forms::ChangeEvent& change) {
        if (change.byUser()) resetMachineList();
    };
    Text4.onGotFocus = [this] { resetMachineList(); };
    Text4.onLostFocus = [this] { resetMachineList(); };
    Text1.onKeyDown = [this](forms::KeyEvent& key) { messageKeyDown(key); };
    // Enter in the typed name or the message list goes on to the send button;
    // F1 in any of the input controls opens the help page.
    auto enterGoesToSend = [this](forms::KeyEvent& key) {
        if (key.keyCode == keys::Return) Command1.setFocus();
        else if (key.keyCode == keys::F1) showHelp();
    };
    auto f1ShowsHelp = [this](forms::KeyEvent& key) {
        if (key.keyCode == keys::F1) showHelp();
    };
    Text4.onKeyDown = enterGoesToSend;
    combo2.onKeyDown = enterGoesToSend;
    Text3.onKeyDown = f1ShowsHelp;
    Combo3.onKeyDown = f1ShowsHelp;
    Command1.onKeyDown = f1ShowsHelp;

    bcolor.onClick = [this] { program_.form3.show(); };
    addmname.onClick = [this] { program_.form7.show(); };
    addmsg.onClick = [this] { program_.form4.show(); };
    About.onClick = [this] { program_.form2.show(); };
    help.onClick = [this] { showHelp(); };
    Exit.onClick = [this] { endprog(); };

    trayIconData.onNotify = [this](int mouseMessage) { trayNotification(mouseMessage); };
    sendmsg.onClick = [this] { sendMessageItem(); };
    mnuabt.onClick = [this] { program_.form2.show(); };
    mnuexit.onClick = [this] { endprog(); };
}

void Form1::design() {
    setCaption("Velnote ");
    setBackColor(kDefaultBackColor);
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 7200, 4380});

    const forms::Font labelFont{"Comic Sans MS", 8.25, true};
    for (forms::Label* label : {&Label3, &Label2, &Label1, &Label5}) {
        label->setFont(labelFont);
        label->setBackColor(kDefaultBackColor);
    }
    Label3.setCaption("Enter Message Here ");
    Label3.setBounds({240, 180, 3600, 285});
    Text1.setMultiLine(true);
    Text1.setRich(true);
    Text1.setScrollBars(forms::ScrollBars::Vertical);
    Text1.setBounds({240, 480, 3600, 2400});

    Label2.setCaption("Machine Name");
    Label2.setBounds({4200, 180, 2760, 285});
    Text4.setMaxLength(20);
    Text4.setBounds({4200, 480, 2760, 315});
    Label1.setCaption("       or");
    Label1.setBounds({4200, 870, 2760, 285});
    Label1.setVisible(false);
    Combo3.setBounds({4200, 1170, 2760, 315});
    Combo3.setVisible(false);
    Label5.setCaption("Select ur Message");
    Label5.setBounds({4200, 1710, 2760, 285});
    for (const std::string& message : kSampleMessages) combo2.addItem(message);
    combo2.setBounds({4200, 2010, 2760, 315});

    Command1.setCaption("Send Now !!!");
    Command1.setOwnColors(true);
    Command1.setBackColor(kDefaultButtonColor);
    Command1.setFont({"Script", 18, true});
    Command1.setBounds({240, 3060, 3000, 660});
    Text3.setReadOnly(true);
    Text3.setTabStop(false);
    Text3.setBounds({3480, 3240, 720, 315});
    StatusBar1.setText("Ready");
    trayIconData.setTip("Velnote " VELNOTE_VERSION_TEXT);

    mnurclick.setVisible(false);

    setTabOrder({&Text1, &Text4, &combo2, &Command1, &Combo3});
}

// Start-up: the stored colour, the window, both lists with their markers.
void Form1::startUp() {
    if (auto color = storedBackColor(context_.settings)) applyBackColor(*color);
    show();
    trayIconData.setActive(true);

    combo2.addItem(kPleaseSelect);
    combo2.setListIndex(combo2.listCount() - 1);

    Text1.setText("");
    setCount(0);
    Text1.setFocus();

    Label1.setVisible(true);
    Combo3.setVisible(true);
    Combo3.clear();
    for (const std::string& machine : listValues(context_.settings, kMachineList)) Combo3.addItem(machine);
    Combo3.addItem(kSelectMachine);
    Combo3.setListIndex(Combo3.listCount() - 1);

    for (const std::string& message : listValues(context_.settings, kMessageList)) combo2.addItem(message);
    combo2.addItem(kSelectMessage);
    combo2.setListIndex(combo2.listCount() - 1);

    Text1.setText("");
}

void Form1::applyBackColor(forms::Color color) {
    setBackColor(color);
    for (forms::Control* control : std::initializer_list<forms::Control*>{&Label2, &Label1, &Label3, &Label5, &Command1})
        control->setBackColor(color);
}

void Form1::setCount(int count) {
    messageCount_ = count;
    Text3.setText(std::to_string(count));
}

// A picked message goes into the message box; the markers empty it.
void Form1::messagePick() {
    const std::string picked = combo2.text();
    if (picked == kPleaseSelect || picked == kSelectMessage) {
        Text1.setText("");
        setCount(0);
    } else {
        Text1.setText(picked);
        setCount(static_cast<int>(std::min<size_t>(forms::utf16Length(picked), kMaxCount)));
    }
    if (picked != kSelectMessage) Text4.setText("");
    Command1.setFocus();
}

// A machine picked from the list becomes the only machine: the typed name goes.
void Form1::machinePick() {
    if (Combo3.text() != kSelectMachine) Text4.setText("");
}

void Form1::resetMachineList() {
    if (Combo3.text() != kSelectMachine) Combo3.setListIndex(Combo3.listCount() - 1);
}

// The count follows keys, not the text: most keys add one.
void Form1::messageKeyDown(forms::KeyEvent& key) {
    switch (key.keyCode) {
        case keys::Back: setCount(std::max(0, messageCount_ - 1)); return;
        case keys::Escape:
            Text1.setText("");
            setCount(0);
            return;
        case keys::Left: case keys::Up: case keys::Right: case keys::Down: case keys::Shift:
        case keys::Control: case keys::PageUp: case keys::PageDown: case keys::End: case keys::Home:
        case keys::Insert:
            return;
        case keys::F1: showHelp(); return;
        case keys::Delete:
            if (Text1.text().empty()) setCount(0);
            return;
        default: setCount(std::min(kMaxCount, messageCount_ + 1)); return;
    }
}

void Form1::sendRoutine() {
    forms::App& app = context_.app;
    const std::string message = Text1.text();
    const std::string typedName = Text4.text();
    const bool machinePicked = Combo3.text() != kSelectMachine;

    if (!machinePicked && typedName.empty()) {
        app.messageBox("Please enter machine name", "Velnote - Machine Name Error ", MessageButtons::Ok,
                       MessageIcon::Critical);
        Text4.setFocus();
        return;
    }
    if (message.empty()) {
        app.messageBox("Please enter some message", "Velnote-Message Error ", MessageButtons::Ok, MessageIcon::Critical);
        Text1.setFocus();
        return;
    }
    if (machinePicked && !typedName.empty()) {
        Text4.setText("");
        Combo3.setListIndex(Combo3.listCount() - 1);
        app.messageBox("Please select only one machine name", "Velnote", MessageButtons::Ok, MessageIcon::Information);
        return;
    }

    const std::string machine = typedName.empty() ? Combo3.text() : typedName;
    messenger::StartResult started = context_.runner.run(messenger::velnoteCommand(machine, message),
                                                         messenger::WindowStyle::MinimizedWithFocus);
    if (!started.started) {
        // Nothing was sent: the message and the window stay as they are.
        app.messageBox("The message could not be sent: the command \"net send\" could not be started.\r\n\r\n"
                       "Error " + std::to_string(started.errorNumber) + ": " + started.errorText,
                       "Velnote", MessageButtons::Ok, MessageIcon::Critical);
        return;
    }
    setCount(0);
    Text1.setText("");
    setWindowState(forms::WindowState::Minimized);
}

void Form1::showHelp() { program_.form5.show(); }

// A minimised window leaves the screen and the taskbar for its icon; when
// the system refused the icon it stays on the taskbar, so that it can come back.
void Form1::hideWhenMinimised() {
    if (windowState() == forms::WindowState::Minimized && trayIconData.shown()) hide();
}

// A left click or double-click on the icon brings the window back; a right
// click opens the icon's menu.
void Form1::trayNotification(int mouseMessage) {
    switch (mouseMessage) {
        case forms::mouse::LeftButtonUp:
        case forms::mouse::LeftDoubleClick:
            setWindowState(forms::WindowState::Normal);
            show();
            break;
        case forms::mouse::RightButtonUp: popupMenu(mnurclick); break;
        default: break;
    }
}

// "Send Message" brings back a window that went to the notification area.
void Form1::sendMessageItem() {
    if (windowState() != forms::WindowState::Minimized) return;
    setWindowState(forms::WindowState::Normal);
    show();
}

void Form1::showFarewell() {
    context_.app.messageBox("Thank you for using Velnote !!!\r\nHave a nice day !!", "Velnote - Exit",
                            MessageButtons::Ok, MessageIcon::Information);
}

void Form1::endprog() {
    showFarewell();
    unload();
    context_.app.end();
}

// The close box: the window and its icon go, the farewell follows, and the
// end of the program closes every other Velnote window. The unload itself
// comes after the farewell because unloading the last loaded window ends the
// event loop at once, and a box shown after that closes before it is seen.
void Form1::closeBox(forms::CloseEvent& closing) {
    if (closing.reason != forms::CloseReason::CloseBox) return;
    closing.cancel = true;
    hide();
    trayIconData.setActive(false);
    showFarewell();
    unload();
    context_.app.end();
}

}  // namespace velnote
