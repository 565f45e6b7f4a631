#pragma once
// The About window: product name, version and credits on the stored
// background colour.
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/picture.hpp"
#include "forms/window.hpp"

namespace velnote {

class Program;

class AboutWindow : public forms::Window {
public:
    explicit AboutWindow(Program& program);

    forms::Picture picture{*this, "Picture1"};
    forms::Label productLabel{*this, "Label01"};  // product name
    forms::Label versionLabel{*this, "Label02"};  // version
    forms::Label developedByLabel{*this, "Label03"};
    forms::Label creditLabel{*this, "Label04"};  // credits
    forms::Label teamLabel{*this, "Label05"};
    forms::Button okButton{*this, "Command1"};  // "OK"
    forms::Label contactLabel{*this, "Label06"};  // contact address

protected:
    void design() override;

private:
    void aboutColour();

    Program& program_;
};

}  // namespace velnote
