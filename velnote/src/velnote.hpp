#pragma once
// The running Velnote program: its windows and the little state they share.
// Made once in WinMain (or a test) from the services of a Context; every
// window reaches the others through it.
#include <optional>

#include "context.hpp"
#include "form1.hpp"
#include "form2.hpp"
#include "form3.hpp"
#include "form5.hpp"
#include "forms/types.hpp"
#include "list_editor.hpp"

namespace velnote {

// What the program remembers while it runs, outside any window.
struct ProgramState {
    // The colour last applied in the colour dialog during this run; empty until then.
    std::optional<forms::Color> appliedBackColor;
};

class Velnote {
public:
    explicit Velnote(Context& context);
    Velnote(const Velnote&) = delete;
    Velnote& operator=(const Velnote&) = delete;

    // Starts the program with its main window.
    void start();

    Context& context;
    ProgramState state;

    Form1 form1{*this};                        // main window
    Form2 form2{*this};                        // About
    Form3 form3{*this};                        // background colour dialog
    ListEditor form4{*this, kMessageEditor};   // saved messages
    Form5 form5{context.app};                  // help page
    ListEditor form7{*this, kMachineNameEditor};  // saved machine names
};

}  // namespace velnote
