#include "contract/runner_contract.hpp"
#include "messenger/recording_runner.hpp"

#include <gtest/gtest.h>

#include "messenger/command_lines.hpp"

namespace messenger {
namespace {

TEST(RecordingRunner, RecordsEveryStartInOrder) {
    RecordingRunner runner;
    EXPECT_TRUE(runner.run("net send PC7 Hi", WindowStyle::MinimizedWithFocus).started);
    EXPECT_TRUE(runner.shellExecute(pingrelGuiLinkRequest("http://www.example.com/", {})).started);
    EXPECT_TRUE(runner.run("\\net send PC9 Bye", WindowStyle::Hidden).started);

    const std::vector<RecordedStart>& starts = runner.starts();
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[0].commandLine, "net send PC7 Hi");
    EXPECT_EQ(starts[0].style, WindowStyle::MinimizedWithFocus);
    EXPECT_FALSE(starts[0].viaShell);

    EXPECT_TRUE(starts[1].viaShell);
    EXPECT_EQ(starts[1].commandLine, "");
    EXPECT_EQ(starts[1].request.file, "http://www.example.com/");

    EXPECT_EQ(starts[2].commandLine, "\\net send PC9 Bye");
    EXPECT_EQ(starts[2].style, WindowStyle::Hidden);

    runner.clear();
    EXPECT_TRUE(runner.starts().empty());
}

TEST(RecordingRunner, WatchedRunsAnswerQueuedOutcomesInOrderThenEndAtOnce) {
    RecordingRunner runner;
    runner.queueWatched(exited(2, "The message alias could not be found on the network."));
    runner.queueWatched(stillRunning());
    EXPECT_EQ(runner.runWatched("net send PC7 Hi", WindowStyle::Hidden, 5000).exitStatus, 2u);
    EXPECT_FALSE(runner.runWatched("net send PC8 Yo", WindowStyle::MinimizedWithFocus, 3000).finished);
    const WatchedRun last = runner.runWatched("net send PC9 Bye", WindowStyle::Hidden, 3000);
    EXPECT_TRUE(last.start.started && last.finished && last.exitStatus == 0 && last.output.empty());

    ASSERT_EQ(runner.starts().size(), 3u);
    const RecordedStart& second = runner.starts()[1];
    EXPECT_TRUE(second.watched && second.commandLine == "net send PC8 Yo" &&
                second.style == WindowStyle::MinimizedWithFocus && second.timeoutMs == 3000u);
}

TEST(RecordingRunner, FailureIsReportedUntilLifted) {
    RecordingRunner runner;
    runner.setFailure(true, 5, "Access is denied.");
    StartResult result = runner.run("net send PC7 Hi", WindowStyle::Hidden);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.errorNumber, 5u);
    EXPECT_EQ(result.errorText, "Access is denied.");

    result = runner.shellExecute(pingrelGuiLinkRequest("http://www.example.com/a", {}));
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.errorNumber, 5u);
    runner.queueWatched(exited(0));  // not taken: the failure answers first
    EXPECT_EQ(runner.runWatched("net send PC7 Hi", WindowStyle::Hidden, 100).start.errorNumber, 5u);

    // A failed start is still recorded: the caller did try it.
    EXPECT_EQ(runner.starts().size(), 3u);

    runner.setFailure(false);
    result = runner.run("net send PC7 Hi", WindowStyle::Hidden);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.errorNumber, 0u);
    EXPECT_EQ(result.errorText, "");
    EXPECT_TRUE(runner.runWatched("net send PC7 Hi", WindowStyle::Hidden, 100).finished);

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
    auto runner = std::make_unique<messenger::RecordingRunner>();
    messenger::RecordingRunner* recording = runner.get();
    return {std::move(runner), "net.exe", [recording](std::uint32_t status, const std::string& output) {
                recording->queueWatched(messenger::exited(status, output));
                return std::string("net.exe");
            }};
}
