#pragma once
// What came of one Send: each recipient's outcome as it comes back, kept in
// the list's order; once the last one is in, one box names every recipient
// the message did not reach, and why. Each Send has its own report, so the
// outcomes of a Send still under way never mix with a later one's.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "messenger/sender.hpp"

namespace pingrel {

class SendReport : public std::enable_shared_from_this<SendReport> {
public:
    // `show` puts up the box with the text given.
    using Show = std::function<void(const std::string& text)>;
    static std::shared_ptr<SendReport> begin(Show show);

    // The handler of the next recipient's outcome.
    messenger::Sender::Done expect();
    // Every recipient's send has started (blank ones skipped, which the box
    // mentions): the box comes once the outcomes still out are in, at once
    // when none is.
    void allStarted(bool skippedBlank);

private:
    explicit SendReport(Show show) : show_(std::move(show)) {}
    void showWhenComplete();

    Show show_;
    std::vector<std::optional<messenger::SendOutcome>> outcomes_;
    std::size_t waiting_ = 0;
    bool allStarted_ = false;
    bool skippedBlank_ = false;
};

}  // namespace pingrel
