#include "send_report.hpp"

namespace pingrel {

std::shared_ptr<SendReport> SendReport::begin(Show show) {
    return std::shared_ptr<SendReport>(new SendReport(std::move(show)));
}

messenger::Sender::Done SendReport::expect() {
    const std::size_t slot = outcomes_.size();
    outcomes_.emplace_back();
    ++waiting_;
    return [self = shared_from_this(), slot](const messenger::SendOutcome& outcome) {
        self->outcomes_[slot] = outcome;
        --self->waiting_;
        self->showWhenComplete();
    };
}

void SendReport::allStarted(bool skippedBlank) {
    allStarted_ = true;
    skippedBlank_ = skippedBlank;
    showWhenComplete();
}

// An outcome may come back before the last send has started (the work ran
// at once on the window's thread): nothing is shown until both are done.
void SendReport::showWhenComplete() {
    if (!allStarted_ || waiting_ > 0) return;
    std::string failures;
    for (const auto& outcome : outcomes_)
        if (!outcome->delivered) failures += "\r\n" + messenger::failureLine(*outcome);
    std::string text;
    if (skippedBlank_) text = "The message was not sent to an empty recipient.";
    if (!failures.empty()) text += (text.empty() ? "" : "\r\n") + std::string("The message could not be sent to:") + failures;
    if (!text.empty()) show_(text);
}

}  // namespace pingrel
