#include "messenger/recording_runner.hpp"
#include "platform/fake_system_info.hpp"
#include "platform/scripted_lan_manager.hpp"
#include "program.hpp"
#include "window_texts.hpp"

TEST(WindowTexts, VorlanesWindowsHoldTheirTexts) {
  forms::App app("Vorlane");
  platform::ScriptedLanManager lanManager;
  platform::FakeSystemInfo system;
  messenger::RecordingRunner runner;
  messenger::Sender sender(app, runner, messenger::DeliveryRoute{false, "HERE", {}});
  vorlane::Context context{app, lanManager, sender, system};
  vorlane::Program program(context);
  window_texts::expectTextsWhole({&program.mainWindow, &program.aboutWindow});
}
