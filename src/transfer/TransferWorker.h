// The one thread per connection that carries frames to the processor: it opens the link,
// writes the frame at the head of the send queue, waits for its answer, and asks the change
// scan for the next frame (or the status poll) whenever the queue is empty. It owns the link:
// every call on it happens on this thread. Stopping it never waits: the thread reads in short
// slices, sees the stop within one of them, closes its link and ends on its own.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/Status.h"
#include "firmware/UpdateSequencer.h"
#include "model/TuningSession.h"
#include "protocol/Link.h"
#include "protocol/Notice.h"
#include "protocol/Timing.h"
#include "transfer/AnswerHandler.h"

class QThread;

namespace corva {

struct WorkerContext {
    SessionState& session;
    AnswerHandler& command;
    const Timing& timing;
    NoticeSink notices;
    std::mutex& deviceMutex;  // serialises opening and closing devices with enumeration
    // Set for a firmware update: the worker sends its steps instead of the change scan.
    std::shared_ptr<UpdateSequencer> firmware;
};

// A processor looked for on the worker thread (a firmware update waiting for its device):
// a link to it, or no link while none is there.
struct FoundLink {
    std::unique_ptr<Link> link;
    std::string path;
};
using LinkFinder = std::function<FoundLink()>;

// Longest single wait on a link, so a stop is seen quickly whatever the answer limit is.
inline constexpr int kLinkReadSliceMs = 20;

class TransferWorker {
public:
    TransferWorker(WorkerContext context, std::unique_ptr<Link> link);
    // Looks for its link with `find` every `retryMs` for up to `limitMs`, then fails.
    TransferWorker(WorkerContext context, LinkFinder find, int limitMs, int retryMs);
    // Stops the worker and waits for its thread, which ends within one read slice.
    ~TransferWorker();
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

    // Who hears that the link would not open.
    enum class OpenReport {
        Caller,     // Start waits for the link to open and returns its error
        NetRetry,   // Start returns at once; a failed open raises NetRetry
        LinkFailed  // Start returns at once; a failed open (or no device found) raises LinkFailed
    };
    struct StartDelays {
        int beforeOpenMs = 0;  // a reconnection waits before it connects again
        int afterOpenMs = 0;   // and lets the processor settle after connecting
    };
    // Starts the thread and, unless told otherwise, waits until the link is open. Workers in
    // `predecessors` (stopped ones still closing their links) end before this one opens.
    Status Start(StartDelays delays, OpenReport report,
                 std::vector<std::shared_future<void>> predecessors = {});
    Status Start() { return Start(StartDelays{}, OpenReport::Caller); }

    // Asks the cycles to end; returns at once. The thread closes the link and ends by itself.
    void Stop();
    // The thread has ended (or never started).
    bool Finished() const;
    // Ready once the thread has ended.
    std::shared_future<void> exited() const { return exitedResult_; }

    LinkKind linkKind() const { return kind_; }
    // The code of the firmware step in flight (0 before the first); the device restarts
    // during the start step and the handshake.
    int pendingFirmwareCode() const { return pendingCode_; }
    std::string linkDescription() const;
    // The device path a finder found (empty until then, and for links given outright).
    std::string foundPath() const;

private:
    enum class State { Running, Halted, Stopping };

    void Run(StartDelays delays, OpenReport report,
             const std::vector<std::shared_future<void>>& predecessors,
             std::promise<Status>& opened);
    bool FindLink();
    void Cycle();
    void ReportCycle();
    void TcpCycle();
    void ComCycle();
    void FirmwareCycle();
    // Drops whatever arrived since the last answer, so a late answer is not taken for the
    // answer of the frame about to be written.
    void DrainLateInput();
    // Writes the head frame's reports; false when stopping.
    bool WriteHeadReports(int reportWriteMs);
    // Reads reports until an answer is handled (true) or a limit or stop ends the cycle.
    bool ReadAnswerReports(int reportReadMs, int cycleLimitMs,
                           std::chrono::steady_clock::time_point cycleStart);
    // One read of up to `limitMs`, waiting in slices so a stop ends it early (Failed then).
    ReadStatus ReadSliced(std::span<std::uint8_t> buffer, std::size_t& count, int limitMs);
    // Asks the change scan for a frame when the queue is empty; true when it did (or when
    // this worker has been replaced and must touch nothing).
    bool FillEmptyQueue();
    // Starts the head frame's transfer clock on its first frame; false (and the transfer is
    // failed) once its deadline has passed or the frame was asked for again too often.
    bool HeadWithinLimits();
    // Posts a failure notice and halts the cycles until the front end stops the worker.
    void Fail(NoticeId id, int parameter = 0, int detail = 0);
    // Sleeps up to `ms`, waking early when asked to stop; false when stopping.
    bool Pause(int ms);
    bool Stopping();

    WorkerContext context_;
    std::unique_ptr<Link> link_;
    LinkFinder find_;
    int findLimitMs_ = 0;
    int findRetryMs_ = 0;
    LinkKind kind_;
    AnswerHandler::LinkEpoch epoch_ = AnswerHandler::kAnyLink;
    QThread* thread_ = nullptr;
    std::promise<void> exited_;
    std::shared_future<void> exitedResult_;

    mutable std::mutex stateMutex_;
    std::condition_variable stateChanged_;
    State state_ = State::Running;
    std::string description_;  // guarded by stateMutex_
    std::string foundPath_;    // guarded by stateMutex_
    std::atomic<int> pendingCode_{0};
};

}  // namespace corva
