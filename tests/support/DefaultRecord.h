// The live record as the processor holds it after a reset: the default output blocks and the
// music input's bands, which need valid crossovers and band frequencies in every slot.
#pragma once

#include <algorithm>

#include "core/ByteOrder.h"
#include "model/DefaultOutputBlock.h"
#include "protocol/ParameterImage.h"

namespace corva::test {

inline void WriteDefaultRecord(ParameterImage& image) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto block = DefaultOutputBlock(c);
        std::copy(block.begin(), block.end(), image.Live().begin() + record::OutputBlock(c));
    }
    for (int j = 0; j < 10; ++j) {
        WriteLe16(image.Live(), record::kSecondInput + 8 * j, 1000);
        WriteLe16(image.Live(), record::kSecondInput + 8 * j + 2, 600);
    }
}

}  // namespace corva::test
