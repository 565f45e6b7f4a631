#include "main_window.hpp"

#include <algorithm>

#include "address_book.hpp"
#include "messenger/command_lines.hpp"
#include "platform/unicode.hpp"

namespace pingrelgui {

namespace {
constexpr const char* kStatusPanel = "status";
constexpr const char* kCrLf = "\r\n";
const forms::Font kTahoma{"Tahoma", 8.25, false};

std::string startUpText() {
    return std::string("You need to have at least one entry in the ") +
           "address book to the left to be able to send a " +
           "message. Start by clicking on Add and following " +
           "the given instructions. You can test by entering " +
           "the name of your computer into the Name field when prompted." + kCrLf + kCrLf +
           "The Messenger service needs to be running for Pingrel GUI " + "to operate." + kCrLf + kCrLf +
           std::string(9, ' ') + kHomePage;
}

bool blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}
}  // namespace

MainWindow::MainWindow(Context& context) : Window(context.app, "wMain"), context_(context) {
    onLoad = [this] { startUp(); };

    addButton.onClick = [this] { addEntry(); };
    editButton.onClick = [this] { editEntry(); };
    removeButton.onClick = [this] { removeEntry(); };
    addressBook.onColumnClick = [this](int column) { sortBy(column); };
    addressBook.onItemClick = [this](int row) {
        setStatus("Your message will be sent to " + addressBook.itemText(row) + " ...");
    };
    addressBook.onDoubleClick = [this] { editEntry(); };

    sendButton.onClick = [this] { sendMessage(); };
    clearButton.onClick = [this] { clearMessage(); };
    message.onDoubleClick = [this] { clearMessage(); };
    // By the time Enter is released the box has taken it as a line break,
    // which goes into the message sent.
    message.onKeyUp = [this](forms::KeyEvent& key) {
        if (key.keyCode != forms::keys::Return) return;
        sendButton.setFocus();
        sendMessage();
    };
    statusBar.onDoubleClick = [this] { showStatusWhole(); };
    aboutButton.onClick = [this] { about(); };
}

void MainWindow::design() {
    setCaption("Pingrel GUI v0.1" + std::string(42, ' ') + "- Drabline -");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 9480, 4980});

    bookFrame.setCaption("Address Book");
    bookFrame.setBounds({120, 60, 4560, 4200});
    addressBook.setFont(kTahoma);
    // One entry stays selected while the book has entries: a click beside
    // the rows leaves the entry selected, wherever a sort has moved it.
    addressBook.setKeepSelection(true);
    addressBook.addColumn("Name", 1800);
    addressBook.addColumn("Description", 2400);
    addressBook.setBounds({240, 300, 4320, 3300});
    addButton.setCaption("Add");
    addButton.setBounds({240, 3720, 1380, 375});
    editButton.setCaption("Edit");
    editButton.setBounds({1710, 3720, 1380, 375});
    removeButton.setCaption("Remove");
    removeButton.setBounds({3180, 3720, 1380, 375});

    messageFrame.setCaption("Enter Message");
    messageFrame.setBounds({4800, 60, 4560, 4200});
    message.setMultiLine(true);
    message.setScrollBars(forms::ScrollBars::Vertical);
    message.setFont(kTahoma);
    message.setBounds({4920, 300, 4320, 3300});
    sendButton.setCaption("Send");
    sendButton.setFont({"MS Sans Serif", 8.25, true});
    sendButton.setBounds({4920, 3720, 1380, 375});
    clearButton.setCaption("Clear");
    clearButton.setBounds({6390, 3720, 1380, 375});
    aboutButton.setCaption("About");
    aboutButton.setBounds({7860, 3720, 1380, 375});

    statusBar.setPanels({{kStatusPanel, forms::PanelStyle::Text,
                          "Select an entry from the address book and hit Send to send to that user/computer..", 0, ""},
                         {"caps", forms::PanelStyle::CapsLock, "", 900, ""}});

    setTabOrder({&message, &sendButton, &clearButton, &aboutButton, &addressBook, &addButton, &editButton,
                 &removeButton});
}

void MainWindow::setStatus(const std::string& text) { statusBar.setPanelText(kStatusPanel, text); }

// Start-up: the instructions, selected so that the first key replaces them; then the book.
void MainWindow::startUp() {
    message.setText(startUpText());
    message.selectAll();
    message.setFocus();
    loadAddressBook();
}

std::string MainWindow::bookPath() const { return addressBookPath(context_.programFolder); }

