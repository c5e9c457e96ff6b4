// How much of each input feeds one output channel (slot 33 of its output block).
#pragma once

#include <cstdint>
#include <span>

namespace corva {

struct RoutingShares {
    int share1 = 50;
    int share2 = 50;
    int share5 = 50;  // held without an image place
    int share4 = 40;
    int share3 = 80;
    int balance = 50;
    int switchBits = 16;
    bool off1 = true;
    bool off2 = true;
    bool off4 = false;
    bool off3 = false;

    // Bytes 0..3 of slot 33; each off flag follows its share.
    void Load(std::span<const std::uint8_t> slot);
    // Writes bytes 0 and 1; the other bytes keep what the slot holds.
    void Write(std::span<std::uint8_t> slot) const;
    // Sets input 1..4's share, its off flag following; false for any other input.
    bool SetShare(int input, int share);
    // Construction routing of a channel: even indexes take input 1, odd ones input 2.
    void SetChannelIndex(int channel);

    bool operator==(const RoutingShares&) const = default;
};

}  // namespace corva
