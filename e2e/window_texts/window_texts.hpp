#pragma once
// The windows of the five programs, made in this process on the real backend
// with in-memory services: every label and button must hold its whole text in
// the fonts the system really draws with, which only real windows can measure.
// One source file per program, since each program's headers stand in its own
// include folder.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "forms/win32/text_fit.hpp"
#include "forms/window.hpp"

namespace window_texts {

using Lines = std::vector<std::string>;

// Shows each window and expects every text in it whole.
inline void expectTextsWhole(std::initializer_list<forms::Window*> windows) {
  for (forms::Window* window : windows) {
    window->show();
    EXPECT_EQ(forms::win32::textsCutShort(*window), Lines{});
  }
}

}  // namespace window_texts