// Every line becomes an entry, so that the next save loses none. A missing
// file is a first start (nothing to say); a file that cannot be read leaves
// the book empty and says why. Either way the file is read again before the
// first write (only an Add can change an empty book).
void MainWindow::loadAddressBook() {
    bookRead_ = false;
    const platform::TextFileContents file = context_.files.readLines(bookPath());
    if (file.outcome == platform::ReadOutcome::Missing) return;
    if (file.outcome == platform::ReadOutcome::Unreadable) {
        setStatus("The address book could not be read: " + file.error.text);
        return;
    }
    bookRead_ = true;
    addEntries(file.lines);
    if (addressBook.listCount() == 0)
        setStatus("Begin by adding an entry to your address book..");
    else
        addressBook.setSelectedIndex(0);
}

void MainWindow::addEntries(const std::vector<std::string>& lines) {
    for (const Entry& entry : parseAddressBook(lines)) addressBook.addItem({{entry.name, {}}, {entry.description, {}}});
}

// Every write replaces the whole file with the list: a list that never held
// the file would wipe out every entry in it.
bool MainWindow::bookReadBeforeWriting() {
    if (bookRead_) return true;
    const platform::TextFileContents file = context_.files.readLines(bookPath());
    if (file.outcome == platform::ReadOutcome::Unreadable) {
        reportSaveFailure(file.error);
        return false;
    }
    bookRead_ = true;
    if (file.outcome == platform::ReadOutcome::Read) addEntries(file.lines);
    return true;
}

MainWindow::BookState MainWindow::bookState() const {
    BookState state;
    for (int row = 0; row < addressBook.listCount(); ++row)
        state.rows.push_back({{addressBook.cellText(row, 0), addressBook.cellToolTip(row, 0)},
                              {addressBook.cellText(row, 1), addressBook.cellToolTip(row, 1)}});
    state.selected = addressBook.selectedIndex();
    return state;
}

void MainWindow::restore(const BookState& state) {
    addressBook.clear();
    for (const auto& cells : state.rows) addressBook.addItem(cells);
    if (state.selected >= 0) addressBook.setSelectedIndex(state.selected);
}

// The whole list, in its order, replaces the file in one step. On failure
// the file is as it was, and so is the list: what the window shows is what
// the next start reads.
void MainWindow::saveAddressBook(const BookState& before) {
    std::vector<Entry> entries;
    for (int row = 0; row < addressBook.listCount(); ++row)
        entries.push_back({addressBook.cellText(row, 0), addressBook.cellText(row, 1)});
    if (context_.files.replaceLines(bookPath(), addressBookLines(entries))) {
        setStatus("The address book has been updated and saved.");
        return;
    }
    const platform::FileError error = context_.files.lastError();
    restore(before);
    reportSaveFailure(error);
}

// The path stands alone at the left margin, between empty lines, so that it
// has the whole width of the box and reads as one piece wherever it wraps.
void MainWindow::reportSaveFailure(const platform::FileError& error) {
    context_.app.messageBox("There was an error saving the address book: " + std::string(kCrLf) + "    " + error.text +
                                kCrLf + kCrLf + bookPath() + kCrLf + kCrLf +
                                "The address book is left as it was; the change was not saved.",
                            forms::MessageButtons::Ok, forms::MessageIcon::Exclamation);
}

// net send could not be given a name with a double quote, and no user, group
// or computer name holds one: the user is told and asked again with the answer.
std::string MainWindow::askName(const std::string& prompt, const std::string& title, std::string answer) {
    for (;;) {
        answer = withoutSeparator(context_.app.inputBox(prompt, title, answer));
        if (messenger::recipientProblem(answer) != messenger::RecipientProblem::HoldsQuote) return answer;
        context_.app.messageBox("A name cannot hold a double quote (\"): no user, group or computer name has one." +
                                    std::string(kCrLf) + "Please enter the name again.",
                                forms::MessageButtons::Ok, forms::MessageIcon::Exclamation);
    }
}

void MainWindow::addEntry() {
    const std::string name = askName("Please enter the name of this user, group or computer." + std::string(kCrLf) +
                                         "This target name must of course exist within your LAN.",
                                     "Add Entry: Name", "New User " + std::to_string(addressBook.listCount()));
    if (name.empty()) return;
    const std::string description = withoutSeparator(context_.app.inputBox(
        "Now enter an optional description for this new entry.", "Add Entry: Name -> Description", "New item"));
    if (description.empty()) return;
    if (!bookReadBeforeWriting()) return;
    const BookState before = bookState();
    addressBook.addItem({{name, name}, {description, description}});
    if (addressBook.selectedIndex() < 0) addressBook.setSelectedIndex(0);
    saveAddressBook(before);
}

