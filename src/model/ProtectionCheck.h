// Recognising protected tuning read back from the processor.
#pragma once

#include "protocol/ParameterImage.h"
#include "protocol/ProtectionState.h"

namespace corva {

// After the six live output blocks have arrived: a blank marker means plain tuning; any
// other marker means the blocks are scrambled, so they are restored (all but the marker and
// password of block 0) and the password (bytes 290..295 of block 0, unscrambled) becomes
// known. A block whose values are impossible the marker's way and possible the other way is
// read the other way, and the state is marked unfinished.
void CheckReceivedProtection(ParameterImage& image, ProtectionState& protection);

}  // namespace corva
