// The steps of a firmware update: the handshake burst, the start step, the DSP program in
// 44-byte blocks with their addresses, the MCU header and program in 48-byte blocks, and the
// closing check byte. The transfer worker asks for the next step whenever its queue is empty.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/UiText.h"
#include "firmware/FirmwareFile.h"
#include "protocol/QueuedFrame.h"

namespace corva {

// Step codes: the frame's system id byte and the queued frame's code.
namespace firmware_step {
inline constexpr int kStart = 0x36;     // '6': the processor restarts into its loader
inline constexpr int kMcuHeader = 0x37; // '7'
inline constexpr int kMcuBlock = 0x38;  // '8'
inline constexpr int kFinish = 0x39;    // '9'
inline constexpr int kErase = 0x3A;     // ':'
inline constexpr int kDspBlock = 0x3B;  // ';'
// The pair of bytes that fills every report of the handshake burst asking for the loader.
inline constexpr std::uint8_t kHandshakeFirst = 0x43;
inline constexpr std::uint8_t kHandshakeSecond = 0x11;
// Starts of one step without its answer before the update fails.
inline constexpr int kMaxStepStarts = 2;
}  // namespace firmware_step

class UpdateSequencer {
public:
    explicit UpdateSequencer(FirmwareImage image);

    // The next frame or frames to send (empty when the update has sent everything).
    std::vector<std::unique_ptr<QueuedFrame>> NextUpdateStep();
    bool finished() const { return finished_; }
    int plannedSteps() const { return image_.plannedSteps; }

    // The status line after the processor acknowledged a step; nothing when it keeps its text.
    std::optional<UiText> StatusAfter(int code);

private:
    void DspPass(std::vector<std::unique_ptr<QueuedFrame>>& steps);
    void McuPass(std::vector<std::unique_ptr<QueuedFrame>>& steps);
    std::unique_ptr<QueuedFrame> Step(int code, std::vector<std::uint8_t> payload);

    FirmwareImage image_;
    std::size_t dspSent_ = 0;
    std::size_t mcuSent_ = 0;
    int dspStage_ = 0;
    int mcuStage_ = 0;
    std::uint32_t dspAddress_ = 0;
    bool handshakePending_ = true;
    bool finished_ = false;
    bool firstMcuBlockAcknowledged_ = false;
    int stepCount_ = 0;
};

}  // namespace corva
