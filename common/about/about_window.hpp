#pragma once
// The About window `frmAbout` that Pingrel and Vorlane share: the program's
// icon, title, version (from the program's version resource), description,
// an etched line, comments and credits, "OK" (Enter and Esc press it) and "&System Info...",
// which starts the system's System Information program. Each program passes
// its own texts; the window is not modal.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/app.hpp"
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/line.hpp"
#include "forms/picture.hpp"
#include "forms/window.hpp"
#include "platform/system_info.hpp"

namespace about {

struct AboutTexts {
    std::string caption;      // the window's caption at load
    std::string title;        // lblTitle at load
    std::string description;  // lblDescription
    std::string disclaimer;   // lblDisclaimer
    // The credit labels: automation name and text, in order.
    std::vector<std::pair<std::string, std::string>> credits;
    int iconResource = 0;
    // Where the window opens: a top-level window centred on the screen, or a
    // child of the program's MDI frame.
    forms::MdiFrame* mdiParent = nullptr;
};

// The registry locations of the System Information program, under HKEY_LOCAL_MACHINE.
constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kMsinfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

class AboutWindow : public forms::Window {
public:
    AboutWindow(forms::App& app, platform::SystemInfo& system, AboutTexts texts);

    forms::Picture iconPicture{*this, "picIcon"};
    forms::Label titleLabel{*this, "lblTitle"};
    forms::Label versionLabel{*this, "lblVersion"};
    forms::Label descriptionLabel{*this, "lblDescription"};
    forms::Line separatorLines[2] = {{*this, "Line1"}, {*this, "Line1"}};

    forms::Label disclaimerLabel{*this, "lblDisclaimer"};
    std::vector<std::unique_ptr<forms::Label>> creditLabels;
    forms::Button okButton{*this, "cmdOK"};
    forms::Button sysInfoButton{*this, "cmdSysInfo"};

    // Reads the string value `value` of `key` under HKEY_LOCAL_MACHINE into
    // `text`; false (and `text` empty) when it cannot be read.
    bool getKeyValue(const std::string& key, const std::string& value, std::string& text);
    // Starts System Information, or says in a box that it is unavailable.
    void startSysInfo();

protected:
    void design() override;

private:
    platform::SystemInfo& system_;
    AboutTexts texts_;
};

}  // namespace about
