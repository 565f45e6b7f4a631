#pragma once
// The store window `frmStore` ("Pingrel Store", inside the frame): the
// stored recipients and messages, read afresh at each load. A double-click
// copies a recipient into the main window's list, or (after asking) a
// message into its message box; Delete or Backspace removes the selected
// entry from its file and its list.
#include <string>

#include "context.hpp"
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/list_box.hpp"
#include "forms/window.hpp"
#include "store.hpp"

namespace pingrel {

struct Program;

class StoreWindow : public forms::Window {
public:
    StoreWindow(Context& context, Program& program);

    forms::Label computersLabel{*this, "Label1"};
    forms::ListBox computers{*this, "lstComputers"};
    forms::Label messagesLabel{*this, "Label2"};
    forms::ListBox messages{*this, "lstMessages"};
    forms::Button okButton{*this, "cmdOK"};

protected:
    void design() override;

private:
    void loadStore();
    void fill(forms::ListBox& list, const char* file);
    void copyRecipient();
    void copyMessage();
    void removeSelected(forms::ListBox& list, const char* file);

    Context& context_;
    Program& program_;
    Store store_;
};

}  // namespace pingrel
