#include "CliDevice.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <set>

#include "files/SafeFileWriter.h"

namespace corva::cli {
namespace {

constexpr const char* kSimPath = "sim:processor";
constexpr int kSynchroniseTimeoutMs = 30000;

host::HostSetup SetupFor(const CliOptions& options, host::SimulatedProcessorFactory simulator) {
    host::HostSetup setup;
    setup.source =
        options.link == LinkChoice::Sim ? host::DeviceSource::Simulated : host::DeviceSource::Usb;
    setup.simulatedPath = kSimPath;
    setup.simulator = std::move(simulator);
    return setup;  // no deliverer: the main thread waits on the host's notices
}

host::HostLink LinkFor(const CliOptions& options) {
    switch (options.link) {
        case LinkChoice::FirstUsb:
        case LinkChoice::Sim:
            return {host::HostLink::Kind::FirstUsb, {}, {}};
        case LinkChoice::UsbPath:
            return {host::HostLink::Kind::UsbPath, options.usbPath, {}};
        case LinkChoice::Tcp:
        case LinkChoice::Serial:
            break;
    }
    return {host::HostLink::Kind::Stream, {}, options.stream};
}

}  // namespace

CliDevice::CliDevice(const CliOptions& options, UiLanguage language,
                     host::SimulatedProcessorFactory simulator)
    : options_{options},
      language_{language},
      host_{SetupFor(options, std::move(simulator))},
      // A bar drawn in place only on a terminal; a script's log gets percentages on request.
      progress_{isatty(STDERR_FILENO) != 0 ? ProgressStyle::Bar
                : options.progress         ? ProgressStyle::Lines
                                           : ProgressStyle::Quiet} {
    if (auto* simulated = host_.simulated(); simulated != nullptr && !options_.simState.empty() &&
                                             access(options_.simState.c_str(), F_OK) == 0) {
        if (Status loaded = simulated->LoadState(options_.simState); !loaded.ok()) {
            PrintError(loaded.message(), options_.simState);
            setupFailed_ = true;
        }
    }
    host_.SetNoticeHandler(
        [this](const Notice& notice, const NoticeOutcome& outcome) { Follow(notice, outcome); });
    if (!options_.traceFile.empty()) {
        if (const Status opened = trace_.Open(options_.traceFile); opened.ok()) {
            host_.SetTraceHook(trace_.Hook());
        } else {
            PrintError(Tr("CommandLine", "Cannot open the trace file."),
                       FileWriteDetail(options_.traceFile, opened.message()).In(language_));
            setupFailed_ = true;
        }
    }
}

CliDevice::~CliDevice() {
    (void)Close();
}

ExitCode CliDevice::Close() {
    if (closed_) {
        return kDone;
    }
    closed_ = true;
    Disconnect();
    ExitCode result = kDone;
    // The worker has stopped: no more lines arrive.
    if (const Status written = trace_.Close(); !written.ok()) {
        PrintError(Tr("CommandLine", "The trace file cannot be written."),
                   FileWriteDetail(options_.traceFile, written.message()).In(language_));
        result = kFileError;
    }
    // A memory file that could not be read is not overwritten.
    if (host_.simulated() != nullptr && !options_.simState.empty() && !setupFailed_) {
        if (Status saved = host_.simulated()->SaveState(options_.simState); !saved.ok()) {
            PrintError(saved.message(), options_.simState);
            result = kFileError;
        }
    }
    return result;
}

void CliDevice::Say(const UiText& text) const {
    std::printf("%s\n", text.In(language_).c_str());
}

void CliDevice::PrintError(const UiText& text, const std::string& detail) const {
    std::string line = text.In(language_);
    if (!detail.empty()) {
        line += " (" + detail + ")";
    }
    // One line, whatever line breaks the message text carries.
    for (auto& c : line) {
        if (c == '\n')
            c = ' ';
    }
    std::fprintf(stderr, "corva-dsp-cli: %s\n", line.c_str());
}

ExitCode CliDevice::Connect() {
    const host::HostLink link = LinkFor(options_);
    if (const Status status = host_.Connect(link); !status.ok()) {
        PrintError(status.message(), link.kind == host::HostLink::Kind::FirstUsb ? "USB" : "");
        return kLinkError;
    }
    if (!RunUntil([this] { return controller().synchronised(); }, kSynchroniseTimeoutMs)) {
        if (!failed_) {
            PrintError(Tr("CommandLine", "Connection failure!"),
                       Tr("CommandLine", "no full read from the processor").In(language_));
        }
        return kLinkError;
    }
    return kDone;
}

void CliDevice::Follow(const Notice& notice, const NoticeOutcome& outcome) {
    if (outcome.progressIndex) {
        progress_.Step(*outcome.progressIndex + 1);
    }
    if (outcome.batchEnded) {
        controller().EndBatch();  // no window has to settle on a terminal
    }
    if (const auto& message = outcome.message) {
        if (outcome.updateEnd == UpdateEnd::Succeeded) {
            // The only message of a finished update is its success.
            progress_.Finish(true);
            Say(message->text);
            updateFinished_ = true;
        } else {
            progress_.Finish(false);
            PrintError(message->text, message->detail);
            failed_ = true;
        }
    }
    if (observer_) {
        observer_(notice);
    }
}

bool CliDevice::RunUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (failed_ || (!controller().online() && !controller().updating() && !done())) {
            return done();
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        (void)host_.DeliverNext(20);
    }
    return true;
}

bool CliDevice::WaitUntilSent(int timeoutMs) {
    const bool sent = RunUntil([this] { return session().NothingLeftToSend(); }, timeoutMs);
    progress_.Finish(sent);
    return sent;
}

ExitCode CliDevice::Finish() {
    const bool sent = WaitUntilSent();
    if (!sent && !failed_) {
        PrintError(Tr("CommandLine", "Time-out: the processor did not answer everything sent."),
                   controller().linkDescription());
    }
    Disconnect();
    if (sent && !failed_) {
        for (const auto& line : whenSent_) {
            std::printf("%s\n", line.c_str());
        }
    }
    whenSent_.clear();
    return sent && !failed_ ? kDone : kLinkError;
}

void CliDevice::Disconnect() {
    controller().Disconnect();
}

}  // namespace corva::cli
