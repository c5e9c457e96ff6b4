// The engine as the command-line tool uses it: one link chosen on the command line, the
// connection with its handshake and full read, notices handled on the main thread, progress
// shown while bulk transfers run, and a clean disconnect that waits until everything is sent.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "CliOptions.h"
#include "ExitCode.h"
#include "TraceFile.h"
#include "protocol/InUseMarkers.h"
#include "sim/InProcessLink.h"
#include "transfer/ConnectionController.h"
#include "transfer/NoticeQueue.h"

namespace corva::cli {

class CliDevice {
public:
    CliDevice(const CliOptions& options, UiLanguage language);
    ~CliDevice();

    // Connects over the chosen link and waits for the full read. Prints one error line and
    // returns its exit code on failure.
    ExitCode Connect();
    // Handles notices until `done` holds; false on a link failure or when `timeoutMs` passes.
    bool RunUntil(const std::function<bool()>& done, int timeoutMs);
    // Waits until every queued frame has been answered (only the idle poll remains).
    bool WaitUntilSent(int timeoutMs = 30000);
    void Disconnect();
    // The next bulk transfer numbers `frames` frames: show its progress.
    void ShowProgress(int frames) { progressRange_ = frames; }

    TuningSession& session() { return session_; }
    ConnectionController& controller() { return *controller_; }
    // A message raised while running (a link failure), already printed.
    bool failed() const { return failed_; }

    // Prints `text` in the chosen language as one error line.
    void PrintError(const UiText& text, const std::string& detail = {}) const;

private:
    void HandleNotice(const Notice& notice);

    CliOptions options_;
    UiLanguage language_;
    TuningSession session_;
    NoticeQueue notices_;
    std::unique_ptr<DeviceEnumerator> devices_;
    std::unique_ptr<InUseMarkers> inUse_;
    std::shared_ptr<sim::SimulatedProcessor> simulator_;
    TraceFile trace_;
    Timing timing_;
    std::unique_ptr<ConnectionController> controller_;
    bool failed_ = false;
    bool showProgress_ = false;
    int progressRange_ = 0;
};

}  // namespace corva::cli
