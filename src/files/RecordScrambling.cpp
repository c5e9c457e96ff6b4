#include "files/RecordScrambling.h"

#include "protocol/ProtectionState.h"

namespace corva {

void ScrambleRecord(std::span<const std::uint8_t, kRecordSize> record,
                    std::span<std::uint8_t, kRecordSize> out) {
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        out[i] = record[i] ^ kProtectionMask;
    }
}

void UnscrambleRecord(std::span<std::uint8_t, kRecordSize> record) {
    for (auto& byte : record) {
        byte ^= kProtectionMask;
    }
}

}  // namespace corva
