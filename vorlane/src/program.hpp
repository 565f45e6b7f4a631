#pragma once
// Vorlane's windows: the main window `MainWindow`, shown first, and the
// shared About window with Vorlane's texts.
#include "about_window.hpp"
#include "context.hpp"
#include "main_window.hpp"
#include "resource_ids.h"

namespace vorlane {

inline about::AboutTexts aboutTexts() {
    about::AboutTexts texts;
    texts.caption = "Scanlet (Beta)";
    texts.title = "Scanlet (Beta)";
    texts.description =
        "Scanlet is an exercise in the use of Unicode 32-bit LAN Manager APIs.  It obtains information regarding "
        "systems in a workgroup/domain from data stored in the browse list.  This tool  is also useful for "
        "determining Browser Architecture and messaging to NT clients.  ";
    texts.disclaimer = "Comments:";
    texts.credits = {{"Label1", "The LAN Messengers team"}, {"Label2", "vorlane@example.com"}};
    texts.iconResource = IDI_VORLANE;
    return texts;
}

struct Program {
    explicit Program(Context& context)
        : mainWindow(context, *this), aboutWindow(context.app, context.system, aboutTexts()) {
        aboutWindow.setOwner(&mainWindow);  // no taskbar button; in front of the main window
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts the program with its main window.
    void start() { mainWindow.show(); }

    MainWindow mainWindow;
    about::AboutWindow aboutWindow;
};

}  // namespace vorlane
