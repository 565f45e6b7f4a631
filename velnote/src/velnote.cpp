#include "velnote.hpp"

namespace velnote {

Velnote::Velnote(Context& context) : context(context) {}

void Velnote::start() { form1.show(); }

}  // namespace velnote
