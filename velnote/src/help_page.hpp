#pragma once
// The help page: a static page of labels that explains the net send syntax,
// read from top to bottom. It has no behaviour of its own.
#include "forms/app.hpp"
#include "forms/label.hpp"
#include "forms/window.hpp"

namespace velnote {

class HelpPage : public forms::Window {
public:
    explicit HelpPage(forms::App& app);

    // Labels from top to bottom.
    forms::Label titleLabel{*this, "Label1"};
    forms::Label nameHeading{*this, "Label19"};
    forms::Label nameText{*this, "Label2"};
    forms::Label machineHeading{*this, "Label3"};
    forms::Label machineText{*this, "Label4"};
    forms::Label starLabel{*this, "Label5"};
    forms::Label starText{*this, "Label6"};
    forms::Label domainLabel{*this, "Label9"};
    forms::Label domainText{*this, "Label10"};
    forms::Label domainTextMore{*this, "Label11"};
    forms::Label usersLabel{*this, "Label12"};
    forms::Label usersText{*this, "Label13"};
    forms::Label usersTextMore{*this, "Label14"};
    forms::Label messageHeading{*this, "Label7"};
    forms::Label messageText{*this, "Label8"};
    forms::Label noteHeading{*this, "Label21"};
    forms::Label noteText{*this, "Label18"};
    forms::Label multipleHeading{*this, "Label15"};
    forms::Label multipleHeadingAgain{*this, "Label22"};
    forms::Label multipleText{*this, "Label17"};
    forms::Label moreInfoLabel{*this, "Label20"};

protected:
    void design() override;
};

}  // namespace velnote
