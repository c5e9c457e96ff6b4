// A USB-like link to a simulated processor in the same process: 65-byte reports exactly as
// the HID link carries them, so the USB cycles run unchanged against the simulator. Also the
// enumerator that lists simulated devices, so tests can plug in, pull out and multiply them.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "protocol/DeviceEnumerator.h"
#include "protocol/Link.h"
#include "sim/SimulatedProcessor.h"

namespace corva::sim {

class InProcessLink : public Link {
public:
    // `present` tells whether the device is still plugged in (a pulled device fails reads).
    InProcessLink(std::shared_ptr<SimulatedProcessor> processor, std::string path,
                  std::function<bool()> present);
    LinkKind kind() const override { return LinkKind::Usb; }
    std::string Describe() const override;
    Status Open() override;
    void Close() override;
    bool IsOpen() const override;
    Status Write(std::span<const std::uint8_t> bytes, int timeoutMs) override;
    ReadStatus Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) override;
    // ... implementation details are the simulator's own ...
};

// Simulated USB devices by path. Unplugged devices vanish from the list and their open links
// fail. Each device is a SimulatedProcessor with the processor's USB identity unless told
// otherwise.
class SimDeviceEnumerator : public DeviceEnumerator {
public:
    std::shared_ptr<SimulatedProcessor> Plug(const std::string& path,
                                             const DeviceInfo* identity = nullptr);
    void Unplug(const std::string& path);
    std::shared_ptr<SimulatedProcessor> Device(const std::string& path) const;

    std::vector<DeviceInfo> Enumerate() override;
    std::unique_ptr<Link> MakeLink(const std::string& path) override;
    // ... implementation details are the simulator's own ...
};

}  // namespace corva::sim
