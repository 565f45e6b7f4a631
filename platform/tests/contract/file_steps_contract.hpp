#pragma once
// What the raw file steps under the text files' protocol do, stated once:
// the cases of file_steps_contract.cpp run natively on the in-memory steps
// (the test double every store test uses) and under Wine on the Win32 steps,
// so that the double answers as the system does. Each test program defines
// makeScratchFileSteps() for the steps it checks.
#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "platform/file_steps.hpp"

namespace platform::contract {

// Steps to check, in a folder of their own that is empty before and gone after.
class ScratchFileSteps {
public:
    virtual ~ScratchFileSteps() = default;
    virtual FileSteps& steps() = 0;
    // The path of a file of that folder.
    virtual std::string path(const std::string& name) const = 0;
};

std::unique_ptr<ScratchFileSteps> makeScratchFileSteps();

class FileStepsContract : public ::testing::Test {
protected:
    const std::unique_ptr<ScratchFileSteps> scratch = makeScratchFileSteps();
    FileSteps& steps = scratch->steps();

    // The file's bytes; "<missing>" when there is none.
    std::string read(const std::string& name) {
        std::string bytes;
        return steps.readAll(scratch->path(name), bytes) == ReadOutcome::Read ? bytes : "<missing>";
    }
    bool write(const std::string& name, const std::string& bytes, bool append = false) {
        std::unique_ptr<FileWriter> file = steps.open(scratch->path(name), append);
        return file && file->write(bytes) && file->flush();
    }
};

}  // namespace platform::contract
