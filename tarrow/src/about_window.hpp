#pragma once
// The About window: pictures, the credit, the terms of use and three links
// (a mail address and two web pages). Not modal; it closes with its close box.
#include <string>

#include "context.hpp"
#include "forms/label.hpp"
#include "forms/picture.hpp"
#include "forms/window.hpp"

namespace tarrow {

// The browser every link is first handed to, followed by a blank and the link.
constexpr const char* kBrowserPath = "c:\\Program Files\\Plus!\\Microsoft Internet\\iexplore.exe";

constexpr const char* kMailAddress = "tarrow@example.com";
constexpr const char* kHomePage = "http://www.example.com/tarrow/";
constexpr const char* kSuitePage = "http://www.example.com/lan-messengers/";

class AboutWindow : public forms::Window {
public:
    explicit AboutWindow(Context& context);

    forms::Picture programPicture{*this, "Image1"};
    forms::Label creditLabel{*this, "Label1"};
    forms::Label linksLabel{*this, "Label6"};
    forms::Label mailLink{*this, "lblEMail"};
    forms::Label homePageLink{*this, "lblHomePage"};
    forms::Label suitePageLink{*this, "lblSuitePage"};
    forms::Picture envelopePicture{*this, "Image2"};
    forms::Label termsLabel{*this, "Label2"};
    forms::Picture networkPicture{*this, "Image3"};

protected:
    void design() override;

private:
    void openLink(const std::string& target);

    Context& context_;
};

}  // namespace tarrow
