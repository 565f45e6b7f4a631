#pragma once
// Whether the texts of a shown window fit their controls, measured on the real
// windows in each control's own font: for the checks that a layout holds
// every text whole in the fonts the system really has.
#include <string>
#include <vector>

#include "forms/window.hpp"

namespace forms::win32 {

// One line per label or push button of `window` that cannot show its whole
// text: a label's text wrapped at the label's width needs more height or
// width than the label has; a button's caption leaves less than a small
// margin on either side. Each line names the control and the room needed.
// Labels named in `cutOnPurpose` are left out.
std::vector<std::string> textsCutShort(const Window& window, const std::vector<std::string>& cutOnPurpose = {});

// The lines of the label named `name` as it shows them: its text broken at
// its width, without the lines that fall below its bottom edge.
std::vector<std::string> linesShown(const Window& window, const std::string& name);

}  // namespace forms::win32
