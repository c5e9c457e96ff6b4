// The HID devices present on the system, found through the HID library, and links to them.
#pragma once

#include "protocol/DeviceEnumerator.h"

namespace corva {

// The library has no arrival or removal notices: callers poll Enumerate() (about once a second)
// and compare the lists.
class HidDeviceEnumerator final : public DeviceEnumerator {
public:
    std::vector<DeviceInfo> Enumerate() override;
    std::unique_ptr<Link> MakeLink(const std::string& path) override;
};

}  // namespace corva
