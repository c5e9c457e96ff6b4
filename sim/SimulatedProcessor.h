// The processor as the host sees it, in software: its own parameter memory and 15 presets,
// an answer for every frame, protection, the firmware loader's steps, and switches for the
// faults a real link shows. Thread-safe: a link serves it on one thread while a test flips
// its fault switches on another.
// It reads and builds frames with its own code, not the host's frame header, so the tests
// check the host's encoding and decoding against an independent reading of the format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "core/Status.h"
#include "protocol/ParameterImage.h"
#include "protocol/QueuedFrame.h"
#include "sim/FrameAssembler.h"

namespace corva::sim {

struct SimFaults {
    bool silent = false;            // answer nothing at all
    bool wrongChecksum = false;     // every answer carries a wrong checksum
    int resendRequests = 0;         // answer the next N frames with a resend request
    bool emptyDataAnswer = false;   // data answers carry no payload (needs new firmware)
    std::string versionTag = "RUDA-DO1.00";
    std::size_t pieceSize = 0;      // stream links: deliver answers in pieces of this size
    int answerDelayMs = 0;          // stream and report links wait this long before answering
    // Take and answer this many more write frames, then nothing at all, as a processor whose
    // link dies midway (-1: no limit). Counts down as writes arrive.
    int writesBeforeSilence = -1;
};

// What the firmware loader received, for checking an update end to end.
struct FirmwareReceived {
    int handshakeReports = 0;
    int restarts = 0;                   // start steps ('6')
    bool erased = false;                // ':'
    std::vector<std::uint8_t> dsp;      // bytes of the ';' blocks in address order
    std::vector<std::uint8_t> mcuHeader;
    std::vector<std::uint8_t> mcu;      // bytes of the '8' blocks
    int checkByte = -1;                 // '9'
    bool finished = false;
};

class SimulatedProcessor {
public:
    SimulatedProcessor();

    // Host bytes in any chunking (noise before a frame is skipped); complete answer frames
    // out, in order. Faults apply (a silent processor returns nothing).
    std::vector<std::vector<std::uint8_t>> Receive(std::span<const std::uint8_t> bytes);

    // The USB form: one 65-byte output report in; the input reports to hand back (answers cut
    // into 64-byte pieces behind report number 0, the last piece zero padded). Reports of the
    // firmware handshake burst (0x43, 0x11 pairs) are counted and not answered.
    std::vector<HidReport> ReceiveReport(const HidReport& report);

    // Copies of the state, and changes to it, under the processor's own lock.
    SimFaults Faults() const;
    void SetFaults(const SimFaults& faults);
    void WithMemory(const std::function<void(ParameterImage&)>& use);
    FirmwareReceived Firmware() const;
    // Every frame received, in order (for checking what the host sent).
    std::vector<std::vector<std::uint8_t>> ReceivedFrames() const;
    void ClearReceivedFrames();

    // Called (outside the lock) when a start step makes the device restart into its loader:
    // a USB device disappears and comes back with the same identity.
    void SetRestartHandler(std::function<void()> onRestart);

    // The memory kept between runs of the stand-alone simulator.
    Status SaveState(const std::string& path) const;
    Status LoadState(const std::string& path);

private:
    // A USB device is opened by one link at a time; the link holds the claim.
    friend class InProcessLink;
    std::uint64_t Claim();  // 0 when another link holds the device
    void Release(std::uint64_t claim);

    // The answer to one frame (nothing when silent). Called with mutex_ held.
    std::vector<std::uint8_t> Answer(const AssembledFrame& frame, bool& restarted);
    std::vector<std::uint8_t> AnswerWrite(std::span<const std::uint8_t> frame, bool& restarted);
    std::vector<std::uint8_t> AnswerRead(std::span<const std::uint8_t> frame);
    void StoreSystemField(int systemId, int preset, std::span<const std::uint8_t> payload);
    std::vector<std::uint8_t> SystemFieldAnswer(int systemId, int preset) const;
    std::vector<std::uint8_t> FirmwareStep(std::span<const std::uint8_t> frame, bool& restarted);

    ParameterImage memory_;
    SimFaults faults_;
    FirmwareReceived firmware_;
    FrameAssembler assembler_;
    std::vector<std::vector<std::uint8_t>> received_;
    std::function<void()> onRestart_;
    std::uint64_t claim_ = 0;  // 0: no link holds the device
    std::uint64_t nextClaim_ = 1;
    mutable std::mutex mutex_;
};

}  // namespace corva::sim
