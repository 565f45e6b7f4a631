#pragma once
// The help page: a static page of labels that explains the net send syntax,
// read from top to bottom. It has no behaviour of its own.
#include "forms/app.hpp"
#include "forms/label.hpp"
#include "forms/window.hpp"

namespace velnote {

class Form5 : public forms::Window {
public:
    explicit Form5(forms::App& app);

    // Labels from top to bottom.
    forms::Label Label1{*this, "Label1"};
    forms::Label Label19{*this, "Label19"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label5{*this, "Label5"};
    forms::Label Label6{*this, "Label6"};
    forms::Label Label9{*this, "Label9"};
    forms::Label Label10{*this, "Label10"};
    forms::Label Label11{*this, "Label11"};
    forms::Label Label12{*this, "Label12"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label14{*this, "Label14"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label21{*this, "Label21"};
    forms::Label Label18{*this, "Label18"};
    forms::Label Label15{*this, "Label15"};
    forms::Label Label22{*this, "Label22"};
    forms::Label Label17{*this, "Label17"};
    forms::Label Label20{*this, "Label20"};

protected:
    void design() override;
};

}  // namespace velnote
