#pragma once
// The box for a value the settings store would not take.
#include <string>

#include "forms/app.hpp"
#include "platform/settings_store.hpp"

namespace velnote {

// "<what>", then where the value lives and the system's reason; critical
// icon, OK, titled "Velnote".
void showStoreError(forms::App& app, const std::string& what, const char* section, const platform::StoreError& error);

}  // namespace velnote
