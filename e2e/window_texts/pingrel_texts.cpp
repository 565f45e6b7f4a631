#include "about_texts.hpp"
#include "program.hpp"

TEST(WindowTexts, PingrelsAboutWindowHoldsItsTexts) {
  forms::App app("Pingrel");
  forms::MdiFrame frame(app, "MDIForm1");
  window_texts::expectAboutTextsWhole(app, pingrel::aboutTexts(frame), L"pingrel-about");
}
