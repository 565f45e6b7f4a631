#include "platform/fake_system_info.hpp"
#include "platform/scripted_lan_manager.hpp"
#include "program.hpp"
#include "window_texts.hpp"

TEST(WindowTexts, VorlanesWindowsHoldTheirTexts) {
  forms::App app("Vorlane");
  platform::ScriptedLanManager lanManager;
  platform::FakeSystemInfo system;
  vorlane::Context context{app, lanManager, system};
  vorlane::Program program(context);
  window_texts::expectTextsWhole({&program.mainWindow, &program.aboutWindow});
}
