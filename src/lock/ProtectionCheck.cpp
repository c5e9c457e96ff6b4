#include "lock/ProtectionCheck.h"

namespace corva {

void CheckReceivedProtection(ParameterImage& image, ProtectionState& protection) {
    const auto block0 = image.Block(0, BlockType::Output, 0);
    if (block0[output_block::kProtectionMarker] == ' ') {
        protection.isProtected = false;
        return;
    }
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        auto block = image.Block(0, BlockType::Output, channel);
        for (std::size_t i = 0; i < output_block::kProtectionMarker; ++i) {
            block[i] ^= kProtectionMask;
        }
    }
    protection.password.clear();
    for (std::size_t i = 0; i < output_block::kPasswordSize; ++i) {
        protection.password.push_back(
            static_cast<char>(block0[output_block::kPassword + i] ^ kProtectionMask));
    }
    protection.isProtected = true;
    protection.released = false;
}

}  // namespace corva
