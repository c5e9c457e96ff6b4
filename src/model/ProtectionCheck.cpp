#include "model/ProtectionCheck.h"

namespace corva {

void CheckReceivedProtection(ParameterImage& image, ProtectionState& protection) {
    const auto block0 = image.Block(0, BlockType::Output, 0);
    if (block0[output_block::kProtectionMarker] == ' ') {
        protection.isProtected = false;
        return;
    }
    // The processor keeps the blocks scrambled whole as they were sent, so the other
    // channels' name slots are restored too; block 0 keeps its marker and password as sent.
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        auto block = image.Block(0, BlockType::Output, channel);
        const std::size_t end = channel == 0 ? output_block::kProtectionMarker : block.size();
        for (std::size_t i = 0; i < end; ++i) {
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
