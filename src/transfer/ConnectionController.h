// The connection as the front end sees it: finding and opening processors, the version
// handshake and the full read that follows, hot-plug, the close procedures, the failure and
// reconnection rules. Runs on the front end's thread; the front end passes it every notice
// the transfer machinery raises and shows the messages it returns. Nothing here sleeps or
// waits for a worker to end: stopped workers close their links on their own threads.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "model/TuningSession.h"
#include "protocol/DeviceEnumerator.h"
#include "protocol/InUseMarkers.h"
#include "protocol/Timing.h"
#include "transfer/AnswerHandler.h"
#include "transfer/BulkTransfers.h"
#include "transfer/ConnectionMessages.h"
#include "transfer/NoticeOutcome.h"
#include "transfer/TransferWorker.h"

namespace corva {

// The tag the program expects: the family (first seven characters) and major version (eighth).
inline constexpr const char* kExpectedVersionTag = "RUDA-DO1.00";

using LinkMaker = std::function<std::unique_ptr<Link>()>;

// How a free processor on USB is offered to the user: "USB 1", "USB 2", ... by position.
inline std::string UsbChoiceLabel(std::size_t index) {
    return "USB " + std::to_string(index + 1);
}

class ConnectionController {
public:
    struct Dependencies {
        TuningSession& session;
        DeviceEnumerator& devices;
        InUseMarkers& inUse;
        const Timing& timing;
        NoticeSink notices;  // where the worker's notices go (the front end's queue)
    };
    explicit ConnectionController(Dependencies dependencies);
    ~ConnectionController();

    AnswerHandler& command() { return command_; }
    // Every link this controller opens reports its traffic here (on the worker thread).
    void SetTraceHook(TraceHook hook) { trace_ = std::move(hook); }
    BulkTransfers& bulk() { return bulk_; }

    // ---- USB ----
    // Start-up: the first processor found, without the in-use check. False when none opened.
    bool OpenFirstDevice();
    // A user connection to one device; fails when another copy holds it or it will not open.
    Status ConnectToPath(const std::string& path);
    // The processors on USB that no other copy of the program holds, in enumeration order.
    std::vector<std::string> FreeProcessors();

    // The connect button.
    struct ToggleOutcome {
        enum class Kind { Disconnected, Connected, ChooseDevice, Failed } kind;
        std::vector<std::string> choiceLabels;  // "USB 1", "USB 2", ... when choosing
        std::vector<std::string> choicePaths;
        std::optional<UserMessage> message;
    };
    ToggleOutcome ToggleConnection();

    // ---- TCP and serial ----
    // `makeLink` is called again for each reconnection.
    Status ConnectStream(LinkMaker makeLink);

    void Disconnect();

    // ---- Firmware update over USB ----
    // Both are called on the thread that handles notices.
    struct FirmwareHooks {
        std::function<void(const UiText&)> status;  // the status line
        std::function<void()> stepDone;             // the progress bar advances
    };
    // Closes whatever link is open and starts the update on the first processor on USB. When
    // none is there yet, the worker looks for one for up to ten seconds; the update then
    // ends with "Connection failure!" through the notices like any failed link.
    Status StartFirmwareUpdate(FirmwareImage image, FirmwareHooks hooks);
    bool updating() const { return sequencer_ != nullptr; }

    // Handles a notice on the front end's thread and says what it means for the front end.
    NoticeOutcome Handle(const Notice& notice);
    // The same, for callers that only show messages.
    std::optional<UserMessage> HandleNotice(const Notice& notice) { return Handle(notice).message; }
    // Ends the bulk transfer a BatchDone notice finished (see NoticeOutcome::batchEnded).
    void EndBatch() { bulk_.bulkBusy = false; }

    // Hot-plug: enumerates (about once a second, or on the system's notice) and reacts to
    // arrival and removal.
    std::optional<UserMessage> PollDevices();

    bool online() const { return worker_ != nullptr; }
    bool synchronised() const;
    LinkKind linkKind() const { return kind_; }
    const std::string& devicePath() const { return devicePath_; }
    std::string linkDescription() const { return worker_ ? worker_->linkDescription() : ""; }

    // Stopped workers whose threads have not ended yet (they end within one read slice).
    std::size_t closingLinks();

private:
    std::vector<std::string> EnumerateProcessors();
    WorkerContext Context();
    std::unique_ptr<Link> Traced(std::unique_ptr<Link> link) const;
    Status StartWorker(std::unique_ptr<TransferWorker> worker,
                       TransferWorker::StartDelays delays = {},
                       TransferWorker::OpenReport report = TransferWorker::OpenReport::Caller);
    Status StartWorker(std::unique_ptr<Link> link) {
        return StartWorker(std::make_unique<TransferWorker>(Context(), Traced(std::move(link))));
    }
    void ReapStoppedWorkers();
    void BeginSession();
    void QueueHandshake();
    void StopWorker();
    void CloseTransport();
    std::optional<UserMessage> Dispatch(const Notice& notice);
    std::optional<UserMessage> OnVersionTag();
    std::optional<UserMessage> OnOutputsReceived();
    std::optional<UserMessage> OnLinkFailed();
    std::optional<UserMessage> OnNetRetry();
    std::optional<UserMessage> OnFirmwareStep(int code);
    std::optional<UserMessage> OnUpdateFinished();
    // Raises the events that follow a handled notice, once the send lock is free.
    void RaiseSynchronisedIfChanged();
    void Raise(SessionChange change, std::uint8_t channels = 0);

    SessionState& session_;
    DeviceEnumerator& devices_;
    InUseMarkers& inUse_;
    const Timing& timing_;
    NoticeSink notices_;
    std::mutex deviceMutex_;
    AnswerHandler command_;
    BulkTransfers bulk_;
    std::unique_ptr<TransferWorker> worker_;
    std::vector<std::unique_ptr<TransferWorker>> stoppedWorkers_;

    LinkKind kind_ = LinkKind::Usb;
    std::string devicePath_;
    bool markedInUse_ = false;       // a user connection marks its device
    bool awaitingFullRead_ = false;  // handshake passed; the system settings start the read
    LinkMaker streamMaker_;
    int retryCount_ = 0;
    long answersAtLastRetry_ = 0;
    std::vector<std::string> knownDevices_;       // last enumeration, for hot-plug
    std::shared_ptr<UpdateSequencer> sequencer_;  // shared with the worker that sends it
    FirmwareHooks firmwareHooks_;
    TraceHook trace_;
    bool synchronisedSeen_ = false;  // the flag as the last Synchronised event told it
};

}  // namespace corva
