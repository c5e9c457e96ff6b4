// How a protected preset record is kept in a music file: every byte XORed with the same fixed
// mask that scrambles protected output blocks on the wire. The password is not a key; it
// travels as six characters inside the record.
#pragma once

#include <cstdint>
#include <span>

#include "protocol/ImageLayout.h"

namespace corva {

// `out` receives the record XORed byte by byte with the mask; the record stays as it is.
void ScrambleRecord(std::span<const std::uint8_t, kRecordSize> record,
                    std::span<std::uint8_t, kRecordSize> out);

// The same XOR in place (it undoes itself).
void UnscrambleRecord(std::span<std::uint8_t, kRecordSize> record);

}  // namespace corva
