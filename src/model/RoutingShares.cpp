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
