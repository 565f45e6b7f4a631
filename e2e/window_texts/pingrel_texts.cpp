#include "about_texts.hpp"
#include "messenger/recording_runner.hpp"
#include "platform/fake_shell.hpp"
#include "platform/fake_system_info.hpp"
#include "platform/fixed_clock.hpp"
#include "platform/memory_text_files.hpp"
#include "program.hpp"

TEST(WindowTexts, PingrelsWindowsHoldTheirTexts) {
  forms::App app("Pingrel");
  platform::MemoryTextFiles files;
  messenger::RecordingRunner runner;
  messenger::Sender sender(app, runner, messenger::DeliveryRoute{true, "HERE", {}});
  platform::FixedClock clock({2026, 12, 9, 10, 0, 0});
  platform::FakeShell shell;
  platform::FakeSystemInfo system;
  pingrel::Context context{app, files, sender, clock, shell, system, "C:\\Pingrel"};
  pingrel::Program program(context);
  program.start();
  window_texts::expectTextsWhole({&program.mainWindow, &program.storeWindow, &program.aboutWindow});
  window_texts::keepPicture(program.aboutWindow, L"pingrel-about");
}
