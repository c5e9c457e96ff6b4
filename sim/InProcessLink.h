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

private:
    friend class SimDeviceEnumerator;
    // The link's state, shared with the enumerator so a removal reaches open links.
    struct Channel;
    // The device was pulled: answers it already sent can still be read, then reads fail, and
    // the device is free to be opened again once it is back.
    static void MarkRemoved(Channel& channel);
    static void ReleaseClaim(SimulatedProcessor& processor, std::uint64_t claim);

    std::shared_ptr<SimulatedProcessor> processor_;
    std::string path_;
    std::function<bool()> present_;
    std::shared_ptr<Channel> channel_;
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

private:
    // The devices, shared with the restart handlers and the links' presence checks, which may
    // outlive the enumerator.
    struct Registry;
    static std::shared_ptr<Registry> MakeRegistry();
    std::shared_ptr<Registry> registry_ = MakeRegistry();
};

}  // namespace corva::sim
