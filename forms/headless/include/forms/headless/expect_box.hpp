#pragma once
// The check the programs' tests make after an action that shows a message
// box (GoogleTest; for tests only).
#include <gtest/gtest.h>

#include <string>

#include "forms/headless/driver.hpp"

namespace forms::headless {

// Exactly one box was shown since the last check, with these contents; the
// boxes shown are then forgotten.
inline void expectBox(Driver& user, const std::string& text, const std::string& title,
                      MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None) {
    ASSERT_EQ(1u, user.boxes().size()) << "boxes shown";
    const MessageBoxRequest& box = user.boxes()[0];
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(title, box.title);
    EXPECT_EQ(buttons, box.buttons);
    EXPECT_EQ(icon, box.icon);
    user.clearBoxes();
}

}  // namespace forms::headless
