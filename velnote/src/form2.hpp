#pragma once
// The About window: product name, version and credits on the stored
// background colour.
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/picture.hpp"
#include "forms/window.hpp"

namespace velnote {

class Velnote;

class Form2 : public forms::Window {
public:
    explicit Form2(Velnote& program);

    forms::Picture Picture1{*this, "Picture1"};
    forms::Label Label01{*this, "Label01"};  // product name
    forms::Label Label02{*this, "Label02"};  // version
    forms::Label Label03{*this, "Label03"};
    forms::Label Label04{*this, "Label04"};  // credits
    forms::Label Label05{*this, "Label05"};
    forms::Button Command1{*this, "Command1"};  // "OK"
    forms::Label Label06{*this, "Label06"};  // contact address

protected:
    void design() override;

private:
    void aboutColour();

    Velnote& program_;
};

}  // namespace velnote
