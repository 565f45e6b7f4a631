#pragma once
// The background colour dialog: mix red, green and blue on three bars, try
// the colour on the main window ("Apply"), keep it for the next start or
// not, or go back to the default colour.
#include "forms/button.hpp"
#include "forms/label.hpp"
#include "forms/scroll_bar.hpp"
#include "forms/text_box.hpp"
#include "forms/window.hpp"

namespace velnote {

class Velnote;

class Form3 : public forms::Window {
public:
    explicit Form3(Velnote& program);

    // Controls, in tab order.
    forms::ScrollBar VScroll1{*this, "VScroll1"};  // red
    forms::ScrollBar VScroll2{*this, "VScroll2"};  // green
    forms::ScrollBar VScroll3{*this, "VScroll3"};  // blue
    forms::Button Command1{*this, "Command1"};     // "Apply"
    forms::TextBox Text1{*this, "Text1"};          // preview of the mixed colour
    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::Button Command2{*this, "Command2"};  // "Cancel"
    forms::Button Command3{*this, "Command3"};  // "Default Color"

protected:
    void design() override;

private:
    void colourDialog();
    void preview();
    void apply();
    void defaultColor();
    forms::Color mixedColor() const;

    Velnote& program_;
};

}  // namespace velnote
