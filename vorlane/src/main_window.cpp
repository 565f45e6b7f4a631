#include "main_window.hpp"

#include "program.hpp"
#include "system_types.hpp"

namespace vorlane {

MainWindow::MainWindow(Context& context, Program& program)
    : Window(context.app, "Form1"), context_(context), program_(program) {
    // The domains are listed while the window loads, before it is first shown.
    onLoad = [this] { listDomains(platform::kDomainEnumMask); };
    // The About window belongs to this one and goes with it.
    onUnload = [this] { context_.app.end(); };
    // No handler for a click in the list: the click takes the focus from the
    // type box, and that starts the enumeration, as the list's lines ask.
    typeBox.onLostFocus = [this] { typeBoxLeft(); };
    sendButton.onClick = [this] { sendMessage(); };
    cancelButton.onClick = [this] { unload(); };
    aboutButton.onClick = [this] { program_.aboutWindow.show(); };
}

void MainWindow::design() {
    setCaption("Scanlet (Beta)");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setMinButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 7800, 5880});

    browseFrame.setCaption("Browse List Information");
    browseFrame.setBounds({120, 60, 7560, 3330});
    domainLabel.setCaption("Domain/Workgroup to Enumerate:");
    domainLabel.setBounds({240, 330, 3540, 225});
    domainBox.setStyle(forms::ComboStyle::DropDown);
    domainBox.setToolTip("Select a Domain/Workgroup to browse");
    domainBox.setBounds({240, 570, 3540, 315});
    typeLabel.setCaption("System Types to Enumerate:");
    typeLabel.setBounds({3960, 330, 3600, 225});
    typeBox.setStyle(forms::ComboStyle::DropDown);
    for (const SystemType& type : kSystemTypes) typeBox.addItem(type.entry);
    typeBox.setToolTip("Select the System Type you wish to view, then click below ");
    typeBox.setBounds({3960, 570, 3600, 315});
    computerList.addItem("     Click Here after selecting");
    computerList.addItem("      a System Type to view.");
    computerList.setToolTip("Highlight a system to send a message (NT systems only)");
    computerList.setBounds({240, 1020, 7320, 2220});

    messageLabel.setCaption("Send a Message:");
    messageLabel.setBounds({120, 3510, 3000, 225});
    messageText.setMultiLine(true);
    messageText.setScrollBars(forms::ScrollBars::Vertical);
    messageText.setToolTip("Type your message here (NT systems only)");
    messageText.setBounds({120, 3750, 6120, 1620});
    sendButton.setCaption("&Send");
    sendButton.setToolTip("Send your message");
    sendButton.setBounds({6420, 3750, 1260, 375});
    cancelButton.setCaption("&Cancel");
    cancelButton.setBounds({6420, 4245, 1260, 375});
    aboutButton.setCaption("&About");
    aboutButton.setBounds({6420, 4740, 1260, 375});

    statusBar.setPanels({
        {kMsgPanel, forms::PanelStyle::Text, "System messages will display here", 0,
         "Errors, Messages or Additional System Information "},
        {"", forms::PanelStyle::Time, "", 1200, "System Time"},
        {"", forms::PanelStyle::Date, "", 1200, "System Date"},
    });
    setTabOrder({&domainBox, &typeBox, &computerList, &messageText, &sendButton, &cancelButton, &aboutButton});
}

void MainWindow::listDomains(std::uint32_t mask) {
    enumerate(domainFills_, [this] { domainBox.clear(); },
              [this](const std::string& name) { domainBox.addItem(name); }, mask, std::nullopt);
}

void MainWindow::listServers(std::uint32_t mask) {
    enumerate(serverFills_, [this] { computerList.clear(); },
              [this](const std::string& name) { computerList.addItem(name); }, mask, domainBox.text());
}

void MainWindow::enumerate(unsigned& fills, const std::function<void()>& clear,
                           const std::function<void(const std::string&)>& add, std::uint32_t mask,
                           const std::optional<std::string>& domain) {
    const unsigned fill = ++fills;
    clear();
    const platform::ServerList list = context_.lanManager.enumerateServers(mask, domain);
    // With ERROR_MORE_DATA the entries that came are listed before the error says the list is incomplete.
    // The window handles what is waiting between two entries, so the user can
    // act while a long list fills: close the window, or leave the type box
    // again, which starts a fill that replaces this one.
    if (list.result == platform::kLanOk || list.result == platform::kLanMoreData)
        for (const std::string& name : list.names) {
            add(name);
            context_.app.processPendingEvents();
            if (!loaded() || fills != fill) return;
        }
    if (list.result != platform::kLanOk)
        statusBar.setPanelText(kMsgPanel, "Error " + std::to_string(list.result) +
                                              " when trying to obtain server list " +
                                              std::to_string(list.totalEntries));
}

void MainWindow::typeBoxLeft() {
    if (std::optional<std::uint32_t> mask = systemTypeMask(typeBox.text())) listServers(*mask);
}

std::string MainWindow::localComputerName() {
    const platform::ComputerName answer = context_.lanManager.localComputerName();
    return answer.result == platform::kLanOk ? answer.name : std::string();
}

// No check precedes the call: an empty recipient or message goes to the
// call, and its result code says what happened. Where LAN Manager has no
// message send (the call answers 50, not supported, as on every Windows
// since Vista, or its library is missing), the program delivers the message
// itself, off the window's thread, and the panel tells how that went.
void MainWindow::sendMessage() {
    const std::string sender = localComputerName();
    const std::string recipient = computerList.text();
    const std::string message = messageText.text();
    std::uint32_t result;
    {
        forms::BusyCursor busy(*this);
        statusBar.setPanelText(kMsgPanel, "");
        result = context_.lanManager.sendMessage(recipient, sender, message);
    }
    if (result == platform::kLanNotSupported) {
        deliverItself(recipient, message);
    } else if (result != platform::kLanOk) {
        statusBar.setPanelText(kMsgPanel, "Error - Return code: " + std::to_string(result));
    } else {
        showSent(message);
    }
}

// The wait cursor stays while any delivery is out; the window meanwhile
// takes the user's actions as ever. A failure shows the reason alone: the
// recipient is the one selected, and the panel of this fixed-size window
// has no room for more.
void MainWindow::deliverItself(const std::string& recipient, const std::string& message) {
    ++deliveriesOut_;
    setBusy(true);
    context_.sender.deliver(recipient, message, [this, message](const messenger::SendOutcome& outcome) {
        if (--deliveriesOut_ == 0) setBusy(false);
        if (outcome.delivered)
            showSent(message);
        else
            statusBar.setPanelText(kMsgPanel, "Error - " + outcome.reason);
    });
}

// The box is emptied for the next message, unless the user has begun
// another while a delivery was out.
void MainWindow::showSent(const std::string& message) {
    if (messageText.text() == message) messageText.setText("");
    statusBar.setPanelText(kMsgPanel, kSentText);
}

}  // namespace vorlane
