// The network and serial-line addresses both front ends take: "HOST[:PORT]" for TCP (port
// 8989 unless given) and a serial port name, and the link each one opens.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "protocol/Link.h"

namespace corva {

struct StreamAddress {
    enum class Kind { Tcp, Serial } kind = Kind::Tcp;
    std::string host;  // TCP host, or the serial port's name
    std::uint16_t port = 0;
};

// "192.168.1.50", "dsp.local:9000"; nothing when the host is empty or the port is not
// 1..65535.
std::optional<StreamAddress> ParseTcpAddress(std::string_view text);
StreamAddress SerialAddress(std::string portName);

// Makes a new, unopened link to the address each time it is called.
std::function<std::unique_ptr<Link>()> StreamLinkMaker(const StreamAddress& address);

}  // namespace corva
