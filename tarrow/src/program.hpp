#pragma once
// Tarrow's windows, made together so that each can open the others. The main
// window `justsend` is the first one shown.
#include "context.hpp"
#include "edit_domains.hpp"
#include "frm_about.hpp"
#include "justsend.hpp"
#include "presets.hpp"
#include "recipients.hpp"

namespace tarrow {

struct Program {
    explicit Program(Context& context)
        : mainWindow(context, *this),
          addressEditor(context, *this),
          domainEditor(context, *this),
          presetEditor(context, *this),
          aboutWindow(context) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    justsend mainWindow;
    recipients addressEditor;
    EditDomains domainEditor;
    presets presetEditor;
    frmAbout aboutWindow;
};

}  // namespace tarrow
