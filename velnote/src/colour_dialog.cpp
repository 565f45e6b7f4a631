#include "colour_dialog.hpp"

#include <algorithm>
#include <tuple>

#include "back_color.hpp"
#include "forms/app.hpp"
#include "program.hpp"
#include "store_error.hpp"

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

ColourDialog::ColourDialog(Program& program) : Window(program.context.app, "Form3"), program_(program) {
    onLoad = [this] { colourDialog(); };
    for (forms::ScrollBar* bar : {&redBar, &greenBar, &blueBar})
        bar->onChange = [this](const forms::ChangeEvent&) { preview(); };
    applyButton.onClick = [this] { apply(); };
    cancelButton.onClick = [this] { unload(); };
    defaultColourButton.onClick = [this] { defaultColor(); };
}

void ColourDialog::design() {
    setCaption("Velnote - Select Background Color");
    setBorderStyle(forms::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 5400, 3720});

    const forms::Font labelFont{"MS Sans Serif", 8.25, true};
    int left = 240;
    for (auto [label, bar, caption] : {std::make_tuple(&redLabel, &redBar, "Red"), std::make_tuple(&greenLabel, &greenBar, "Green"),
                                       std::make_tuple(&blueLabel, &blueBar, "Blue")}) {
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

    previewBox.setReadOnly(true);
    previewBox.setTabStop(false);
    previewBox.setBackColor(forms::colors::WindowText);
    previewBox.setBounds({2520, 1080, 2640, 1560});

    defaultColourButton.setCaption("Default Color");
    defaultColourButton.setBounds({3600, 240, 1560, 375});
    applyButton.setCaption("Apply");
    applyButton.setEnabled(false);
    applyButton.setBounds({2520, 2985, 1200, 375});
    cancelButton.setCaption("Cancel");
    cancelButton.setBounds({3960, 2985, 1200, 375});
}

// Load: the dialog and its labels take the stored colour; the bars, the
// preview and "Apply" keep their design state.
void ColourDialog::colourDialog() {
    const forms::Color color = storedOrDefaultBackColor(program_.context.settings);
    setBackColor(color);
    for (forms::Label* label : {&redLabel, &greenLabel, &blueLabel}) label->setBackColor(color);
}

forms::Color ColourDialog::mixedColor() const { return forms::rgb(redBar.value(), greenBar.value(), blueBar.value()); }

void ColourDialog::preview() {
    applyButton.setEnabled(true);
    previewBox.setBackColor(mixedColor());
}

// Tries the mixed colour on the main window, then asks whether to keep it
// for the next start; "No" gives the main window its old colour back.
void ColourDialog::apply() {
    MainWindow& main = program_.mainWindow;
    const forms::Color old = main.backColor();
    const forms::Color mixed = mixedColor();
    program_.state.appliedBackColor = mixed;
    main.applyBackColor(mixed);
    main.sendButton.setBackColor(lighter(mixed));

    forms::MessageResult answer =
        program_.context.app.messageBox(std::string("Do you wish to save the background color?") + kNextStart,
                                        kColorTitle, MessageButtons::YesNo, MessageIcon::Information);
    if (answer == forms::MessageResult::Yes)
        saveColor(mixed);
    else
        main.applyBackColor(old);

    unload();
    main.show();
}

// The main window goes back to the default colour at once; the dialog hides
// (keeping its bars) and asks whether the default is kept for the next start.
void ColourDialog::defaultColor() {
    program_.mainWindow.applyBackColor(kDefaultBackColor);
    hide();
    forms::MessageResult answer = program_.context.app.messageBox(
        std::string("Do you wish to use the default color as new background color?") + kNextStart, kColorTitle,
        MessageButtons::YesNo, MessageIcon::Information);
    if (answer == forms::MessageResult::Yes) saveColor(kDefaultBackColor);
}

// A colour the store refuses is still shown, but the user learns that the
// next start will not have it.
void ColourDialog::saveColor(forms::Color color) {
    platform::SettingsStore& store = program_.context.settings;
    if (store.writeValue(kApplication, kColorSection, kColorKey, std::to_string(color))) return;
    showStoreError(program_.context.app, "The background color could not be saved for the next start.",
                   kColorSection, store.lastError());
}

}  // namespace velnote
