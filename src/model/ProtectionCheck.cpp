#include "model/ProtectionCheck.h"

#include <algorithm>
#include <vector>

#include "model/OutputBlockLimits.h"

namespace corva {
namespace {

// The scrambled part of an output block: block 0 keeps its marker and password as sent.
std::size_t ScrambledEnd(int channel, std::size_t blockSize) {
    return channel == 0 ? output_block::kProtectionMarker : blockSize;
}

void Unscramble(std::span<std::uint8_t> block, std::size_t end) {
    for (std::size_t i = 0; i < end; ++i) {
        block[i] ^= kProtectionMask;
    }
}

// Whether the block reads as scrambled. The marker decides unless its reading gives more
// impossible values than the other one: a protect or unlock that stopped between blocks
// leaves some blocks the other way round.
bool ReadsScrambled(std::span<const std::uint8_t> block, std::size_t end,
                    bool markerSaysScrambled) {
    std::vector<std::uint8_t> unscrambled(block.begin(), block.end());
    Unscramble(unscrambled, end);
    const int outsideAsPlain = ValuesOutsideLimits(block);
    const int outsideAsScrambled = ValuesOutsideLimits(unscrambled);
    if (markerSaysScrambled) {
        return outsideAsScrambled <= outsideAsPlain;
    }
    return outsideAsScrambled < outsideAsPlain;
}

}  // namespace

void CheckReceivedProtection(ParameterImage& image, ProtectionState& protection) {
    const auto block0 = image.Block(0, BlockType::Output, 0);
    const bool marked = block0[output_block::kProtectionMarker] != ' ';
    protection.unfinished = false;
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        auto block = image.Block(0, BlockType::Output, channel);
        const std::size_t end = ScrambledEnd(channel, block.size());
        const bool scrambled = ReadsScrambled(block, end, marked);
        protection.unfinished = protection.unfinished || scrambled != marked;
        if (scrambled) {
            Unscramble(block, end);
        }
    }
    if (!marked) {
        protection.isProtected = false;
        return;
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
