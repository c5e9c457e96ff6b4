// One open path to a processor: USB HID, TCP, a serial line, or the simulated processor in
// the same process. Every call happens on the transfer worker's thread; calls block for at
// most the time limit they are given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "core/Status.h"

namespace corva {

enum class LinkKind : int { Usb = 0, Tcp = 1, Serial = 2 };

enum class ReadStatus { Data, Timeout, Failed };

enum class TraceDirection { Sent, Received };
using TraceHook = std::function<void(TraceDirection, std::span<const std::uint8_t>)>;

class Link {
public:
    virtual ~Link() = default;

    // USB-like links carry 65-byte reports (report number 0, then 64 frame bytes); stream
    // links (TCP, serial) carry frames and answers as plain byte streams.
    virtual LinkKind kind() const = 0;
    bool CarriesReports() const { return kind() == LinkKind::Usb; }

    // What the link is, for messages and traces: "USB /dev/hidraw3", "TCP 127.0.0.1:8989".
    virtual std::string Describe() const = 0;

    virtual Status Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Writes all bytes: one 65-byte report on report links, a whole frame on stream links.
    virtual Status Write(std::span<const std::uint8_t> bytes, int timeoutMs) = 0;

    // Waits up to timeoutMs for input. Report links fill one 65-byte report (count = 65);
    // stream links store what has arrived, at most buffer.size() bytes.
    virtual ReadStatus Read(std::span<std::uint8_t> buffer, std::size_t& count,
                            int timeoutMs) = 0;

    // Drops input that has arrived but not been read (a serial line before each write).
    virtual void DiscardInput() {}

    // Sees every buffer written and every byte read, for the user's trace file.
    void SetTraceHook(TraceHook hook) { trace_ = std::move(hook); }

protected:
    void Trace(TraceDirection direction, std::span<const std::uint8_t> bytes) const {
        if (trace_ && !bytes.empty()) {
            trace_(direction, bytes);
        }
    }

private:
    TraceHook trace_;
};

}  // namespace corva
