// The process runner's contract.
#include "contract/runner_contract.hpp"

#include "messenger/command_lines.hpp"

namespace messenger::contract {
namespace {

TEST_F(RunnerContract, AStartThatGoesReportsStarted) {
    const StartResult result = runner.run(subject.harmlessCommand, WindowStyle::Hidden);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.errorNumber, 0u);
}

// The system takes at most kMaxCommandLine characters: a longer line is
// refused with its error 206 and nothing starts; one at the limit is taken.
TEST_F(RunnerContract, ALineOverTheSystemsLimitIsRefusedWithItsError) {
    const std::string head = subject.harmlessCommand + " ";
    const StartResult refused = runner.run(head + std::string(kMaxCommandLine + 1 - head.size(), 'y'),
                                           WindowStyle::Hidden);
    EXPECT_FALSE(refused.started);
    EXPECT_EQ(refused.errorNumber, 206u);
    EXPECT_FALSE(refused.errorText.empty());

    const WatchedRun watched = runner.runWatched(head + std::string(kMaxCommandLine + 1 - head.size(), 'y'),
                                                 WindowStyle::Hidden, 5000);
    EXPECT_FALSE(watched.start.started);
    EXPECT_EQ(watched.start.errorNumber, 206u);
    EXPECT_FALSE(watched.finished);
}

// A watched run reports the exit status, and the output with CR LF as LF
// (a lone CR stays) and without the blank lines and spaces it ended with.
TEST_F(RunnerContract, AWatchedRunReportsTheExitStatusAndTheTidiedOutput) {
    const std::string written = "Sending  \r\n50%\r100%\r\n\r\nThe message alias was not found.\r\n\r\n \r\n";
    const WatchedRun run = runner.runWatched(subject.commandThat(3, written), WindowStyle::Hidden, 10000);
    EXPECT_TRUE(run.start.started);
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitStatus, 3u);
    EXPECT_EQ(run.output, "Sending  \n50%\r100%\n\nThe message alias was not found.");
}

}  // namespace
}  // namespace messenger::contract
