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

class frmAbout : public forms::Window {
public:
    explicit frmAbout(Context& context);

    forms::Picture Image1{*this, "Image1"};
    forms::Label Label1{*this, "Label1"};
    forms::Label Label6{*this, "Label6"};
    forms::Label lblEMail{*this, "lblEMail"};
    forms::Label lblHomePage{*this, "lblHomePage"};
    forms::Label lblSuitePage{*this, "lblSuitePage"};
    forms::Picture Image2{*this, "Image2"};
    forms::Label Label2{*this, "Label2"};
    forms::Picture Image3{*this, "Image3"};

protected:
    void design() override;

private:
    void openLink(const std::string& target);

    Context& context_;
};

}  // namespace tarrow
