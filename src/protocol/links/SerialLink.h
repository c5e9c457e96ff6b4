// A processor on a serial line (COM port, USB-serial adapter or pseudo-terminal) at 57600 baud,
// 8 data bits, no parity, 1 stop bit: frames go out whole, answers come back as a byte stream.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "protocol/Link.h"

class QSerialPort;

namespace corva {

inline constexpr int kSerialBaudRate = 57600;

// Uses the blocking port calls, so it needs no event loop. The port object is created by Open()
// on the calling thread and belongs to it: Open, Write, Read, DiscardInput and Close must all
// run on that one thread (the transfer worker), and the link should be closed there before it
// is destroyed.
class SerialLink final : public Link {
public:
    // `port` is a name the system lists ("COM3", "ttyUSB0") or a device path ("/dev/pts/3").
    explicit SerialLink(std::string port);
    ~SerialLink() override;

    LinkKind kind() const override { return LinkKind::Serial; }
    std::string Describe() const override { return "COM " + port_; }

    Status Open() override;
    void Close() override;
    bool IsOpen() const override;

    Status Write(std::span<const std::uint8_t> bytes, int timeoutMs) override;
    ReadStatus Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) override;
    void DiscardInput() override;

    // Names of the serial ports the system knows now, for the connection choice.
    static std::vector<std::string> ListSerialPorts();

private:
    std::string port_;
    std::unique_ptr<QSerialPort> serial_;
};

}  // namespace corva
