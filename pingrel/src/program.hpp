#pragma once
// Pingrel's windows: the frame `FrameWindow`, opened first with the main
// window inside it, the store window, and the shared About window with
// Pingrel's texts as a child of the frame.
#include "about_window.hpp"
#include "context.hpp"
#include "frame_window.hpp"
#include "main_window.hpp"
#include "resource_ids.h"
#include "store_window.hpp"

namespace pingrel {

inline about::AboutTexts aboutTexts(forms::MdiFrame& frame) {
    about::AboutTexts texts;
    texts.caption = "About Pingrel";
    texts.title = "Pingrel";
    texts.description =
        "Pingrel GUI is a interface for the Windows NT/2000 messaging (NET SEND) with added capabilities such as "
        "storage/retrieval of recipients-messages, quick locate a computer name, send to multiple recipients etc.";
    texts.disclaimer = "Free to use and to pass on, without warranty of any kind.";
    texts.credits = {{"lblMe", "Pingrel by the LAN Messengers team"}, {"lblMe", "pingrel@example.com"}};
    texts.iconResource = IDI_PINGREL;
    texts.mdiParent = &frame;
    return texts;
}

struct Program {
    explicit Program(Context& context)
        : frame(context, *this),
          mainWindow(context, *this),
          storeWindow(context, *this),
          aboutWindow(context.app, context.system, aboutTexts(frame)) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void start() { frame.start(); }

    FrameWindow frame;
    MainWindow mainWindow;
    StoreWindow storeWindow;
    about::AboutWindow aboutWindow;
};

}  // namespace pingrel
