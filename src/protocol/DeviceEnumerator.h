// Finding processors on USB: the list of matching devices and opening one of them. Behind an
// interface so tests can plug in, pull out and multiply simulated devices.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "protocol/Link.h"

namespace corva {

// The processor's USB identity; all three must match.
inline constexpr std::uint16_t kProcessorVendorId = 0x0483;
inline constexpr std::uint16_t kProcessorProductId = 0x5750;
inline constexpr std::uint16_t kProcessorReleaseNumber = 0x0200;

struct DeviceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t releaseNumber = 0;

    bool IsProcessor() const {
        return vendorId == kProcessorVendorId && productId == kProcessorProductId &&
               releaseNumber == kProcessorReleaseNumber;
    }
};

class DeviceEnumerator {
public:
    virtual ~DeviceEnumerator() = default;
    // Every HID device present now (not only processors), in the system's order.
    virtual std::vector<DeviceInfo> Enumerate() = 0;
    // A link to the device at `path`, not yet opened (Open() takes it exclusively where the
    // system allows).
    virtual std::unique_ptr<Link> MakeLink(const std::string& path) = 0;
};

}  // namespace corva
