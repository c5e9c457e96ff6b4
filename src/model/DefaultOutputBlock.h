// The program's own output settings for one channel as a 296-byte output block: what a lock
// reset puts in place of protected tuning.
#pragma once

#include <array>
#include <cstdint>

#include "protocol/ImageLayout.h"

namespace corva {

using OutputBlockBytes = std::array<std::uint8_t, record::kOutputBlockSize>;

// Construction values of the channel's bands, crossovers, strip, limiter and name, with the
// factory routing (the channel's own input at 100 %).
OutputBlockBytes DefaultOutputBlock(int channel);

}  // namespace corva
