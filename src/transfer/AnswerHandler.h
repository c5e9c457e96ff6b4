// The command channel: assembles answers from whatever link carries them, checks them against
// the frame in flight, files data answers into the image and tells the front end what
// arrived. Safe to feed from the transfer worker while the front end queues frames: it takes
// the session's send lock for every change.
#pragma once

#include <atomic>
#include <functional>
#include <span>

#include "model/TuningSession.h"
#include "protocol/Notice.h"
#include "protocol/SendData.h"
#include "transfer/ReceiveAssembler.h"

namespace corva {

class AnswerHandler {
public:
    AnswerHandler(SessionState& session, NoticeSink notices);
    AnswerHandler(TuningSession& session, NoticeSink notices)
        : AnswerHandler(session.engine(), std::move(notices)) {}

    // Each returns true when a complete answer was accepted and handled.
    bool FeedUsbReport(const HidReport& report);
    bool FeedStream(std::span<const std::uint8_t> bytes);
    bool FeedByte(std::uint8_t byte) { return FeedStream(std::span<const std::uint8_t>(&byte, 1)); }

    // The last complete answer failed its checks (a serial line writes the frame again).
    bool lastAnswerRejected() const { return lastRejected_; }
    void ResetAssembler();

    // Progress of the running bulk transfer: the front end's bar follows the index of each
    // answered frame; firmware steps report their code instead.
    using ProgressHook = std::function<void(int progressIndex)>;
    using FirmwareStepHook = std::function<void(int code)>;
    void SetProgressHook(ProgressHook hook) { progress_ = std::move(hook); }
    void SetFirmwareStepHook(FirmwareStepHook hook) { firmwareStep_ = std::move(hook); }

    // Set by an empty data answer: the worker sends nothing until the next connection.
    std::atomic<bool> needsFirmware{false};
    // Answers accepted so far (the network reconnection count restarts after an answer).
    std::atomic<long> answersHandled{0};

private:
    bool HandleAnswer(std::vector<Notice>& notices);
    void FileData(std::span<const std::uint8_t> answer, std::vector<Notice>& notices,
                  bool& keepHead);
    void FileSystemField(int systemId, int preset, std::span<const std::uint8_t> payload,
                         std::vector<Notice>& notices);
    void Post(const std::vector<Notice>& notices) const;

    SessionState& session_;
    NoticeSink notices_;
    ProgressHook progress_;
    FirmwareStepHook firmwareStep_;
    ReceiveAssembler assembler_;
    bool lastRejected_ = false;
};

}  // namespace corva
