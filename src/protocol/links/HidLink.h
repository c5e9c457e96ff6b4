// A processor on USB: one HID device, written and read in 65-byte reports (report number 0,
// then 64 frame bytes).
#pragma once

#include <string>

#include "protocol/Link.h"

struct hid_device_;

namespace corva {

// All calls for one link must come from one thread at a time (the transfer worker).
class HidLink final : public Link {
public:
    explicit HidLink(std::string path);
    ~HidLink() override;

    HidLink(const HidLink&) = delete;
    HidLink& operator=(const HidLink&) = delete;

    LinkKind kind() const override { return LinkKind::Usb; }
    std::string Describe() const override { return "USB " + path_; }

    Status Open() override;
    void Close() override;
    bool IsOpen() const override { return device_ != nullptr; }

    // `bytes` is one report, report number first; a shorter one is padded with zeros. The
    // library's write blocks until the system takes the report, so `timeoutMs` is not used.
    Status Write(std::span<const std::uint8_t> bytes, int timeoutMs) override;
    // Fills buffer[0..64] with one report: report number 0, then the 64 bytes received.
    ReadStatus Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) override;

private:
    std::string path_;
    hid_device_* device_ = nullptr;
};

}  // namespace corva
