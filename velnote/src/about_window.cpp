#include "about_window.hpp"

#include "back_color.hpp"
#include "program.hpp"
#include "velnote_version.h"

namespace velnote {

AboutWindow::AboutWindow(Program& program) : Window(program.context.app, "Form2"), program_(program) {
    onLoad = [this] { aboutColour(); };
    okButton.onClick = [this] { unload(); };
}

void AboutWindow::design() {
    setCaption("About Velnote");
    setBorderStyle(forms::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 5280, 3780});

    picture.setIconResource(1);  // the program's own icon
    picture.setBounds({240, 240, 600, 600});

    productLabel.setCaption("Velnote ");
    productLabel.setFont({"MS Serif", 13.5, false});
    productLabel.setBounds({1080, 240, 3600, 375});
    versionLabel.setCaption("Version " VELNOTE_VERSION_TEXT);
    versionLabel.setFont({"MS Sans Serif", 12, true});
    versionLabel.setBounds({1080, 660, 3600, 330});

    developedByLabel.setCaption("                   Developed By : ");
    developedByLabel.setFont({"Times New Roman", 8.25, true});
    developedByLabel.setBounds({0, 1200, 5280, 255});
    const forms::Font creditFont{"Times New Roman", 12, true};
    creditLabel.setCaption("          The Velnote authors");
    creditLabel.setFont(creditFont);
    creditLabel.setBounds({0, 1500, 5280, 330});
    teamLabel.setCaption("          and the LAN Messengers team");
    teamLabel.setFont(creditFont);
    teamLabel.setBounds({0, 1860, 5280, 330});

    okButton.setCaption("OK");
    okButton.setBounds({2040, 2460, 1200, 375});

    contactLabel.setCaption("Mail your suggestions and bugs at velnote@example.com");
    contactLabel.setBounds({120, 3120, 5040, 480});
}

// Load: the window, its labels and its picture take the stored colour
// (the default when none, or no valid one, is stored).
void AboutWindow::aboutColour() {
    const forms::Color color = storedOrDefaultBackColor(program_.context.settings);
    setBackColor(color);
    for (forms::Control* control : std::initializer_list<forms::Control*>{&productLabel, &versionLabel, &developedByLabel, &creditLabel,
                                                                          &teamLabel, &contactLabel, &picture})
        control->setBackColor(color);
}

}  // namespace velnote