void MainWindow::editEntry() {
    if (addressBook.listCount() == 0) return;
    const int row = selectedEntry();
    if (row < 0) return;
    const std::string oldName = addressBook.cellText(row, 0);
    const std::string oldDescription = addressBook.cellText(row, 1);
    const std::string name = askName("Edit the '" + oldName + "' entry's name.", "Edit Entry: Name", oldName);
    if (name.empty()) return;
    const std::string description = withoutSeparator(context_.app.inputBox(
        "Edit the '" + oldName + "' entry's description.", "Edit Entry: Name -> Description", oldDescription));
    if (description.empty()) return;
    if (name == oldName && description == oldDescription) return;
    const BookState before = bookState();
    addressBook.setCellText(row, 0, name);
    addressBook.setCellToolTip(row, 0, name);
    addressBook.setCellText(row, 1, description);
    addressBook.setCellToolTip(row, 1, description);
    saveAddressBook(before);
}

void MainWindow::removeEntry() {
    if (addressBook.listCount() == 0) return;
    const int row = selectedEntry();
    if (row < 0) return;
    const BookState before = bookState();
    addressBook.removeItem(row);
    // The entry that took its place (or the new last one) is selected next.
    if (addressBook.listCount() > 0) addressBook.setSelectedIndex(std::min(row, addressBook.listCount() - 1));
    saveAddressBook(before);
}

// A one-time sort by the clicked column, kept in the file; later additions go to the end.
void MainWindow::sortBy(int column) {
    if (addressBook.listCount() == 0) return;
    const BookState before = bookState();
    addressBook.sortByColumn(column);
    saveAddressBook(before);
}

int MainWindow::selectedEntry() {
    const int row = addressBook.selectedIndex();
    if (row < 0) setStatus("No entry of the address book is selected.");
    return row;
}

void MainWindow::sendMessage() {
    if (addressBook.listCount() == 0) {
        setStatus("You need to have at least one entry in your address book!");
        return;
    }
    if (message.text().empty()) {
        setStatus("Enter a message to send first!");
        return;
    }
    const int row = selectedEntry();
    if (row < 0) return;
    const std::string name = addressBook.itemText(row);
    if (blank(name)) {
        setStatus("The selected entry has no name to send to: edit it first.");
        return;
    }
    // A name from the file may hold one; net send could not be given it.
    if (messenger::recipientProblem(name) == messenger::RecipientProblem::HoldsQuote) {
        setStatus("The name " + name + " holds a double quote, which net send cannot take: edit it first.");
        return;
    }
    // The command line goes straight to the system, not through the shell,
    // so that its outcome can be watched: its length is the system's limit.
    const std::string command = messenger::pingrelGuiCommand(name, message.text());
    if (!messenger::fitsCommandLine(command)) {
        const std::size_t over = platform::utf16Length(command) - messenger::kMaxCommandLine;
        context_.app.messageBox("The message is too long to send: a command line holds at most " +
                                    std::to_string(messenger::kMaxCommandLine) + " characters." + kCrLf + kCrLf +
                                    messenger::shortenRequest(over),
                                forms::MessageButtons::Ok, forms::MessageIcon::Exclamation);
        return;
    }
    setStatus("Sending message to " + name + " ...");
    context_.sender.send({name, message.text(), command, messenger::WindowStyle::Hidden},
                         [this, name](const messenger::SendOutcome& outcome) {
                             setStatus(outcome.delivered ? "Message sent to " + name + "."
                                                         : "Message not sent to " + name + ": " + outcome.reason);
                         });
}

// The box speaks of a browser: it is the shell's failure for a web page no
// program is there for.
void MainWindow::reportNoProgram(const messenger::StartResult& result) {
    if (messenger::isNoAssociationFailure(result))
        context_.app.messageBox("Um.. you don't appear to have a web-browser installed...", "Error visiting link...",
                                forms::MessageButtons::Ok, forms::MessageIcon::Exclamation);
}

void MainWindow::clearMessage() {
    message.setText("");
    message.setFocus();
}

void MainWindow::showStatusWhole() {
    context_.app.messageBox(statusBar.text(), "Status bar..", forms::MessageButtons::Ok,
                            forms::MessageIcon::Information);
}

void MainWindow::about() {
    const std::string text = std::string(6, ' ') + "PingrelGUI by the LAN Messengers team" + kCrLf + "  " + kHomePage +
                             kCrLf + kCrLf + "       Wanna go there, hmm?";
    if (context_.app.messageBox(text, forms::MessageButtons::YesNo, forms::MessageIcon::Information) !=
        forms::MessageResult::Yes)
        return;
    reportNoProgram(context_.runner.shellExecute(messenger::pingrelGuiLinkRequest(kHomePage, nativeHandle())));
}

}  // namespace pingrelgui
