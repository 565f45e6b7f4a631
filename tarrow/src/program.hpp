#pragma once
// Tarrow's windows, made together so that each can open the others. The main
// window `MainWindow` is the first one shown.
#include "context.hpp"
#include "about_window.hpp"
#include "list_editor.hpp"
#include "main_window.hpp"
#include "preset_editor.hpp"

namespace tarrow {

struct Program {
    explicit Program(Context& context)
        : mainWindow(context, *this),
          addressEditor(context, *this, kAddressListEditor),
          domainEditor(context, *this, kDomainListEditor),
          presetEditor(context, *this),
          aboutWindow(context) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts the program with its main window.
    void start() { mainWindow.show(); }

    MainWindow mainWindow;
    ListEditor addressEditor;
    ListEditor domainEditor;
    PresetEditor presetEditor;
    AboutWindow aboutWindow;
};

}  // namespace tarrow
