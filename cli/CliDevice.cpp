#include "CliDevice.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <set>

#include "audio/PortAudioSystem.h"
#include "files/SafeFileWriter.h"
#include "protocol/MemoryInUseMarkers.h"
#include "protocol/links/HidDeviceEnumerator.h"
#include "protocol/links/SerialLink.h"
#include "protocol/links/SettingsInUseMarkers.h"
#include "protocol/links/TcpLink.h"
#include "sim/VirtualCarAudio.h"

namespace corva::cli {
namespace {

constexpr const char* kSimPath = "sim:processor";
constexpr int kSynchroniseTimeoutMs = 30000;

}  // namespace

CliDevice::CliDevice(const CliOptions& options, UiLanguage language)
    : options_{options},
      language_{language},
      // A bar drawn in place only on a terminal; a script's log gets percentages on request.
      progress_{isatty(STDERR_FILENO) != 0 ? ProgressStyle::Bar
                : options.progress          ? ProgressStyle::Lines
                                            : ProgressStyle::Quiet} {
    if (options_.link == LinkChoice::Sim) {
        auto simulated = std::make_unique<sim::SimDeviceEnumerator>();
        simulator_ = simulated->Plug(kSimPath);
        if (!options_.simState.empty() && access(options_.simState.c_str(), F_OK) == 0) {
            if (Status loaded = simulator_->LoadState(options_.simState); !loaded.ok()) {
                PrintError(loaded.message(), options_.simState);
                setupFailed_ = true;
            }
        }
        devices_ = std::move(simulated);
        inUse_ = std::make_unique<MemoryInUseMarkers>();
    } else {
        devices_ = std::make_unique<HidDeviceEnumerator>();
        inUse_ = std::make_unique<SettingsInUseMarkers>();
    }
    controller_ = std::make_unique<ConnectionController>(
        ConnectionController::Dependencies{session_, *devices_, *inUse_, timing_, notices_.Sink()});
    if (!options_.traceFile.empty()) {
        if (const Status opened = trace_.Open(options_.traceFile); opened.ok()) {
            controller_->SetTraceHook(trace_.Hook());
        } else {
            PrintError({"Cannot open the trace file.", "无法打开跟踪文件。"},
                       FileWriteDetail(options_.traceFile, opened.message()).In(language_));
            setupFailed_ = true;
        }
    }
    // Progress arrives through the notice queue: the bar is drawn on the main thread, so a
    // stalled terminal never holds up the transfer worker.
    controller_->command().SetProgressHook(notices_.ProgressSink());
}

std::unique_ptr<audio::AudioSystem> CliDevice::MakeAudio() {
    if (simulator_) {
        return std::make_unique<sim::VirtualCarAudio>(simulator_);
    }
    return std::make_unique<audio::PortAudioSystem>();
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
        PrintError({"The trace file cannot be written.", "无法写入跟踪文件。"},
                   FileWriteDetail(options_.traceFile, written.message()).In(language_));
        result = kFileError;
    }
    // A memory file that could not be read is not overwritten.
    if (simulator_ && !options_.simState.empty() && !setupFailed_) {
        if (Status saved = simulator_->SaveState(options_.simState); !saved.ok()) {
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
    Status status = Status::Ok();
    switch (options_.link) {
        case LinkChoice::FirstUsb:
        case LinkChoice::Sim:
            if (!controller_->OpenFirstDevice()) {
                PrintError({"No connection can be opened", "没有连接可以打开"}, "USB");
                return kLinkError;
            }
            break;
        case LinkChoice::UsbPath:
            status = controller_->ConnectToPath(options_.usbPath);
            break;
        case LinkChoice::Tcp:
        case LinkChoice::Serial:
            status = controller_->ConnectStream(StreamLinkMaker(options_.stream));
            break;
    }
    if (!status.ok()) {
        PrintError(status.message());
        return kLinkError;
    }
    if (!RunUntil([this] { return controller_->synchronised(); }, kSynchroniseTimeoutMs)) {
        if (!failed_) {
            PrintError({"Connection failure!", "连接失败!"}, "no full read from the processor");
        }
        return kLinkError;
    }
    return kDone;
}

void CliDevice::HandleNotice(const Notice& notice) {
    const NoticeOutcome outcome = controller_->Handle(notice);
    if (outcome.progressIndex) {
        progress_.Step(*outcome.progressIndex + 1);
    }
    if (outcome.batchEnded) {
        controller_->EndBatch();  // no window has to settle on a terminal
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
        if (failed_ || (!controller_->online() && !controller_->updating() && !done())) {
            return done();
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        if (auto notice = notices_.Take(20)) {
            HandleNotice(*notice);
        }
    }
    return true;
}

bool CliDevice::WaitUntilSent(int timeoutMs) {
    const bool sent = RunUntil([this] { return session_.NothingLeftToSend(); }, timeoutMs);
    progress_.Finish(sent);
    return sent;
}

ExitCode CliDevice::Finish() {
    const bool sent = WaitUntilSent();
    if (!sent && !failed_) {
        PrintError({"Time-out: the processor did not answer everything sent.",
                    "超时：处理器未应答全部发送的数据。"},
                   controller_->linkDescription());
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
    if (controller_) {
        controller_->Disconnect();
    }
}

}  // namespace corva::cli
