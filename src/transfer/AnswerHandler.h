// The command channel: assembles answers from whatever link carries them, checks them against
// the frame in flight, files data answers into the image and tells the front end what
// arrived. Safe to feed from the transfer worker while the front end queues frames: it takes
// the session's send lock for every change, and calls no notice sink, hook or log sink
// before that lock is released.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "model/TuningSession.h"
#include "protocol/Notice.h"
#include "protocol/QueuedFrame.h"
#include "transfer/ReceiveAssembler.h"

namespace corva {

class AnswerHandler {
public:
    AnswerHandler(SessionState& session, NoticeSink notices);
    AnswerHandler(TuningSession& session, NoticeSink notices)
        : AnswerHandler(session.engine(), std::move(notices)) {}

    // Which transfer worker feeds: a worker stopped since (its link closed or replaced) may
    // still be finishing a read, and what it reads then is dropped, never filed. kAnyLink is
    // for callers that own the channel outright (tests, tools).
    using LinkEpoch = std::uint64_t;
    static constexpr LinkEpoch kAnyLink = 0;
    // A new worker starts: answers of every earlier one are dropped from now on.
    LinkEpoch BeginLink();
    // No worker's answers are taken any more (the link closed).
    void EndLink();
    // True while `epoch` is the current worker; the caller holds the send lock.
    bool IsCurrentLinkLocked(LinkEpoch epoch) const { return epoch == kAnyLink || epoch == epoch_; }

    // Each returns true when a complete answer was accepted and handled.
    bool FeedUsbReport(const HidReport& report, LinkEpoch epoch = kAnyLink);
    bool FeedStream(std::span<const std::uint8_t> bytes, LinkEpoch epoch = kAnyLink);
    bool FeedByte(std::uint8_t byte, LinkEpoch epoch = kAnyLink) {
        return FeedStream(std::span<const std::uint8_t>(&byte, 1), epoch);
    }

    // The last complete answer failed its checks (a serial line writes the frame again).
    bool lastAnswerRejected() const { return lastRejected_; }
    // Drops a half-assembled answer (nothing happens for a worker that has been replaced).
    void ResetAssembler(LinkEpoch epoch = kAnyLink);

    // Progress of the running bulk transfer: the front end's bar follows the index of each
    // frame whose answer took it off the queue (a resend request moves nothing). Called on
    // the feeding thread once the send lock is released; a firmware step raises the notice
    // FirmwareStepAnswered instead.
    using ProgressHook = std::function<void(int progressIndex)>;
    void SetProgressHook(ProgressHook hook);

    // Answers that fit no frame in flight (another frame's answer, a late one, an answer
    // with nothing sent): counted and logged, never filed.
    long unmatchedAnswers() const { return unmatchedAnswers_; }
    using LogSink = std::function<void(const std::string& line)>;
    void SetLogSink(LogSink sink);

    // Set by an empty data answer: the worker sends nothing until the next connection.
    std::atomic<bool> needsFirmware{false};
    // Answers accepted so far (the network reconnection count restarts after an answer).
    std::atomic<long> answersHandled{0};

private:
    // What an answer does to the frame in flight.
    enum class Fit { Acknowledges, AsksResend, CarriesData, NeedsFirmware, Unmatched };
    // Raised while the lock is held and delivered in order after it is released.
    struct Deferred {
        std::vector<Notice> notices;
        std::vector<int> progress;
        std::vector<std::string> log;
    };

    static Fit FitOf(const QueuedFrame* head, std::span<const std::uint8_t> answer);
    bool HandleAnswer(Deferred& deferred);
    void FileData(std::span<const std::uint8_t> answer, std::vector<Notice>& notices,
                  bool& keepHead);
    void FileSystemField(int systemId, int preset, std::span<const std::uint8_t> payload,
                         std::vector<Notice>& notices);
    void Deliver(const Deferred& deferred) const;

    SessionState& session_;
    NoticeSink notices_;
    mutable std::mutex hooksMutex_;  // the hooks may be replaced while a worker runs
    ProgressHook progress_;
    LogSink log_;
    ReceiveAssembler assembler_;
    bool lastRejected_ = false;
    LinkEpoch epoch_ = 1;  // guarded by the send lock
    std::atomic<long> unmatchedAnswers_{0};
};

}  // namespace corva
