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

class Program;

class ColourDialog : public forms::Window {
public:
    explicit ColourDialog(Program& program);

    // Controls, in tab order.
    forms::ScrollBar redBar{*this, "VScroll1"};  // red
    forms::ScrollBar greenBar{*this, "VScroll2"};  // green
    forms::ScrollBar blueBar{*this, "VScroll3"};  // blue
    forms::Button applyButton{*this, "Command1"};     // "Apply"
    forms::TextBox previewBox{*this, "Text1"};          // preview of the mixed colour
    forms::Label redLabel{*this, "Label1"};
    forms::Label greenLabel{*this, "Label2"};
    forms::Label blueLabel{*this, "Label3"};
    forms::Button cancelButton{*this, "Command2"};  // "Cancel"
    forms::Button defaultColourButton{*this, "Command3"};  // "Default Color"

protected:
    void design() override;

private:
    void colourDialog();
    void preview();
    void apply();
    void defaultColor();
    void saveColor(forms::Color color);
    forms::Color mixedColor() const;

    Program& program_;
};

}  // namespace velnote
