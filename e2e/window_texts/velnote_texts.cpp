#include "messenger/recording_runner.hpp"
#include "platform/memory_settings_store.hpp"
#include "program.hpp"
#include "window_texts.hpp"

using forms::win32::linesShown;
using forms::win32::textsCutShort;
using window_texts::Lines;

TEST(WindowTexts, VelnotesAboutAndHelpWindowsHoldTheirTexts) {
  forms::App app("Velnote");
  platform::MemorySettingsStore settings;
  messenger::RecordingRunner runner;
  velnote::Context context{app, settings, runner};
  velnote::Program program(context);
  program.aboutWindow.show();
  EXPECT_EQ(textsCutShort(program.aboutWindow), Lines{});
  program.helpPage.show();
  // The /users text shows one line and runs on in the label below it.
  EXPECT_EQ(textsCutShort(program.helpPage, {"Label13"}), Lines{});
  EXPECT_EQ(linesShown(program.helpPage, "Label13"), Lines{"Sends the message to all users connected to"});
}
