#include "model/RoutingShares.h"

namespace corva {

void RoutingShares::Load(std::span<const std::uint8_t> slot) {
    share1 = slot[0];
    share2 = slot[1];
    share3 = slot[2];
    share4 = slot[3];
    off1 = share1 == 0;
    off2 = share2 == 0;
    off3 = share3 == 0;
    off4 = share4 == 0;
}

void RoutingShares::Write(std::span<std::uint8_t> slot) const {
    slot[0] = static_cast<std::uint8_t>(share1);
    slot[1] = static_cast<std::uint8_t>(share2);
}

bool RoutingShares::SetShare(int input, int share) {
    struct Input {
        int RoutingShares::*share;
        bool RoutingShares::*off;
    };
    static constexpr Input kInputs[] = {{&RoutingShares::share1, &RoutingShares::off1},
                                        {&RoutingShares::share2, &RoutingShares::off2},
                                        {&RoutingShares::share3, &RoutingShares::off3},
                                        {&RoutingShares::share4, &RoutingShares::off4}};
    if (input < 1 || input > 4) {
        return false;
    }
    const Input& chosen = kInputs[input - 1];
    this->*chosen.share = share;
    this->*chosen.off = share == 0;
    return true;
}

void RoutingShares::SetChannelIndex(int channel) {
    if (channel % 2 == 0) {
        share1 = 1;
        off1 = false;
    } else {
        share2 = 1;
        off2 = false;
    }
}

}  // namespace corva
