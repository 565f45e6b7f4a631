#pragma once
// PingrelGUI's only window `wMain`: the address book on the left (Add, Edit,
// Remove, sort by a column, double-click to edit), the message on the right
// (Send, Clear, About), and the status bar below, whose first panel carries
// every status text.
#include <string>
#include <vector>

#include "context.hpp"
#include "forms/button.hpp"
#include "forms/frame.hpp"
#include "forms/list_view.hpp"
#include "forms/status_bar.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace pingrelgui {

// The program's home page: at the end of the start-up text and in the About box.
constexpr const char* kHomePage = "http://www.example.com/pingrelgui/";

class MainWindow : public forms::Window {
public:
    explicit MainWindow(Context& context);

    // Left: the address book.
    forms::Frame bookFrame{*this, "Frame1"};
    forms::ListView addressBook{*this, "lvwAddressBook"};
    forms::Button addButton{*this, "cmdAdd"};
    forms::Button editButton{*this, "cmdEdit"};
    forms::Button removeButton{*this, "cmdRemove"};
    // Right: the message.
    forms::Frame messageFrame{*this, "Frame2"};
    forms::TextBox message{*this, "txtMsg"};
    forms::Button sendButton{*this, "cmdSend"};
    forms::Button clearButton{*this, "cmdClear"};
    forms::Button aboutButton{*this, "cmdAbout"};
    // Bottom.
    forms::StatusBar statusBar{*this, "stbStatus"};

    // Writes the first panel of the status bar (every status text goes here).
    void setStatus(const std::string& text);

protected:
    void design() override;

private:
    void startUp();
    // The book and its file.
    std::string bookPath() const;
    void loadAddressBook();
    void addEntries(const std::vector<std::string>& lines);
    // True when the list holds what the file holds, reading the file again
    // first when the start could not (false, with the save-failure box,
    // when it still cannot).
    bool bookReadBeforeWriting();
    // What the list holds (cells with their tool tips) and which row is selected.
    struct BookState {
        std::vector<std::vector<forms::ListCell>> rows;
        int selected = -1;
    };
    BookState bookState() const;
    void restore(const BookState& state);
    // Writes the list to the file; when that fails, says why and puts the
    // list back as it was before (so that it matches the file again).
    void saveAddressBook(const BookState& before);
    void reportSaveFailure(const platform::FileError& error);
    // Asks for a name until it holds no double quote; "" when given up.
    std::string askName(const std::string& prompt, const std::string& title, std::string answer);
    void addEntry();
    void editEntry();
    void removeEntry();
    void sortBy(int column);
    // The selected row, or -1 (with a status text) when the book has entries but none is selected.
    int selectedEntry();
    // The message.
    void sendMessage();
    void clearMessage();
    void showStatusWhole();
    void about();
    void reportNoProgram(const messenger::StartResult& result);

    Context& context_;
    // Whether the list holds the file: not when the start found it missing
    // (a network folder gone for a moment looks the same) or unreadable.
    bool bookRead_ = false;
};

}  // namespace pingrelgui
