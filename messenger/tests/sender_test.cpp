// How a message goes and what the window hears of it: net send watched where
// the system has the Messenger service, the transports in order elsewhere.
#include "messenger/sender.hpp"

#include <gtest/gtest.h>

#include "forms/headless/driver.hpp"
#include "messenger/recording_runner.hpp"

namespace messenger {
namespace {

// A transport that answers as scripted and records what it was given.
struct ScriptedTransport : Transport {
    explicit ScriptedTransport(TransportResult answer) : answer(std::move(answer)) {}
    TransportResult deliver(const std::string& computer, const std::string& sender, const std::string& text) override {
        calls.push_back(computer + "|" + sender + "|" + text);
        return answer;
    }
    TransportResult answer;
    std::vector<std::string> calls;
};

using Kind = TransportResult::Kind;

class SenderTest : public ::testing::Test {
protected:
    forms::App app{"Test"};
    forms::headless::Driver driver{app};
    RecordingRunner runner;
    std::vector<SendOutcome> outcomes;

    Sender::Done record() {
        return [this](const SendOutcome& outcome) { outcomes.push_back(outcome); };
    }
    Message message() { return {"PC7", "Hi\nthere", "net send PC7 Hi", WindowStyle::MinimizedWithFocus}; }
};

TEST_F(SenderTest, WithTheMessengerServiceNetSendIsWatchedAndItsOwnWordsAreTheReason) {
    Sender sender(app, runner, DeliveryRoute{true, "HERE", {}});
    runner.queueWatched(exited(0));
    runner.queueWatched(exited(2,
                               "The message alias could not be found on the network.\n\n"
                               "More help is available by typing NET HELPMSG 2273."));
    runner.queueWatched(stillRunning());
    runner.queueWatched(exited(1));
    for (int i = 0; i < 4; ++i) sender.send(message(), record());
    EXPECT_TRUE(outcomes.empty());  // nothing before the work comes back
    driver.finishBackgroundWork();
    ASSERT_EQ(4u, outcomes.size());
    EXPECT_TRUE(outcomes[0].delivered);
    EXPECT_EQ("The message alias could not be found on the network.", outcomes[1].reason);
    EXPECT_EQ("PC7: no answer from net within 60 s", failureLine(outcomes[2]));
    EXPECT_EQ("net ended with status 1", outcomes[3].reason);
    ASSERT_EQ(4u, runner.starts().size());
    EXPECT_EQ("net send PC7 Hi", runner.starts()[0].commandLine);
    EXPECT_EQ(WindowStyle::MinimizedWithFocus, runner.starts()[0].style);
    EXPECT_EQ(kNetAnswerTimeoutMs, runner.starts()[0].timeoutMs);

    runner.setFailure(true, 2, "The system cannot find the file specified.");
    sender.send(message(), record());
    driver.finishBackgroundWork();
    EXPECT_FALSE(outcomes.back().delivered);
    EXPECT_EQ("The system cannot find the file specified.", outcomes.back().reason);
}

TEST_F(SenderTest, WithoutItTheTransportsAreTriedInOrderAndEveryReasonIsKept) {
    auto terminal =
        std::make_shared<ScriptedTransport>(TransportResult{Kind::Unreachable, "the RPC server is unavailable"});
    auto protocol =
        std::make_shared<ScriptedTransport>(TransportResult{Kind::Unreachable, "no messenger service answered"});
    Sender sender(app, runner, DeliveryRoute{false, "HERE", {terminal, protocol}});
    sender.send(message(), record());
    driver.finishBackgroundWork();
    ASSERT_EQ(1u, outcomes.size());
    EXPECT_EQ("PC7 could not be reached: the RPC server is unavailable, and no messenger service answered",
              failureLine(outcomes[0]));
    EXPECT_TRUE(runner.starts().empty());  // net is never started
    EXPECT_EQ(std::vector<std::string>{"PC7|HERE|Hi\nthere"}, protocol->calls);

    // The first that delivers ends it; a refusal ends it too, with its reason.
    protocol->answer = {Kind::Delivered, ""};
    sender.deliver("PC8", "Hello", record());
    driver.finishBackgroundWork();
    terminal->answer = {Kind::Refused, "the message is longer than the 1600 bytes a messenger message carries"};
    sender.deliver("PC9", "Hello", record());
    driver.finishBackgroundWork();
    ASSERT_EQ(3u, outcomes.size());
    EXPECT_TRUE(outcomes[1].delivered);
    EXPECT_FALSE(outcomes[2].delivered);
    EXPECT_EQ("PC9: the message is longer than the 1600 bytes a messenger message carries", failureLine(outcomes[2]));
    EXPECT_EQ(2u, protocol->calls.size());

    // No name is never handed to a transport (the resolver would take it for this computer).
    sender.deliver(" ", "Hello", record());
    driver.finishBackgroundWork();
    EXPECT_EQ(" : no computer was named", failureLine(outcomes.back()));
    EXPECT_EQ(2u, protocol->calls.size());
}

}  // namespace
}  // namespace messenger
