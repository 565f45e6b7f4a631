// Which failed launches are the shell's "no program for this target".
#include <gtest/gtest.h>

#include "messenger/process_runner.hpp"

namespace {

messenger::StartResult failure(std::uint32_t number) {
    messenger::StartResult result;
    result.errorNumber = number;
    return result;
}

TEST(ShellExecute, OnlyMissingTargetsAndMissingAssociationsAreNoAssociationFailures) {
    EXPECT_TRUE(messenger::isNoAssociationFailure(failure(2)));
    EXPECT_TRUE(messenger::isNoAssociationFailure(failure(3)));
    EXPECT_TRUE(messenger::isNoAssociationFailure(failure(1155)));
    EXPECT_FALSE(messenger::isNoAssociationFailure(failure(11)));  // not a valid program
    EXPECT_FALSE(messenger::isNoAssociationFailure(failure(5)));
    messenger::StartResult started = failure(2);
    started.started = true;
    EXPECT_FALSE(messenger::isNoAssociationFailure(started));
}

}  // namespace
