#include "transfer/TransferWorker.h"

#include <QThread>
#include <algorithm>
#include <chrono>
#include <future>

#include "protocol/SendData.h"

namespace corva {
namespace {

using Clock = std::chrono::steady_clock;

int ElapsedMs(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

constexpr std::size_t kStreamReadSize = 150;

}  // namespace

TransferWorker::TransferWorker(WorkerContext context, std::unique_ptr<Link> link)
    : context_{std::move(context)},
      link_{std::move(link)},
      kind_{link_->kind()},
      description_{link_->Describe()} {}

TransferWorker::~TransferWorker() { Stop(); }

Status TransferWorker::Start(StartDelays delays) {
    if (thread_) {
        return Status::Ok();
    }
    std::promise<Status> opened;
    auto openedResult = opened.get_future();
    exited_ = std::promise<void>();
    exitedResult_ = exited_.get_future();
    thread_ = QThread::create([this, delays, &opened] {
        // Joining through Qt is invisible to thread checkers; this promise makes the end of
        // the thread's work visible to whoever stops it.
        struct SignalExit {
            std::promise<void>& exited;
            ~SignalExit() { exited.set_value(); }
        } signalExit{exited_};
        if (delays.beforeOpenMs > 0 && !Pause(delays.beforeOpenMs)) {
            opened.set_value(Status::Fail({"Stopped.", "已停止。"}));
            return;
        }
        Status status = Status::Ok();
        {
            std::lock_guard device(context_.deviceMutex);
            status = link_->Open();
        }
        const bool ok = status.ok();
        opened.set_value(std::move(status));
        if (ok) {
            Run(delays);
        }
    });
    thread_->start();
    Status status = openedResult.get();
    if (!status.ok()) {
        exitedResult_.wait();
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
    }
    return status;
}

void TransferWorker::Stop() {
    if (!thread_) {
        return;
    }
    {
        std::lock_guard lock(stateMutex_);
        state_ = State::Stopping;
    }
    stateChanged_.notify_all();
    exitedResult_.wait();
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
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

void TransferWorker::Fail(NoticeId id, int parameter) {
    {
        std::lock_guard lock(stateMutex_);
        if (state_ == State::Stopping) {
            return;  // a failure seen while stopping is the stop itself
        }
        state_ = State::Halted;
    }
    if (context_.notices) {
        context_.notices({id, parameter});
    }
}

void TransferWorker::Run(StartDelays delays) {
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
        case LinkKind::Usb: ReportCycle(); break;
        case LinkKind::Tcp: TcpCycle(); break;
        case LinkKind::Com: ComCycle(); break;
    }
}

bool TransferWorker::FillEmptyQueue() {
    auto& session = context_.session;
    std::lock_guard lock(session.sendLock);
    if (!session.queue.empty()) {
        return false;
    }
    session.queue.push(session.model.NextChangedFrame(session.image, session.protection));
    return true;
}

void TransferWorker::ReportCycle() {
    const auto cycleStart = Clock::now();
    if (FillEmptyQueue()) {
        return;
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
            SendData* head = context_.session.queue.front();
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
        if (Stopping()) {
            return false;
        }
        std::size_t count = 0;
        if (link_->Read(report, count, reportReadMs) != ReadStatus::Data) {
            Fail(NoticeId::LinkFailed);
            return false;
        }
        // A device that has not prepared its answer sends empty reports: give it a moment.
        onlyZerosSoFar = onlyZerosSoFar && std::all_of(report.begin(), report.end(),
                                                       [](std::uint8_t b) { return b == 0; });
        if (onlyZerosSoFar && !Pause(context_.timing.zeroReportWaitMs)) {
            return false;
        }
        if (context_.command.FeedUsbReport(report)) {
            return true;
        }
        if (ElapsedMs(cycleStart) > cycleLimitMs) {
            Pause(context_.timing.zeroReportWaitMs);
            Fail(NoticeId::LinkFailed);
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
        if (session.queue.empty()) {
            for (auto& step : context_.firmware->NextUpdateStep()) {
                session.queue.push(std::move(step));
            }
        }
        SendData* head = session.queue.front();
        if (head) {
            code = head->code;
            pendingCode_ = code;
            if (++head->tries > 2) {
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
            report[i] = 0x43;
            report[i + 1] = 0x11;
        }
        while (ElapsedMs(cycleStart) <= timing.handshakeBurstMs) {
            (void)link_->Write(report, timing.firmwareReportWriteMs);
            if (!Pause(timing.handshakeReportPauseMs)) {
                return;
            }
        }
        {
            std::lock_guard lock(context_.session.sendLock);
            context_.session.queue.popFront();
        }
        Pause(timing.handshakePauseMs);
        return;
    }
    if (!WriteHeadReports(timing.firmwareReportWriteMs)) {
        return;
    }
    if (code == firmware_step::kErase && context_.firmwareStatus) {
        context_.firmwareStatus({"Erasing......", "擦除中......"});
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
    if (FillEmptyQueue()) {
        return;
    }
    std::vector<std::uint8_t> frame;
    {
        std::lock_guard lock(context_.session.sendLock);
        SendData* head = context_.session.queue.front();
        if (!head || head->code != frame_code::kOrdinary) {
            return;  // firmware steps never travel over the network
        }
        frame.assign(head->data().begin(), head->data().end());
        head->position = head->length();
    }
    // Bytes that arrived while no frame was waiting for its answer are dropped.
    std::array<std::uint8_t, kStreamReadSize> buffer{};
    std::size_t count = 0;
    while (link_->Read(buffer, count, 0) == ReadStatus::Data && count > 0) {
    }
    context_.command.ResetAssembler();
    if (!link_->Write(frame, context_.timing.tcpAnswerLimitMs).ok()) {
        Fail(NoticeId::NetRetry);
        return;
    }
    for (;;) {
        const int remainingMs = context_.timing.tcpAnswerLimitMs - ElapsedMs(cycleStart);
        if (remainingMs <= 0) {
            Fail(NoticeId::NetRetry);
            return;
        }
        const auto status = link_->Read(buffer, count, remainingMs);
        if (status == ReadStatus::Failed) {
            Fail(NoticeId::NetRetry);
            return;
        }
        if (Stopping()) {
            return;
        }
        if (status == ReadStatus::Data &&
            context_.command.FeedStream(std::span<const std::uint8_t>(buffer.data(), count))) {
            return;
        }
    }
}

void TransferWorker::ComCycle() {
    if (FillEmptyQueue()) {
        return;
    }
    std::vector<std::uint8_t> frame;
    int waitMs = context_.timing.comAnswerWaitMs;
    {
        std::lock_guard lock(context_.session.sendLock);
        SendData* head = context_.session.queue.front();
        if (!head) {
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
        context_.command.ResetAssembler();
        link_->DiscardInput();
        if (!link_->Write(frame, waitMs).ok()) {
            break;
        }
        {
            std::lock_guard lock(context_.session.sendLock);
            if (SendData* head = context_.session.queue.front()) {
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
            const auto status = link_->Read(buffer, count, remainingMs);
            if (status == ReadStatus::Failed) {
                Fail(NoticeId::LinkFailed, static_cast<int>(LinkKind::Com));
                return;
            }
            if (status != ReadStatus::Data) {
                continue;
            }
            // Byte by byte, as a serial line delivers them, so a rejected answer is noticed.
            bool rejected = false;
            for (std::size_t i = 0; i < count; ++i) {
                if (context_.command.FeedByte(buffer[i])) {
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
    Fail(NoticeId::LinkFailed, static_cast<int>(LinkKind::Com));
}

}  // namespace corva
