#pragma once
// Vorlane's only working window, "Scanlet (Beta)": pick a domain or workgroup
// of the browse list and a system type, leave the type box, and the computers
// of that domain announcing that type are listed; select one, type a message
// and "&Send" it straight through LAN Manager (or, where LAN Manager has no
// message send, by the program's own delivery). The status bar says how it went.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "context.hpp"
#include "forms/button.hpp"
#include "forms/combo_box.hpp"
#include "forms/frame.hpp"
#include "forms/label.hpp"
#include "forms/list_box.hpp"
#include "forms/status_bar.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace vorlane {

struct Program;

// Texts of the status bar's "msg" panel.
constexpr const char* kMsgPanel = "msg";
constexpr const char* kSentText = "Your message was successfully sent... will they read it?";

class MainWindow : public forms::Window {
public:
    MainWindow(Context& context, Program& program);

    forms::Frame browseFrame{*this, "Frame1"};
    forms::Label domainLabel{*this, "Label3"};
    forms::ComboBox domainBox{*this, "Combo2"};
    forms::Label typeLabel{*this, "Label1"};
    forms::ComboBox typeBox{*this, "Combo1"};
    forms::ListBox computerList{*this, "List1"};
    forms::Label messageLabel{*this, "Label2"};
    forms::TextBox messageText{*this, "Text1"};
    forms::Button sendButton{*this, "Command1"};
    forms::Button cancelButton{*this, "Command2"};
    forms::Button aboutButton{*this, "Command3"};
    forms::StatusBar statusBar{*this, "StatusBar1"};

    // Fill the domain box, or the computer list for the domain in the domain
    // box, from the browse list: the computers announcing a type in `mask`.
    void listDomains(std::uint32_t mask);
    void listServers(std::uint32_t mask);

protected:
    void design() override;

private:
    // Clears the target, enumerates, adds each name the call returned, and
    // reports a failure (or an incomplete list) in the "msg" panel. `fills`
    // counts the fills of that target: a fill that a newer one replaced while
    // it handled waiting events stops at once and reports nothing.
    void enumerate(unsigned& fills, const std::function<void()>& clear,
                   const std::function<void(const std::string&)>& add, std::uint32_t mask,
                   const std::optional<std::string>& domain);
    void typeBoxLeft();
    void sendMessage();
    void deliverItself(const std::string& recipient, const std::string& message);
    void showSent(const std::string& message);
    std::string localComputerName();

    Context& context_;
    Program& program_;
    unsigned domainFills_ = 0;
    unsigned serverFills_ = 0;
    unsigned deliveriesOut_ = 0;  // deliveries of the program's own still under way
};

}  // namespace vorlane
