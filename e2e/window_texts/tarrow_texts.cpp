#include "messenger/recording_runner.hpp"
#include "messenger/sender.hpp"
#include "platform/fixed_clock.hpp"
#include "platform/memory_settings_store.hpp"
#include "platform/simple_case_mapping.hpp"
#include "program.hpp"
#include "window_texts.hpp"

TEST(WindowTexts, TarrowsWindowsHoldTheirTexts) {
  forms::App app("Tarrow");
  platform::MemorySettingsStore settings;
  messenger::RecordingRunner runner;
  platform::FixedClock clock({2026, 12, 9, 10, 0, 0});
  platform::SimpleCaseMapping cases;
  messenger::Sender sender(app, runner, {true, "HERE", {}});
  tarrow::Context context{app, settings, runner, clock, cases, sender};
  tarrow::Program program(context);
  window_texts::expectTextsWhole({&program.mainWindow, &program.addressEditor, &program.domainEditor,
                                  &program.presetEditor, &program.aboutWindow});
}
