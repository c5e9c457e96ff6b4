#include "transfer/ConnectionController.h"

#include <algorithm>
#include <cctype>

#include "model/ProtectionCheck.h"
#include "protocol/FrameBuilder.h"

namespace corva {
namespace {

constexpr std::size_t kFamilyLength = 7;
constexpr std::size_t kMajorVersionAt = 7;

bool SamePath(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

ConnectionController::ConnectionController(Dependencies dependencies)
    : session_{dependencies.session.engine()},
      devices_{dependencies.devices},
      inUse_{dependencies.inUse},
      timing_{dependencies.timing},
      notices_{std::move(dependencies.notices)},
      command_{session_, notices_},
      bulk_{session_} {}

ConnectionController::~ConnectionController() {
    Disconnect();
    stoppedWorkers_.clear();  // each waits out its last read slice: the workers use our parts
}

std::size_t ConnectionController::closingLinks() {
    ReapStoppedWorkers();
    return stoppedWorkers_.size();
}

void ConnectionController::ReapStoppedWorkers() {
    std::erase_if(stoppedWorkers_, [](const auto& worker) { return worker->Finished(); });
}

void ConnectionController::Raise(SessionChange change, std::uint8_t channels) {
    session_.events.Raise({change, channels});
}

void ConnectionController::RaiseSynchronisedIfChanged() {
    bool synchronisedNow = false;
    {
        std::lock_guard lock(session_.sendLock);
        synchronisedNow = session_.model.synchronised();
    }
    if (synchronisedNow != synchronisedSeen_) {
        synchronisedSeen_ = synchronisedNow;
        Raise(SessionChange::Synchronised);
    }
}

bool ConnectionController::synchronised() const {
    std::lock_guard lock(session_.sendLock);
    return session_.model.synchronised();
}

std::vector<std::string> ConnectionController::EnumerateProcessors() {
    std::vector<std::string> paths;
    std::lock_guard device(deviceMutex_);
    for (const auto& info : devices_.Enumerate()) {
        if (info.IsProcessor()) {
            paths.push_back(info.path);
        }
    }
    return paths;
}

void ConnectionController::BeginSession() {
    std::lock_guard lock(session_.sendLock);
    session_.queue.clear();
    session_.model.ClearChangeMarks();
    session_.model.SetSynchronised(false);
    command_.needsFirmware = false;
    bulk_.ResetProgressCount();
}

void ConnectionController::QueueHandshake() {
    std::lock_guard lock(session_.sendLock);
    session_.queue.push(FrameBuilder(session_.image, session_.protection)
                            .BuildSystemReadFrame(system_id::kVersionTag));
}

WorkerContext ConnectionController::Context() {
    return WorkerContext{session_, command_, timing_, notices_, deviceMutex_, nullptr};
}

std::unique_ptr<Link> ConnectionController::Traced(std::unique_ptr<Link> link) const {
    if (link && trace_) {
        link->SetTraceHook(trace_);
    }
    return link;
}

Status ConnectionController::StartWorker(std::unique_ptr<TransferWorker> worker,
                                         TransferWorker::StartDelays delays,
                                         TransferWorker::OpenReport report) {
    ReapStoppedWorkers();
    // A stopped worker may still hold the device (or the port) for one read slice.
    std::vector<std::shared_future<void>> predecessors;
    for (const auto& stopped : stoppedWorkers_) {
        predecessors.push_back(stopped->exited());
    }
    Status status = worker->Start(delays, report, std::move(predecessors));
    if (!status.ok()) {
        command_.EndLink();
        stoppedWorkers_.push_back(std::move(worker));  // its thread is ending by itself
        return status;
    }
    {
        std::lock_guard lock(session_.sendLock);
        session_.connected = true;
    }
    worker_ = std::move(worker);
    return Status::Ok();
}

bool ConnectionController::OpenFirstDevice() {
    if (online()) {
        return true;
    }
    // Opening a HID device is not exclusive on every system, so the start-up connection also
    // skips devices another copy holds and marks the one it takes.
    for (const auto& path : EnumerateProcessors()) {
        if (inUse_.IsFree(path)) {
            return ConnectToPath(path).ok();
        }
    }
    return false;
}

Status ConnectionController::ConnectToPath(const std::string& path) {
    if (!inUse_.IsFree(path)) {
        return Status::Fail(ConnectFailedMessage().text);
    }
    BeginSession();
    QueueHandshake();
    Status status = StartWorker(devices_.MakeLink(path));
    if (!status.ok()) {
        BeginSession();
        return status;
    }
    inUse_.Mark(path);
    markedInUse_ = true;
    kind_ = LinkKind::Usb;
    devicePath_ = path;
    return Status::Ok();
}

std::vector<std::string> ConnectionController::FreeProcessors() {
    const auto candidates = EnumerateProcessors();
    if (candidates.empty()) {
        inUse_.ClearAll();  // marks left by copies that ended without closing
    }
    std::vector<std::string> freeDevices;
    for (const auto& path : candidates) {
        if (inUse_.IsFree(path)) {
            freeDevices.push_back(path);
        }
    }
    return freeDevices;
}

ConnectionController::ToggleOutcome ConnectionController::ToggleConnection() {
    using Kind = ToggleOutcome::Kind;
    if (online()) {
        Disconnect();
        return {Kind::Disconnected, {}, {}, std::nullopt};
    }
    const auto freeDevices = FreeProcessors();
    if (freeDevices.empty()) {
        return {Kind::Failed, {}, {}, NoConnectionMessage()};
    }
    if (freeDevices.size() == 1) {
        if (ConnectToPath(freeDevices.front()).ok()) {
            return {Kind::Connected, {}, {}, std::nullopt};
        }
        return {Kind::Failed, {}, {}, ConnectFailedMessage()};
    }
    ToggleOutcome choose{Kind::ChooseDevice, {}, freeDevices, std::nullopt};
    for (std::size_t i = 0; i < freeDevices.size(); ++i) {
        choose.choiceLabels.push_back(UsbChoiceLabel(i));
    }
    return choose;
}

Status ConnectionController::ConnectStream(LinkMaker makeLink) {
    if (online()) {
        Disconnect();
    }
    streamMaker_ = std::move(makeLink);
    auto link = streamMaker_();
    const LinkKind kind = link->kind();
    BeginSession();
    QueueHandshake();
    Status status = StartWorker(std::move(link));
    if (!status.ok()) {
        BeginSession();
        return status;
    }
    kind_ = kind;
    devicePath_.clear();
    markedInUse_ = false;
    retryCount_ = 0;
    return Status::Ok();
}

void ConnectionController::StopWorker() {
    if (worker_) {
        worker_->Stop();  // returns at once; the thread closes its link and ends by itself
        stoppedWorkers_.push_back(std::move(worker_));
    }
    command_.EndLink();  // whatever the stopped worker still reads is dropped, never filed
    ReapStoppedWorkers();
    std::lock_guard lock(session_.sendLock);
    session_.connected = false;
}

void ConnectionController::CloseTransport() {
    const bool wasOnline = online();
    StopWorker();
    sequencer_.reset();  // an update never outlives its link
    if (markedInUse_) {
        inUse_.Unmark(devicePath_);
        markedInUse_ = false;
    }
    awaitingFullRead_ = false;
    bulk_.bulkBusy = false;
    {
        std::lock_guard lock(session_.sendLock);
        session_.queue.clear();
        session_.model.ClearChangeMarks();
        session_.model.SetSynchronised(false);
    }
    RaiseSynchronisedIfChanged();
    if (wasOnline) {
        Raise(SessionChange::LinkLost);
    }
}

void ConnectionController::Disconnect() {
    if (!online()) {
        return;
    }
    CloseTransport();
    command_.ResetAssembler();
}

NoticeOutcome ConnectionController::Handle(const Notice& notice) {
    ReapStoppedWorkers();
    NoticeOutcome outcome;
    const bool wasUpdating = updating();
    const bool finishesUpdate =
        notice.id == NoticeId::UpdateStep ||
        (notice.id == NoticeId::FirmwareStepAnswered && notice.value == firmware_step::kFinish);
    outcome.message = Dispatch(notice);
    if (wasUpdating && !updating()) {
        outcome.updateEnd = finishesUpdate ? UpdateEnd::Succeeded : UpdateEnd::Failed;
    }
    if (notice.id == NoticeId::BatchDone) {
        outcome.batchEnded = true;
    }
    if (notice.id == NoticeId::Progress) {
        outcome.progressIndex = notice.value;
    }
    RaiseSynchronisedIfChanged();
    return outcome;
}

std::optional<UserMessage> ConnectionController::Dispatch(const Notice& notice) {
    switch (notice.id) {
        case NoticeId::VersionReceived:
            return OnVersionTag();
        case NoticeId::SystemReceived:
            if (awaitingFullRead_ && online()) {
                awaitingFullRead_ = false;
                bulk_.ReadLiveDevice();
            }
            return std::nullopt;
        case NoticeId::OutputsReceived:
            return OnOutputsReceived();
        case NoticeId::PresetsReceived:
            if (online()) {
                Raise(SessionChange::Presets);
            }
            return std::nullopt;
        case NoticeId::PositionsReceived:
            if (online()) {
                Raise(SessionChange::Positions);
            }
            return std::nullopt;
        case NoticeId::LinkFailed:
            return OnLinkFailed();
        case NoticeId::TransferStopped: {
            auto message = OnLinkFailed();
            if (message) {
                *message = TransferStoppedMessage(kind_, static_cast<TransferKind>(notice.value),
                                                  static_cast<TransferLimit>(notice.detail));
            }
            return message;
        }
        case NoticeId::NetRetry:
            return OnNetRetry();
        case NoticeId::FirmwareStepAnswered:
            return OnFirmwareStep(notice.value);
        case NoticeId::FirmwareErasing:
            if (updating() && firmwareHooks_.status) {
                firmwareHooks_.status(Tr("Connection", "Erasing......"));
            }
            return std::nullopt;
        case NoticeId::UpdateStep:
            return OnUpdateFinished();
        case NoticeId::DeviceNeedsFirmware:
            if (!online()) {
                return std::nullopt;
            }
            Disconnect();
            return NeedsFirmwareMessage();
        default:
            return std::nullopt;  // status polls and progress change nothing here
    }
}

std::optional<UserMessage> ConnectionController::OnVersionTag() {
    if (!online()) {
        return std::nullopt;
    }
    std::string tag;
    {
        std::lock_guard lock(session_.sendLock);
        const auto bytes = session_.image.VersionTag();
        tag.assign(bytes.begin(), bytes.end());
    }
    const std::string expected = kExpectedVersionTag;
    const auto rejectTag = [this] {
        Disconnect();
        std::lock_guard lock(session_.sendLock);
        const auto stored = session_.image.VersionTag();
        std::fill(stored.begin(), stored.end(), std::uint8_t{' '});
    };
    if (tag.compare(0, kFamilyLength, expected, 0, kFamilyLength) != 0) {
        rejectTag();  // another kind of device: leave it silently
        return std::nullopt;
    }
    if (tag[kMajorVersionAt] != expected[kMajorVersionAt]) {
        const char deviceMajor = tag[kMajorVersionAt];
        rejectTag();
        return VersionMessage(expected[kMajorVersionAt], deviceMajor);
    }
    awaitingFullRead_ = true;
    std::lock_guard lock(session_.sendLock);
    session_.queue.push(FrameBuilder(session_.image, session_.protection)
                            .BuildSystemReadFrame(system_id::kSystemSettings));
    return std::nullopt;
}

std::optional<UserMessage> ConnectionController::OnOutputsReceived() {
    if (!online()) {
        return std::nullopt;  // its link closed meanwhile: the image is no processor's now
    }
    {
        std::lock_guard lock(session_.sendLock);
        CheckReceivedProtection(session_.image, session_.protection);
        session_.model.LoadFromImage(session_.image, 0);
        auto groups = session_.image.LinkGroups();
        for (int c = 0; c < kOutputChannelCount; ++c) {
            groups[static_cast<std::size_t>(c)] = c;  // a completed full read unlinks every pair
        }
        session_.model.ClearChangeMarks();
        session_.model.SetSynchronised(true);
    }
    bulk_.bulkBusy = false;
    // The full read (and a recall) also brought the preset names.
    Raise(SessionChange::Outputs, kAllOutputChannels);
    Raise(SessionChange::Protection);
    Raise(SessionChange::Presets);
    return std::nullopt;
}

std::optional<UserMessage> ConnectionController::OnLinkFailed() {
    if (!online()) {
        return std::nullopt;
    }
    UserMessage message = ConnectionFailureMessage(kind_);
    const bool neverFound =
        updating() && devicePath_.empty() && worker_ && worker_->foundPath().empty();
    message.detail = neverFound ? "no processor on USB" : "no answer over " + linkDescription();
    // The worker closes the link on its own thread; nothing here waits for it.
    CloseTransport();
    command_.ResetAssembler();
    sequencer_.reset();
    return message;
}

std::optional<UserMessage> ConnectionController::OnNetRetry() {
    if (!online()) {
        return std::nullopt;
    }
    const std::string description = linkDescription();
    if (command_.answersHandled != answersAtLastRetry_) {
        retryCount_ = 0;  // the link answered since the last silence
    }
    answersAtLastRetry_ = command_.answersHandled;
    ++retryCount_;
    // Keep what was waiting to be sent: the frame in flight goes out again after reconnecting.
    StopWorker();
    if (retryCount_ <= timing_.tcpRetries && streamMaker_) {
        // The new worker waits, connects and settles on its own thread; a connection that
        // fails raises the next retry notice.
        const Status started =
            StartWorker(std::make_unique<TransferWorker>(Context(), Traced(streamMaker_())),
                        {timing_.tcpRetryPauseMs, timing_.tcpAfterConnectMs},
                        TransferWorker::OpenReport::NetRetry);
        if (started.ok()) {
            return std::nullopt;
        }
    }
    retryCount_ = 0;
    CloseTransport();
    UserMessage message = ConnectionFailureMessage(kind_);
    message.detail = "no answer over " + description + " after reconnecting";
    return message;
}

std::optional<UserMessage> ConnectionController::PollDevices() {
    const auto present = EnumerateProcessors();
    std::optional<UserMessage> message;
    // A processor restarting into its firmware loader leaves and comes back: not a removal.
    const int firmwareCode = worker_ ? worker_->pendingFirmwareCode() : 0;
    const bool restarting = updating() && (firmwareCode == firmware_step::kStart ||
                                           firmwareCode == frame_code::kFirmwareHandshake);
    if (worker_ && devicePath_.empty() && kind_ == LinkKind::Usb) {
        devicePath_ = worker_->foundPath();  // an update that waited for its processor
    }
    const bool openDeviceGone =
        online() && kind_ == LinkKind::Usb && !restarting && !devicePath_.empty() &&
        std::none_of(present.begin(), present.end(),
                     [this](const std::string& path) { return SamePath(path, devicePath_); });
    if (openDeviceGone) {
        CloseTransport();
        command_.ResetAssembler();
        message = ConnectionFailureMessage(LinkKind::Usb);
        message->detail = "the processor at " + devicePath_ + " was removed";
    }
    for (const auto& path : present) {
        const bool arrived =
            std::find(knownDevices_.begin(), knownDevices_.end(), path) == knownDevices_.end();
        if (arrived && !online()) {
            (void)ConnectToPath(path);  // no message when the new device will not open
        }
    }
    knownDevices_ = present;
    return message;
}

Status ConnectionController::StartFirmwareUpdate(FirmwareImage image, FirmwareHooks hooks) {
    if (updating()) {
        return Status::Fail(Tr("Connection", "An update is already running."));
    }
    Disconnect();
    firmwareHooks_ = std::move(hooks);
    sequencer_ = std::make_shared<UpdateSequencer>(std::move(image));
    BeginSession();
    WorkerContext context = Context();
    context.firmware = sequencer_;
    const auto present = EnumerateProcessors();
    std::unique_ptr<TransferWorker> worker;
    TransferWorker::OpenReport report = TransferWorker::OpenReport::Caller;
    if (!present.empty()) {
        devicePath_ = present.front();
        worker = std::make_unique<TransferWorker>(context, Traced(devices_.MakeLink(devicePath_)));
    } else {
        // The worker looks for the processor; the window stays free meanwhile.
        if (firmwareHooks_.status) {
            firmwareHooks_.status(Tr("Connection", "Connected Usb"));
        }
        devicePath_.clear();
        report = TransferWorker::OpenReport::LinkFailed;
        worker = std::make_unique<TransferWorker>(
            context,
            [this]() -> FoundLink {
                // On the worker thread, with the device mutex held.
                for (const auto& info : devices_.Enumerate()) {
                    if (info.IsProcessor()) {
                        return {Traced(devices_.MakeLink(info.path)), info.path};
                    }
                }
                return {};
            },
            timing_.connectForUpdateMs, timing_.connectForUpdateRetryMs);
    }
    Status status = StartWorker(std::move(worker), {}, report);
    if (!status.ok()) {
        sequencer_.reset();
        BeginSession();
        return Status::Fail(ConnectionFailureMessage(LinkKind::Usb).text);
    }
    kind_ = LinkKind::Usb;
    markedInUse_ = false;
    return Status::Ok();
}

std::optional<UserMessage> ConnectionController::OnFirmwareStep(int code) {
    if (!updating()) {
        return std::nullopt;
    }
    if (firmwareHooks_.stepDone) {
        firmwareHooks_.stepDone();
    }
    if (auto text = sequencer_->StatusAfter(code); text && firmwareHooks_.status) {
        firmwareHooks_.status(*text);
    }
    if (code == firmware_step::kFinish) {
        return OnUpdateFinished();
    }
    return std::nullopt;
}

std::optional<UserMessage> ConnectionController::OnUpdateFinished() {
    if (!updating()) {
        return std::nullopt;
    }
    CloseTransport();
    command_.ResetAssembler();
    sequencer_.reset();
    return UserMessage{Tr("Connection", "Update successfully!"), MessageStyle::Plain, {}};
}

}  // namespace corva
