#include "about_texts.hpp"
#include "program.hpp"

TEST(WindowTexts, VorlanesAboutWindowHoldsItsTexts) {
  forms::App app("Vorlane");
  window_texts::expectAboutTextsWhole(app, vorlane::aboutTexts());  // vorlane_e2e takes its picture
}
