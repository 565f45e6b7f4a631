#pragma once
// The real services on Windows. Only the programs' WinMain and the Windows
// builds include this.
#include <memory>
#include <string>

#include "platform/case_mapping.hpp"
#include "platform/clock.hpp"
#include "platform/oem_code_page.hpp"
#include "platform/settings_store.hpp"
#include "platform/text_files.hpp"

namespace platform {

std::unique_ptr<SettingsStore> makeRegistrySettingsStore();
std::unique_ptr<Clock> makeSystemClock();
std::unique_ptr<CaseMapping> makeSystemCaseMapping();
// The OEM code page the messenger protocol carries text in.
std::unique_ptr<OemCodePage> makeSystemOemCodePage();
std::unique_ptr<TextFiles> makeWin32TextFiles();
// The raw file steps the text files are made of (for their contract's check).
std::unique_ptr<FileSteps> makeWin32FileSteps();
// The folder the running program was started from, without a trailing backslash.
std::string programFolder();

}  // namespace platform
