#include "form3.hpp"

#include <algorithm>
#include <tuple>

#include "back_color.hpp"
#include "forms/app.hpp"
#include "velnote.hpp"

namespace velnote {

using forms::MessageButtons;
using forms::MessageIcon;

namespace {

const char* const kColorTitle = "Velnote - Background Color";
const char* const kNextStart =
    "\r\nClicking on yes will load this color as background color when you start Velnote next time ";

// The send button shows the colour a little lighter: each channel raised by 3, at most 255.
forms::Color lighter(forms::Color color) {
    auto channel = [color](int shift) { return std::min(255, static_cast<int>((color >> shift) & 0xFF) + 3); };
    return forms::rgb(channel(0), channel(8), channel(16));
}

}  // namespace

Form3::Form3(Velnote& program) : Window(program.context.app, "Form3"), program_(program) {
    onLoad = [this] { colourDialog(); };
    for (forms::ScrollBar* bar : {&VScroll1, &VScroll2, &VScroll3})
        bar->onChange = [this](const forms::ChangeEvent&) { preview(); };
    Command1.onClick = [this] { apply(); };
    Command2.onClick = [this] { unload(); };
    Command3.onClick = [this] { defaultColor(); };
}

void Form3::design() {
    setCaption("Velnote - Select Background Color");
    setBorderStyle(forms::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 5400, 3720});

    const forms::Font labelFont{"MS Sans Serif", 8.25, true};
    int left = 240;
    for (auto [label, bar, caption] : {std::make_tuple(&Label1, &VScroll1, "Red"), std::make_tuple(&Label2, &VScroll2, "Green"),
                                       std::make_tuple(&Label3, &VScroll3, "Blue")}) {
        label->setCaption(caption);
        label->setFont(labelFont);
        label->setBackColor(forms::colors::ButtonFace);
        label->setAlignment(forms::Alignment::Center);
        label->setBounds({left - 120, 180, 660, 255});
        bar->setRange(0, 255);
        bar->setChanges(1, 1);
        bar->setBounds({left, 480, 255, 2880});
        left += 720;
    }

    Text1.setReadOnly(true);
    Text1.setTabStop(false);
    Text1.setBackColor(forms::colors::WindowText);
    Text1.setBounds({2520, 1080, 2640, 1560});

    Command3.setCaption("Default Color");
    Command3.setBounds({3600, 240, 1560, 375});
    Command1.setCaption("Apply");
    Command1.setEnabled(false);
    Command1.setBounds({2520, 2985, 1200, 375});
    Command2.setCaption("Cancel");
    Command2.setBounds({3960, 2985, 1200, 375});
}

// Load: the dialog and its labels take the stored colour; the bars, the
// preview and "Apply" keep their design state.
void Form3::colourDialog() {
    const forms::Color color = storedOrDefaultBackColor(program_.context.settings);
    setBackColor(color);
    for (forms::Label* label : {&Label1, &Label2, &Label3}) label->setBackColor(color);
}

forms::Color Form3::mixedColor() const { return forms::rgb(VScroll1.value(), VScroll2.value(), VScroll3.value()); }

void Form3::preview() {
    Command1.setEnabled(true);
    Text1.setBackColor(mixedColor());
}

// Tries the mixed colour on the main window, then asks whether to keep it
// for the next start; "No" gives the main window its old colour back.
void Form3::apply() {
    Form1& main = program_.form1;
    const forms::Color old = main.backColor();
    const forms::Color mixed = mixedColor();
    program_.state.appliedBackColor = mixed;
    main.applyBackColor(mixed);
    main.Command1.setBackColor(lighter(mixed));

    forms::MessageResult answer =
        program_.context.app.messageBox(std::string("Do you wish to save the background color?") + kNextStart,
                                        kColorTitle, MessageButtons::YesNo, MessageIcon::Information);
    if (answer == forms::MessageResult::Yes)
        program_.context.settings.writeValue(kApplication, kColorSection, kColorKey, std::to_string(mixed));
    else
        main.applyBackColor(old);

    unload();
    main.show();
}

// The main window goes back to the default colour at once; the dialog hides
// (keeping its bars) and asks whether the default is kept for the next start.
void Form3::defaultColor() {
    program_.form1.applyBackColor(kDefaultBackColor);
    hide();
    forms::MessageResult answer = program_.context.app.messageBox(
        std::string("Do you wish to use the default color as new background color?") + kNextStart, kColorTitle,
        MessageButtons::YesNo, MessageIcon::Information);
    if (answer == forms::MessageResult::Yes)
        program_.context.settings.writeValue(kApplication, kColorSection, kColorKey, std::to_string(kDefaultBackColor));
}

}  // namespace velnote
