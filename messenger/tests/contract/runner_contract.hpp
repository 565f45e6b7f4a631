#pragma once
// What every process runner does, stated once: the cases of
// runner_contract.cpp run natively on the recording runner (the double every
// program test uses) and under Wine on the Win32 runner. Each test program
// defines makeContractRunner() for the runner it checks.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "messenger/process_runner.hpp"

namespace messenger::contract {

struct ContractRunner {
    std::unique_ptr<ProcessRunner> runner;
    // A command line that starts a harmless program, and ends at once.
    std::string harmlessCommand;
    // A command line whose program writes `output` to its standard output
    // as a console program does and ends with `status` (for the recording
    // runner: any line, with that outcome queued).
    std::function<std::string(std::uint32_t status, const std::string& output)> commandThat;
};

ContractRunner makeContractRunner();

class RunnerContract : public ::testing::Test {
protected:
    ContractRunner subject = makeContractRunner();
    ProcessRunner& runner = *subject.runner;
};

}  // namespace messenger::contract
