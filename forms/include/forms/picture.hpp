#pragma once
// A picture box showing one of the program's icons (by resource number),
// centred on its back colour.
#include <string>

#include "forms/control.hpp"

namespace forms {

class Picture : public Control {
public:
    Picture(Window& window, std::string name);

    // Resource number of the icon shown; 0 shows none.
    int iconResource() const { return iconResource_; }
    void setIconResource(int id);

    bool focusable() const override { return false; }
    void reset() override;

private:
    int iconResource_ = 0;
};

}  // namespace forms
