#pragma once
// The running Velnote program: its windows and the little state they share.
// Made once in WinMain (or a test) from the services of a Context; every
// window reaches the others through it.
#include <optional>

#include "context.hpp"
#include "main_window.hpp"
#include "about_window.hpp"
#include "colour_dialog.hpp"
#include "help_page.hpp"
#include "forms/types.hpp"
#include "list_editor.hpp"

namespace velnote {

// What the program remembers while it runs, outside any window.
struct ProgramState {
    // The colour last applied in the colour dialog during this run; empty until then.
    std::optional<forms::Color> appliedBackColor;
};

class Program {
public:
    explicit Program(Context& context);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts the program with its main window.
    void start();

    Context& context;
    ProgramState state;

    MainWindow mainWindow{*this};
    AboutWindow aboutWindow{*this};
    ColourDialog colourDialog{*this};  // the background colour
    ListEditor messageEditor{*this, kMessageEditor};
    HelpPage helpPage{context.app};
    ListEditor machineNameEditor{*this, kMachineNameEditor};
};

}  // namespace velnote
