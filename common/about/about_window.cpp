#include "about_window.hpp"

namespace about {

AboutWindow::AboutWindow(forms::App& app, platform::SystemInfo& system, AboutTexts texts)
    : Window(app, "frmAbout"), system_(system), texts_(std::move(texts)) {
    for (const auto& credit : texts_.credits)
        creditLabels.push_back(std::make_unique<forms::Label>(*this, credit.first));
    onLoad = [this] {
        setCaption(texts_.caption);
        titleLabel.setCaption(texts_.title);
        const platform::ProgramVersion version = system_.programVersion();
        versionLabel.setCaption("Version " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
                                std::to_string(version.revision));
    };
    okButton.onClick = [this] { unload(); };
    sysInfoButton.onClick = [this] { startSysInfo(); };
}

void AboutWindow::design() {
    setBorderStyle(forms::BorderStyle::FixedDialog);
    setMaxButton(false);
    setMinButton(false);
    setShowInTaskbar(false);
    setMdiParent(texts_.mdiParent);
    setStartPosition(texts_.mdiParent ? forms::StartPosition::WindowsDefault : forms::StartPosition::CenterScreen);
    setBounds({0, 0, 5730, 4035});

    iconPicture.setIconResource(texts_.iconResource);
    iconPicture.setBounds({240, 240, 540, 540});
    titleLabel.setFont({"MS Sans Serif", 12, true});
    titleLabel.setBounds({1050, 240, 4400, 360});
    versionLabel.setBounds({1050, 660, 4400, 225});
    descriptionLabel.setCaption(texts_.description);
    descriptionLabel.setBounds({1050, 960, 4400, 1170});
    // The etched separator: a shadow line with a highlight line one pixel below.
    separatorLines[0].setBackColor(forms::colors::ButtonShadow);
    separatorLines[0].setBounds({120, 2220, 5400, 15});
    separatorLines[1].setBackColor(forms::colors::ButtonHighlight);
    separatorLines[1].setBounds({120, 2235, 5400, 15});
    // Room for two lines: the terms may take them.
    disclaimerLabel.setCaption(texts_.disclaimer);
    disclaimerLabel.setBounds({255, 2400, 3750, 420});
    int top = 2850;
    for (std::size_t i = 0; i < creditLabels.size(); ++i, top += 270) {
        creditLabels[i]->setCaption(texts_.credits[i].second);
        creditLabels[i]->setBounds({255, top, 3750, 255});
    }

    okButton.setCaption("OK");
    okButton.setBounds({4125, 2400, 1380, 345});
    sysInfoButton.setCaption("&System Info...");
    sysInfoButton.setBounds({4125, 2850, 1380, 345});
    setDefaultButton(&okButton);
    setCancelButton(&okButton);
    setTabOrder({&okButton, &sysInfoButton});
}

bool AboutWindow::getKeyValue(const std::string& key, const std::string& value, std::string& text) {
    std::optional<std::string> read = system_.machineValue(key, value);
    text = read ? *read : std::string();
    return read.has_value();
}

void AboutWindow::startSysInfo() {
    std::string path;
    if (!getKeyValue(kMsinfoKey, "PATH", path)) {
        std::string folder;
        if (getKeyValue(kMsinfoLocationKey, "MSINFO", folder) && system_.fileExists(folder + "\\MSINFO32.EXE"))
            path = folder + "\\MSINFO32.EXE";
    }
    if (path.empty() || !system_.startProgram(path)) app().messageBox(kSysInfoUnavailable);
}

}  // namespace about
