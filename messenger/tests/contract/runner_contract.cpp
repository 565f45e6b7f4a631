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
}

}  // namespace
}  // namespace messenger::contract
