#pragma once
// The windows with a fixed layout, made in this process on the real backend:
// every label and button must hold its whole text in the fonts the system
// really draws with, which only real windows can measure. One source file per
// program, since each program's headers stand in its own include folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/app.hpp"
#include "forms/win32/text_fit.hpp"

namespace window_texts {

using Lines = std::vector<std::string>;

}  // namespace window_texts
