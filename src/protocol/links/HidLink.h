// A processor on USB: one HID device, written and read in 65-byte reports (report number 0,
// then 64 frame bytes).
#pragma once

#include <future>
#include <memory>
#include <string>

#include "protocol/Link.h"
#include "protocol/links/HidDevicePort.h"

namespace corva {

// All calls for one link must come from one thread at a time (the transfer worker).
class HidLink final : public Link {
public:
    explicit HidLink(std::string path, HidPortOpener opener = SystemHidPorts());
    ~HidLink() override;

    HidLink(const HidLink&) = delete;
    HidLink& operator=(const HidLink&) = delete;

    LinkKind kind() const override { return LinkKind::Usb; }
    std::string Describe() const override { return "USB " + path_; }

    Status Open() override;
    // Waits for a write the system has not taken yet before the device is let go.
    void Close() override;
    bool IsOpen() const override { return port_ != nullptr; }

    // `bytes` is one report, report number first; a shorter one is padded with zeros. The
    // library's write blocks until the system takes the report, so it runs beside the caller:
    // a report not taken within `timeoutMs` fails the write, and further writes fail at once
    // until the system has taken it.
    Status Write(std::span<const std::uint8_t> bytes, int timeoutMs) override;
    // Fills buffer[0..64] with one report: report number 0, then the 64 bytes received.
    ReadStatus Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) override;

private:
    std::string path_;
    HidPortOpener opener_;
    std::unique_ptr<HidDevicePort> port_;
    std::future<int> pendingWrite_;  // the write in progress, or the last one
};

}  // namespace corva
