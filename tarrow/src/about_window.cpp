#include "about_window.hpp"

#include "messenger/command_lines.hpp"
#include "resource_ids.h"

namespace tarrow {

AboutWindow::AboutWindow(Context& context) : Window(context.app, "frmAbout"), context_(context) {
    mailLink.onClick = [this] { openLink(std::string("mailto:") + kMailAddress); };
    homePageLink.onClick = [this] { openLink(kHomePage); };
    suitePageLink.onClick = [this] { openLink(kSuitePage); };
}

void AboutWindow::design() {
    setCaption("The Dreaded About box!");
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setMaxButton(false);
    setMinButton(false);
    setStartPosition(forms::StartPosition::CenterScreen);
    setBounds({0, 0, 6000, 3720});

    programPicture.setIconResource(IDI_TARROW);
    programPicture.setBounds({120, 120, 480, 480});
    creditLabel.setCaption("Tarrow\r\nwritten by the LAN Messengers team");
    creditLabel.setFont({"MS Sans Serif", 8.25, true});
    creditLabel.setBounds({720, 150, 5160, 450});

    linksLabel.setCaption(" If you like this software, please visit the following links:");
    linksLabel.setBounds({120, 780, 5760, 255});
    // Links: blue, underlined, with the hand pointer.
    const forms::Font linkFont{"MS Sans Serif", 8.25, false, false, true};
    int top = 1080;
    for (forms::Label* link : {&mailLink, &homePageLink, &suitePageLink}) {
        link->setForeColor(forms::rgb(0, 0, 255));
        link->setFont(linkFont);
        link->setCursor(forms::Cursor::Hand);
        link->setBounds({480, top, 3600, 255});
        top += 300;
    }
    mailLink.setCaption(kMailAddress);
    homePageLink.setCaption(kHomePage);
    suitePageLink.setCaption(kSuitePage);

    envelopePicture.setIconResource(IDI_ENVELOPE);
    envelopePicture.setBounds({120, 2160, 480, 480});
    termsLabel.setCaption(
        "Tarrow is free to use and to pass on. It comes with no warranty of any kind: "
        "its authors are not liable for any loss or harm that comes from using it. "
        "Broadcast messages reach everyone on the network; send them only with your "
        "administrator's consent.");
    termsLabel.setBounds({720, 2160, 4560, 1260});
    networkPicture.setIconResource(IDI_NETWORK);
    networkPicture.setBounds({5400, 2160, 480, 480});
}

// The fixed browser first; when it cannot be started, the system's own handler
// for the link; when that fails too, a box says so. A link never ends the program.
void AboutWindow::openLink(const std::string& target) {
    messenger::ProcessRunner& runner = context_.runner;
    if (runner.run(std::string(kBrowserPath) + " " + target, messenger::WindowStyle::Normal).started) return;

    messenger::StartResult opened = runner.shellExecute(messenger::tarrowLinkRequest(target));
    if (opened.started) return;
    context_.app.messageBox("The link " + target + " could not be opened.\r\n\r\nError " +
                                std::to_string(opened.errorNumber) + ", " + opened.errorText,
                            forms::MessageButtons::Ok, forms::MessageIcon::Exclamation);
}

}  // namespace tarrow
