#include "messenger/recording_runner.hpp"

#include "messenger/command_lines.hpp"

#include <utility>

namespace messenger {

namespace {
StartResult started() {
    StartResult result;
    result.started = true;
    return result;
}
}  // namespace

StartResult RecordingRunner::run(const std::string& commandLine, WindowStyle style) {
    RecordedStart start;
    start.commandLine = commandLine;
    start.style = style;
    starts_.push_back(std::move(start));
    // As the real runner: a line the system would not take is refused.
    if (!fitsCommandLine(commandLine)) return tooLong();
    return failing_ ? failure_ : started();
}

StartResult RecordingRunner::shellExecute(const ShellExecuteRequest& request) {
    RecordedStart start;
    start.viaShell = true;
    start.request = request;
    starts_.push_back(std::move(start));
    return failing_ ? failure_ : started();
}

void RecordingRunner::setFailure(bool fail, std::uint32_t errorNumber, std::string errorText) {
    failing_ = fail;
    failure_ = StartResult();
    failure_.errorNumber = errorNumber;
    failure_.errorText = std::move(errorText);
}

}  // namespace messenger
