#include "messenger/recording_runner.hpp"
#include "platform/memory_text_files.hpp"
#include "program.hpp"
#include "window_texts.hpp"

TEST(WindowTexts, PingrelGuisWindowHoldsItsTexts) {
  forms::App app("PingrelGUI");
  platform::MemoryTextFiles files;
  messenger::RecordingRunner runner;
  pingrelgui::Context context{app, files, runner, "C:\\PingrelGUI"};
  pingrelgui::Program program(context);
  window_texts::expectTextsWhole({&program.mainWindow});
}
