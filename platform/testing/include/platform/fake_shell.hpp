#pragma once
#include <deque>
#include <map>
#include <string>

#include "platform/shell.hpp"

namespace platform {

// For tests: the picker answers from a queue ("" once it is empty, as a
// cancel would); folders come from a map.
class FakeShell : public Shell {
public:
    std::deque<std::string> pickerAnswers;
    std::map<int, std::string> folders;

    std::string pickNetworkComputer(forms::NativeHandle) override {
        if (pickerAnswers.empty()) return {};
        std::string answer = pickerAnswers.front();
        pickerAnswers.pop_front();
        return answer;
    }
    std::string specialFolder(int folder) override {
        auto found = folders.find(folder);
        return found == folders.end() ? std::string() : found->second;
    }
};

}  // namespace platform
