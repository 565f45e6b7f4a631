#include "messenger/recording_runner.hpp"
#include "messenger/sender.hpp"
#include "platform/memory_text_files.hpp"
#include "program.hpp"
#include "window_texts.hpp"

TEST(WindowTexts, PingrelGuisWindowHoldsItsTexts) {
  forms::App app("PingrelGUI");
  platform::MemoryTextFiles files;
  messenger::RecordingRunner runner;
  messenger::Sender sender(app, runner, {true, "HERE", {}});
  pingrelgui::Context context{app, files, runner, "C:\\PingrelGUI", sender};
  pingrelgui::Program program(context);
  window_texts::expectTextsWhole({&program.mainWindow});
}
