#include "messenger/recording_runner.hpp"
#include "platform/memory_settings_store.hpp"
#include "program.hpp"
#include "window_texts.hpp"

using window_texts::Lines;

TEST(WindowTexts, VelnotesWindowsHoldTheirTexts) {
  forms::App app("Velnote");
  platform::MemorySettingsStore settings;
  messenger::RecordingRunner runner;
  messenger::Sender sender(app, runner, messenger::DeliveryRoute{true, "HERE", {}});
  velnote::Context context{app, settings, sender};
  velnote::Program program(context);
  window_texts::expectTextsWhole({&program.mainWindow, &program.aboutWindow, &program.colourDialog,
                                  &program.messageEditor, &program.machineNameEditor});
  program.helpPage.show();
  // The /users text shows one line and runs on in the label below it.
  EXPECT_EQ(forms::win32::textsCutShort(program.helpPage, {"Label13"}), Lines{});
  EXPECT_EQ(forms::win32::linesShown(program.helpPage, "Label13"),
            Lines{"Sends the message to all users connected to"});
}
