// The engine host as the command-line tool uses it: the link chosen on the command line, the
// wait for the handshake and full read, notices printed on the main thread, progress shown
// while bulk transfers run, and a clean disconnect that waits until everything is sent.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "ExitCode.h"
#include "ProgressLine.h"
#include "TraceFile.h"
#include "audio/AudioSystem.h"
#include "host/EngineHost.h"
#include "transfer/ConnectionController.h"

namespace corva::cli {

class CliDevice {
public:
    // `simulator` makes the processor of --sim.
    CliDevice(const CliOptions& options, UiLanguage language,
              host::SimulatedProcessorFactory simulator);
    ~CliDevice();

    // Connects over the chosen link and waits for the full read. Prints one error line and
    // returns its exit code on failure.
    ExitCode Connect();
    // Handles notices until `done` holds; false on a link failure or when `timeoutMs` passes.
    bool RunUntil(const std::function<bool()>& done, int timeoutMs);
    // Waits until every queued frame has been answered (only the idle poll remains).
    bool WaitUntilSent(int timeoutMs = 30000);
    // The end of every command that talked to the processor: waits until everything is sent,
    // then disconnects. kLinkError (already printed) when the wait failed.
    ExitCode Finish();
    void Disconnect();
    // The end of the run: disconnects, writes the trace and the simulator's memory file.
    // kFileError (already printed) when one of them cannot be written.
    ExitCode Close();
    // The bulk transfer just queued numbers `frames` frames: show its progress.
    void ShowProgress(int frames) { progress_.Start(frames); }
    ProgressLine& progress() { return progress_; }

    // Sees every notice after the connection has handled it (on the main thread).
    void SetNoticeObserver(std::function<void(const Notice&)> observer) {
        observer_ = std::move(observer);
    }

    TuningSession& session() { return host_.session(); }
    // The sound devices for measuring: the virtual car of the simulated processor with --sim,
    // the sound cards otherwise.
    std::unique_ptr<audio::AudioSystem> MakeAudio() { return host_.MakeAudio(); }
    ConnectionController& controller() { return host_.controller(); }
    // A message raised while running (a link failure), already printed.
    bool failed() const { return failed_; }
    // The trace file or the simulator's memory file could not be used (already printed).
    bool setupFailed() const { return setupFailed_; }

    // Prints `text` in the chosen language as one error line.
    void PrintError(const UiText& text, const std::string& detail = {}) const;
    // Prints `text` in the chosen language as one line of the command's output.
    void Say(const UiText& text) const;
    // Output lines that report what was sent: printed by Finish once everything has arrived.
    void SayWhenSent(const UiText& text) { whenSent_.push_back(text.In(language_)); }
    void PrintWhenSent(std::string line) { whenSent_.push_back(std::move(line)); }
    UiLanguage language() const { return language_; }
    // A note in the trace file, between the frames (nothing without --trace).
    void TraceNote(const std::string& text) { trace_.Note(text); }
    // A firmware update has reported its successful end.
    bool updateFinished() const { return updateFinished_; }

private:
    void Follow(const Notice& notice, const NoticeOutcome& outcome);

    CliOptions options_;
    UiLanguage language_;
    // Written by the worker thread until the host has stopped it, so declared before the host.
    TraceFile trace_;
    host::EngineHost host_;
    std::function<void(const Notice&)> observer_;
    std::vector<std::string> whenSent_;
    ProgressLine progress_;
    bool failed_ = false;
    bool updateFinished_ = false;
    bool setupFailed_ = false;
    bool closed_ = false;
};

}  // namespace corva::cli
