#include "form2.hpp"

#include "back_color.hpp"
#include "velnote.hpp"
#include "velnote_version.h"

namespace velnote {

Form2::Form2(Velnote& program) : Window(program.context.app, "Form2"), program_(program) {
    onLoad = [this] { aboutColour(); };
    Command1.onClick = [this] { unload(); };
}

void Form2::design() {
    setCaption("About Velnote");
    setBorderStyle(forms::BorderStyle::FixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 5280, 3780});

    Picture1.setIconResource(1);  // the program's own icon
    Picture1.setBounds({240, 240, 600, 600});

    Label01.setCaption("Velnote ");
    Label01.setFont({"MS Serif", 13.5, false});
    Label01.setBounds({1080, 240, 3600, 375});
    Label02.setCaption("Version " VELNOTE_VERSION_TEXT);
    Label02.setFont({"MS Sans Serif", 12, true});
    Label02.setBounds({1080, 660, 3600, 330});

    Label03.setCaption("                   Developed By : ");
    Label03.setFont({"Times New Roman", 8.25, true});
    Label03.setBounds({0, 1200, 5280, 255});
    const forms::Font creditFont{"Times New Roman", 12, true};
    Label04.setCaption("          The Velnote authors");
    Label04.setFont(creditFont);
    Label04.setBounds({0, 1500, 5280, 330});
    Label05.setCaption("          and the LAN Messengers team");
    Label05.setFont(creditFont);
    Label05.setBounds({0, 1860, 5280, 330});

    Command1.setCaption("OK");
    Command1.setBounds({2040, 2460, 1200, 375});

    Label06.setCaption("Mail your suggestions and bugs at velnote@example.com");
    Label06.setBounds({120, 3120, 5040, 480});
}

// Load: the window, its labels and its picture take the stored colour
// (the default when none, or no valid one, is stored).
void Form2::aboutColour() {
    const forms::Color color = storedOrDefaultBackColor(program_.context.settings);
    setBackColor(color);
    for (forms::Control* control : std::initializer_list<forms::Control*>{&Label01, &Label02, &Label03, &Label04,
                                                                          &Label05, &Label06, &Picture1})
        control->setBackColor(color);
}

}  // namespace velnote
