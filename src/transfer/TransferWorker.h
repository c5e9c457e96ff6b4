// The one thread per connection that carries frames to the processor: it opens the link,
// writes the frame at the head of the send queue, waits for its answer, and asks the change
// scan for the next frame (or the status poll) whenever the queue is empty. It owns the link:
// every call on it happens on this thread.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>

#include "core/Status.h"
#include "model/TuningSession.h"
#include "protocol/Link.h"
#include "protocol/Notice.h"
#include "protocol/Timing.h"
#include "firmware/UpdateSequencer.h"
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
    UpdateSequencer* firmware = nullptr;
    std::function<void(const UiText&)> firmwareStatus;
};

class TransferWorker {
public:
    TransferWorker(WorkerContext context, std::unique_ptr<Link> link);
    ~TransferWorker();
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

    struct StartDelays {
        int beforeOpenMs = 0;  // a reconnection waits before it connects again
        int afterOpenMs = 0;   // and lets the processor settle after connecting
    };
    // Opens the link on the worker thread and starts the cycles; the link's error otherwise.
    Status Start(StartDelays delays);
    Status Start() { return Start(StartDelays{}); }

    // Ends the cycles, closes the link and joins the thread. Safe to call twice.
    void Stop();

    LinkKind linkKind() const { return kind_; }
    // The code of the firmware step in flight (0 before the first); the device restarts
    // during the start step and the handshake.
    int pendingFirmwareCode() const { return pendingCode_; }
    std::string linkDescription() const { return description_; }

private:
    enum class State { Running, Halted, Stopping };

    void Run(StartDelays delays);
    void Cycle();
    void ReportCycle();
    void TcpCycle();
    void ComCycle();
    void FirmwareCycle();
    // Writes the head frame's reports; false when stopping.
    bool WriteHeadReports(int reportWriteMs);
    // Reads reports until an answer is handled (true) or a limit or stop ends the cycle.
    bool ReadAnswerReports(int reportReadMs, int cycleLimitMs,
                           std::chrono::steady_clock::time_point cycleStart);
    // Asks the change scan for a frame when the queue is empty; true when it did.
    bool FillEmptyQueue();
    // Posts a failure notice and halts the cycles until the front end stops the worker.
    void Fail(NoticeId id, int parameter = 0);
    // Sleeps up to `ms`, waking early when asked to stop; false when stopping.
    bool Pause(int ms);
    bool Stopping();

    WorkerContext context_;
    std::unique_ptr<Link> link_;
    LinkKind kind_;
    std::string description_;
    QThread* thread_ = nullptr;
    std::promise<void> exited_;
    std::future<void> exitedResult_;

    std::mutex stateMutex_;
    std::condition_variable stateChanged_;
    State state_ = State::Running;
    std::atomic<int> pendingCode_{0};
};

}  // namespace corva
