#include "transfer/TransferWorker.h"

#include <QThread>
#include <algorithm>
#include <array>
#include <chrono>
#include <future>
#include <optional>

#include "protocol/QueuedFrame.h"
#include "protocol/TransferLimits.h"

namespace corva {
namespace {

using Clock = std::chrono::steady_clock;

int ElapsedMs(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

constexpr std::size_t kStreamReadSize = 150;
// Late input is read away in at most this many reads, so a chattering link cannot hold the
// worker before its write.
constexpr int kMaxDrainReads = 64;

}  // namespace

TransferWorker::TransferWorker(WorkerContext context, std::unique_ptr<Link> link)
    : context_{std::move(context)},
      link_{std::move(link)},
      kind_{link_->kind()},
      description_{link_->Describe()} {}

TransferWorker::TransferWorker(WorkerContext context, LinkFinder find, int limitMs, int retryMs)
    : context_{std::move(context)},
      find_{std::move(find)},
      findLimitMs_{limitMs},
      findRetryMs_{retryMs},
      kind_{LinkKind::Usb},
      description_{"USB"} {}

TransferWorker::~TransferWorker() {
    Stop();
    if (thread_) {
        exitedResult_.wait();  // at most one read slice and the link's close
        thread_->wait();
        delete thread_;
    }
}

std::string TransferWorker::linkDescription() const {
    std::lock_guard lock(stateMutex_);
    return description_;
}

std::string TransferWorker::foundPath() const {
    std::lock_guard lock(stateMutex_);
    return foundPath_;
}

Status TransferWorker::Start(StartDelays delays, OpenReport report,
                             std::vector<std::shared_future<void>> predecessors) {
    if (thread_) {
        return Status::Ok();
    }
    epoch_ = context_.command.BeginLink();
    auto opened = std::make_shared<std::promise<Status>>();
    auto openedResult = opened->get_future();
    exited_ = std::promise<void>();
    exitedResult_ = exited_.get_future().share();
    thread_ =
        QThread::create([this, delays, report, predecessors = std::move(predecessors), opened] {
            // Joining through Qt is invisible to thread checkers; this promise makes the end of
            // the thread's work visible to whoever waits for it.
            struct SignalExit {
                std::promise<void>& exited;
                ~SignalExit() { exited.set_value(); }
            } signalExit{exited_};
            Run(delays, report, predecessors, *opened);
        });
    thread_->start();
    if (report != OpenReport::Caller) {
        return Status::Ok();
    }
    return openedResult.get();  // on failure the thread has nothing left to do and ends
}

void TransferWorker::Stop() {
    {
        std::lock_guard lock(stateMutex_);
        state_ = State::Stopping;
    }
    stateChanged_.notify_all();
}

bool TransferWorker::Finished() const {
    return !exitedResult_.valid() ||
           exitedResult_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool TransferWorker::Pause(int ms) {
    std::unique_lock lock(stateMutex_);
    stateChanged_.wait_for(lock, std::chrono::milliseconds(ms),
                           [this] { return state_ == State::Stopping; });
    return state_ != State::Stopping;
}

bool TransferWorker::Stopping() {
    std::lock_guard lock(stateMutex_);
    return state_ == State::Stopping;
}

void TransferWorker::Fail(NoticeId id, int parameter, int detail) {
    {
        std::lock_guard lock(stateMutex_);
        if (state_ == State::Stopping) {
            return;  // a failure seen while stopping is the stop itself
        }
        state_ = State::Halted;
    }
    if (context_.notices) {
        context_.notices({id, parameter, detail});
    }
}

bool TransferWorker::FindLink() {
    const auto since = Clock::now();
    for (;;) {
        FoundLink found;
        {
            std::lock_guard device(context_.deviceMutex);
            found = find_();
        }
        if (found.link) {
            link_ = std::move(found.link);
            std::lock_guard lock(stateMutex_);
            description_ = link_->Describe();
            foundPath_ = found.path;
            return true;
        }
        if (ElapsedMs(since) > findLimitMs_ || !Pause(findRetryMs_)) {
            return false;
        }
    }
}

void TransferWorker::Run(StartDelays delays, OpenReport report,
                         const std::vector<std::shared_future<void>>& predecessors,
                         std::promise<Status>& opened) {
    const auto failOpen = [&](Status status) {
        opened.set_value(std::move(status));
        if (report == OpenReport::NetRetry) {
            Fail(NoticeId::NetRetry);
        } else if (report == OpenReport::LinkFailed) {
            Fail(NoticeId::LinkFailed);
        }
    };
    // A stopped worker on the same device closes it within one read slice.
    for (const auto& predecessor : predecessors) {
        predecessor.wait();
    }
    if (delays.beforeOpenMs > 0 && !Pause(delays.beforeOpenMs)) {
        opened.set_value(Status::Fail(Tr("Connection", "Stopped.")));
        return;
    }
    if (!link_ && !FindLink()) {
        failOpen(Status::Fail(Tr("Connection", "Connection failure!")));
        return;
    }
    Status status = Status::Ok();
    {
        std::lock_guard device(context_.deviceMutex);
        status = link_->Open();
    }
    if (!status.ok()) {
        failOpen(std::move(status));
        return;
    }
    opened.set_value(Status::Ok());
    if (delays.afterOpenMs > 0) {
        Pause(delays.afterOpenMs);
    }
    for (;;) {
        {
            // A halted worker waits, without a time limit and without burning a core, until
            // the front end stops it.
            std::unique_lock lock(stateMutex_);
            stateChanged_.wait(lock, [this] { return state_ != State::Halted; });
            if (state_ == State::Stopping) {
                break;
            }
        }
        if (!context_.command.needsFirmware) {
            Cycle();
        }
        if (!Pause(context_.timing.cyclePauseMs)) {
            break;
        }
    }
    std::lock_guard device(context_.deviceMutex);
    link_->Close();
}

void TransferWorker::Cycle() {
    if (context_.firmware) {
        if (kind_ == LinkKind::Usb) {
            FirmwareCycle();
        }
        return;  // updates run over USB only
    }
    switch (kind_) {
        case LinkKind::Usb:
            ReportCycle();
            break;
        case LinkKind::Tcp:
            TcpCycle();
            break;
        case LinkKind::Serial:
            ComCycle();
            break;
    }
}

bool TransferWorker::FillEmptyQueue() {
    auto& session = context_.session;
    std::lock_guard lock(session.sendLock);
    if (!context_.command.IsCurrentLinkLocked(epoch_)) {
        return true;  // replaced: the queue belongs to the next link
    }
    if (!session.queue.empty()) {
        return false;
    }
    session.queue.push(session.model.NextChangedFrame(session.image, session.protection));
    return true;
}

bool TransferWorker::HeadWithinLimits() {
    std::optional<Notice> stopped;
    {
        std::lock_guard lock(context_.session.sendLock);
        QueuedFrame* head = context_.session.queue.front();
        if (!head || !context_.command.IsCurrentLinkLocked(epoch_)) {
            return true;
        }
        TransferClock* transfer = head->transfer.get();
        const int kind = static_cast<int>(transfer ? transfer->kind : TransferKind::Single);
        if (head->resendRequests > kMaxResendRequests) {
            stopped = Notice{NoticeId::TransferStopped, kind,
                             static_cast<int>(TransferLimit::ResendRequests)};
        } else if (transfer && !transfer->endsAt) {
            transfer->endsAt =
                Clock::now() +
                std::chrono::milliseconds(context_.timing.TransferLimitMs(transfer->frames));
        } else if (transfer && Clock::now() > *transfer->endsAt) {
            stopped =
                Notice{NoticeId::TransferStopped, kind, static_cast<int>(TransferLimit::Deadline)};
        }
    }
    if (stopped) {
        Fail(stopped->id, stopped->value, stopped->detail);
        return false;
    }
    return true;
}

ReadStatus TransferWorker::ReadSliced(std::span<std::uint8_t> buffer, std::size_t& count,
                                      int limitMs) {
    const auto start = Clock::now();
    for (;;) {
        count = 0;
        if (Stopping()) {
            return ReadStatus::Failed;
        }
        const int remainingMs = std::max(0, limitMs - ElapsedMs(start));
        const auto status = link_->Read(buffer, count, std::min(remainingMs, kLinkReadSliceMs));
        if (status != ReadStatus::Timeout || remainingMs <= kLinkReadSliceMs) {
            return status;
        }
    }
}

void TransferWorker::DrainLateInput() {
    link_->DiscardInput();
    std::array<std::uint8_t, kStreamReadSize> buffer{};
    std::size_t count = 0;
    for (int read = 0; read < kMaxDrainReads; ++read) {
        if (link_->Read(buffer, count, 0) != ReadStatus::Data || count == 0) {
            break;
        }
    }
    context_.command.ResetAssembler(epoch_);
}

void TransferWorker::ReportCycle() {
    const auto cycleStart = Clock::now();
    if (FillEmptyQueue() || !HeadWithinLimits()) {
        return;
    }
    bool startsFrame = false;
    {
        std::lock_guard lock(context_.session.sendLock);
        const QueuedFrame* head = context_.session.queue.front();
        startsFrame = head && head->position == 0;
    }
    if (startsFrame) {
        DrainLateInput();
    }
    const Timing& timing = context_.timing;
    if (WriteHeadReports(timing.usbReportWriteMs)) {
        ReadAnswerReports(timing.usbReportReadMs, timing.usbCycleLimitMs, cycleStart);
    }
}

bool TransferWorker::WriteHeadReports(int reportWriteMs) {
    HidReport report{};
    for (;;) {
        {
            std::lock_guard lock(context_.session.sendLock);
            if (!context_.command.IsCurrentLinkLocked(epoch_)) {
                return false;
            }
            QueuedFrame* head = context_.session.queue.front();
            if (!head || !head->nextReport(report)) {
                return true;
            }
        }
        (void)link_->Write(report, reportWriteMs);  // a broken device shows on the read
        if (Stopping()) {
            return false;
        }
    }
}

bool TransferWorker::ReadAnswerReports(int reportReadMs, int cycleLimitMs,
                                       Clock::time_point cycleStart) {
    HidReport report{};
    bool onlyZerosSoFar = true;
    for (;;) {
        std::size_t count = 0;
        if (ReadSliced(report, count, reportReadMs) != ReadStatus::Data) {
            Fail(NoticeId::LinkFailed);
            return false;
        }
        // A device that has not prepared its answer sends empty reports: give it a moment.
        onlyZerosSoFar = onlyZerosSoFar && std::all_of(report.begin(), report.end(),
                                                       [](std::uint8_t b) { return b == 0; });
        if (onlyZerosSoFar && !Pause(context_.timing.zeroReportWaitMs)) {
            return false;
        }
        if (context_.command.FeedUsbReport(report, epoch_)) {
            return true;
        }
        if (ElapsedMs(cycleStart) > cycleLimitMs) {
            if (Pause(context_.timing.zeroReportWaitMs)) {
                Fail(NoticeId::LinkFailed);
            }
            return false;
        }
    }
}

void TransferWorker::FirmwareCycle() {
    const auto cycleStart = Clock::now();
    const Timing& timing = context_.timing;
    int code = 0;
    {
        auto& session = context_.session;
        std::lock_guard lock(session.sendLock);
        if (!context_.command.IsCurrentLinkLocked(epoch_)) {
            return;
        }
        if (session.queue.empty()) {
            for (auto& step : context_.firmware->NextUpdateStep()) {
                session.queue.push(std::move(step));
            }
        }
        QueuedFrame* head = session.queue.front();
        if (head) {
            code = head->code;
            pendingCode_ = code;
            if (++head->tries > firmware_step::kMaxStepStarts) {
                code = -1;  // started twice without an answer
            }
        }
    }
    if (code == 0) {
        Pause(timing.firmwareIdleMs);
        return;
    }
    if (code < 0) {
        Fail(NoticeId::LinkFailed);
        return;
    }
    if (code == frame_code::kFirmwareHandshake) {
        // A burst of request pairs for a second; the loader answers nothing to them.
        HidReport report{};
        for (std::size_t i = 1; i < report.size(); i += 2) {
            report[i] = firmware_step::kHandshakeFirst;
            report[i + 1] = firmware_step::kHandshakeSecond;
        }
        while (ElapsedMs(cycleStart) <= timing.handshakeBurstMs) {
            (void)link_->Write(report, timing.firmwareReportWriteMs);
            if (!Pause(timing.handshakeReportPauseMs)) {
                return;
            }
        }
        {
            std::lock_guard lock(context_.session.sendLock);
            if (context_.command.IsCurrentLinkLocked(epoch_)) {
                context_.session.queue.popFront();
            }
        }
        Pause(timing.handshakePauseMs);
        return;
    }
    DrainLateInput();
    if (!WriteHeadReports(timing.firmwareReportWriteMs)) {
        return;
    }
    if (code == firmware_step::kErase && context_.notices) {
        context_.notices({NoticeId::FirmwareErasing, code});
    }
    if (!ReadAnswerReports(timing.FirmwareReadMs(code), timing.firmwareCycleLimitMs, cycleStart)) {
        return;
    }
    if (code == firmware_step::kStart) {
        // The processor restarts into its loader and comes back with the same identity.
        if (!Pause(timing.restartReopenDelayMs)) {
            return;
        }
        std::lock_guard device(context_.deviceMutex);
        link_->Close();
        if (!link_->Open().ok()) {
            Fail(NoticeId::LinkFailed);
        }
    }
}

void TransferWorker::TcpCycle() {
    const auto cycleStart = Clock::now();
    if (FillEmptyQueue() || !HeadWithinLimits()) {
        return;
    }
    std::vector<std::uint8_t> frame;
    {
        std::lock_guard lock(context_.session.sendLock);
        QueuedFrame* head = context_.session.queue.front();
        if (!context_.command.IsCurrentLinkLocked(epoch_) || !head ||
            head->code != frame_code::kOrdinary) {
            return;  // firmware steps never travel over the network
        }
        frame.assign(head->data().begin(), head->data().end());
        head->position = head->length();
    }
    // Bytes that arrived while no frame was waiting for its answer are dropped.
    DrainLateInput();
    if (!link_->Write(frame, context_.timing.tcpAnswerLimitMs).ok()) {
        Fail(NoticeId::NetRetry);
        return;
    }
    std::array<std::uint8_t, kStreamReadSize> buffer{};
    for (;;) {
        const int remainingMs = context_.timing.tcpAnswerLimitMs - ElapsedMs(cycleStart);
        if (remainingMs <= 0) {
            Fail(NoticeId::NetRetry);
            return;
        }
        std::size_t count = 0;
        const auto status = ReadSliced(buffer, count, remainingMs);
        if (Stopping()) {
            return;
        }
        if (status == ReadStatus::Failed) {
            Fail(NoticeId::NetRetry);
            return;
        }
        if (status == ReadStatus::Data &&
            context_.command.FeedStream(std::span<const std::uint8_t>(buffer.data(), count),
                                        epoch_)) {
            return;
        }
    }
}

void TransferWorker::ComCycle() {
    if (FillEmptyQueue() || !HeadWithinLimits()) {
        return;
    }
    std::vector<std::uint8_t> frame;
    int waitMs = context_.timing.comAnswerWaitMs;
    {
        std::lock_guard lock(context_.session.sendLock);
        QueuedFrame* head = context_.session.queue.front();
        if (!context_.command.IsCurrentLinkLocked(epoch_) || !head) {
            return;
        }
        frame.assign(head->data().begin(), head->data().end());
        head->position = head->length();
        if (head->endsBulk || head->endsStage) {
            waitMs = context_.timing.comBulkEndWaitMs;
        }
    }
    // Up to four writes of the same frame: a silent or garbled answer writes it again.
    for (int write = 1; write <= context_.timing.comWrites; ++write) {
        DrainLateInput();
        if (!link_->Write(frame, waitMs).ok()) {
            break;
        }
        {
            std::lock_guard lock(context_.session.sendLock);
            QueuedFrame* head = context_.session.queue.front();
            if (!context_.command.IsCurrentLinkLocked(epoch_)) {
                return;
            }
            if (head) {
                head->tries = write;
            }
        }
        const auto writtenAt = Clock::now();
        for (;;) {
            const int remainingMs = waitMs - ElapsedMs(writtenAt);
            if (remainingMs <= 0 || Stopping()) {
                break;
            }
            std::array<std::uint8_t, kStreamReadSize> buffer{};
            std::size_t count = 0;
            const auto status = ReadSliced(buffer, count, remainingMs);
            if (Stopping()) {
                return;
            }
            if (status == ReadStatus::Failed) {
                Fail(NoticeId::LinkFailed, static_cast<int>(LinkKind::Serial));
                return;
            }
            if (status != ReadStatus::Data) {
                continue;
            }
            // Byte by byte, as a serial line delivers them, so a rejected answer is noticed.
            bool rejected = false;
            for (std::size_t i = 0; i < count; ++i) {
                if (context_.command.FeedByte(buffer[i], epoch_)) {
                    return;
                }
                rejected = rejected || context_.command.lastAnswerRejected();
            }
            if (rejected) {
                break;
            }
        }
        if (Stopping()) {
            return;
        }
    }
    Fail(NoticeId::LinkFailed, static_cast<int>(LinkKind::Serial));
}

}  // namespace corva
