#include "program.hpp"

namespace velnote {

Program::Program(Context& context) : context(context) {}

void Program::start() { mainWindow.show(); }

}  // namespace velnote
