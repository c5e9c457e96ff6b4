// One open HID device as a USB link drives it: the few calls of the HID library, behind an
// interface so tests can stand in for a device that stalls, fails or answers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace corva {

class HidDevicePort {
public:
    virtual ~HidDevicePort() = default;
    // Hands one report (report number first) to the system; the bytes taken, or -1. May
    // block for as long as the system takes to accept it.
    virtual int Write(std::span<const std::uint8_t> report) = 0;
    // Waits up to `timeoutMs` for one input report's data bytes; their count, 0 when none
    // came, -1 on an error.
    virtual int Read(std::span<std::uint8_t> into, int timeoutMs) = 0;
    // The library's text for the last error, when it gives one.
    virtual std::string LastError() const = 0;
};

// Opens the device at `path`; null (with `error` set when the library says why) otherwise.
using HidPortOpener =
    std::function<std::unique_ptr<HidDevicePort>(const std::string& path, std::string& error)>;

// The HID library itself.
HidPortOpener SystemHidPorts();

}  // namespace corva
