#include "store_error.hpp"

#include "saved_list.hpp"

namespace velnote {

void showStoreError(forms::App& app, const std::string& what, const char* section, const platform::StoreError& error) {
    app.messageBox(what + "\r\n\r\n" + sectionPlace(section) + "\r\nError " + std::to_string(error.number) + ": " +
                       error.text,
                   "Velnote", forms::MessageButtons::Ok, forms::MessageIcon::Critical);
}

}  // namespace velnote
