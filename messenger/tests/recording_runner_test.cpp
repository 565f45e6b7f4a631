#include "contract/runner_contract.hpp"
#include "messenger/recording_runner.hpp"

#include <gtest/gtest.h>

#include "messenger/command_lines.hpp"

namespace messenger {
namespace {

TEST(RecordingRunner, RecordsEveryStartInOrder) {
    RecordingRunner runner;
    EXPECT_TRUE(runner.run("net send PC7 Hi", WindowStyle::MinimizedWithFocus).started);
    EXPECT_TRUE(runner.shellExecute(pingrelGuiRequest("PC8", "Yo", {})).started);
    EXPECT_TRUE(runner.run("\\net send PC9 Bye", WindowStyle::Hidden).started);

    const std::vector<RecordedStart>& starts = runner.starts();
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[0].commandLine, "net send PC7 Hi");
    EXPECT_EQ(starts[0].style, WindowStyle::MinimizedWithFocus);
    EXPECT_FALSE(starts[0].viaShell);

    EXPECT_TRUE(starts[1].viaShell);
    EXPECT_EQ(starts[1].commandLine, "");
    EXPECT_EQ(starts[1].request.file, "NET");
    EXPECT_EQ(starts[1].request.parameters, "SEND \"PC8\" Yo");

    EXPECT_EQ(starts[2].commandLine, "\\net send PC9 Bye");
    EXPECT_EQ(starts[2].style, WindowStyle::Hidden);

    runner.clear();
    EXPECT_TRUE(runner.starts().empty());
}

TEST(RecordingRunner, FailureIsReportedUntilLifted) {
    RecordingRunner runner;
    runner.setFailure(true, 5, "Access is denied.");
    StartResult result = runner.run("net send PC7 Hi", WindowStyle::Hidden);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.errorNumber, 5u);
    EXPECT_EQ(result.errorText, "Access is denied.");

    result = runner.shellExecute(pingrelGuiRequest("PC7", "Hi", {}));
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.errorNumber, 5u);

    // A failed start is still recorded: the caller did try it.
    EXPECT_EQ(runner.starts().size(), 2u);

    runner.setFailure(false);
    result = runner.run("net send PC7 Hi", WindowStyle::Hidden);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.errorNumber, 0u);
    EXPECT_EQ(result.errorText, "");

    // Without details the failure is the usual one for a missing program.
    runner.setFailure(true);
    result = runner.run("net send PC7 Hi", WindowStyle::Hidden);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.errorNumber, 2u);
    EXPECT_FALSE(result.errorText.empty());
}

}  // namespace
}  // namespace messenger

// The runners' contract runs on the recording runner too.
messenger::contract::ContractRunner messenger::contract::makeContractRunner() {
    return {std::make_unique<messenger::RecordingRunner>(), "net.exe"};
}
