// One queued frame: its bytes and its transfer state, from build until its answer arrives.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "protocol/TransferLimits.h"

namespace corva {

inline constexpr std::size_t kHidReportSize = 65;  // report number 0, then 64 frame bytes
using HidReport = std::array<std::uint8_t, kHidReportSize>;

// Frame codes that mark frames of the firmware update.
namespace frame_code {
inline constexpr int kOrdinary = 0;
inline constexpr int kFirmwareHandshake = 255;
}  // namespace frame_code

// The progress index of a frame outside any bulk transfer. Transfers number their frames
// from 0, so 0 is a batch's first frame, never "not numbered".
inline constexpr int kNotNumbered = -1;

class QueuedFrame {
public:
    explicit QueuedFrame(std::vector<std::uint8_t> frame, int code = frame_code::kOrdinary);

    std::span<const std::uint8_t> data() const { return data_; }
    std::size_t length() const { return data_.size(); }

    // Fills `report` with the next (up to) 64 frame bytes, zero padded, and advances position;
    // false when the whole frame has been handed out.
    bool nextReport(HidReport& report);

    // Over USB a frame is written when every byte has gone out; other links write it at once.
    bool FullyWrittenOverUsb() const { return position >= data_.size(); }

    int tries = 0;                     // starts counted in firmware mode and over a serial line
    int progressIndex = kNotNumbered;  // place in the current bulk transfer
    bool endsBulk = false;             // last frame of a bulk read
    bool endsStage = false;            // last frame of a bulk write
    bool notifyOnAnswer = false;
    std::size_t position = 0;          // next frame byte to write over USB
    int code = frame_code::kOrdinary;  // firmware command id 54..60, or the handshake item
    int resendRequests = 0;            // answers that asked for this frame again
    std::shared_ptr<TransferClock> transfer;  // the bulk transfer it belongs to, if any

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace corva
