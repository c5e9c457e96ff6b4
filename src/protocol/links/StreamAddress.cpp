#include "protocol/links/StreamAddress.h"

#include <charconv>

#include "protocol/links/SerialLink.h"
#include "protocol/links/TcpLink.h"

namespace corva {

std::optional<StreamAddress> ParseTcpAddress(std::string_view text) {
    StreamAddress address;
    address.port = kDefaultTcpPort;
    const auto colon = text.rfind(':');
    address.host = std::string(text.substr(0, colon));
    if (colon != std::string_view::npos) {
        const std::string_view digits = text.substr(colon + 1);
        int port = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() ||
            port < 1 || port > 65535) {
            return std::nullopt;
        }
        address.port = static_cast<std::uint16_t>(port);
    }
    if (address.host.empty()) {
        return std::nullopt;
    }
    return address;
}

StreamAddress SerialAddress(std::string portName) {
    return {StreamAddress::Kind::Serial, std::move(portName), 0};
}

std::function<std::unique_ptr<Link>()> StreamLinkMaker(const StreamAddress& address) {
    if (address.kind == StreamAddress::Kind::Serial) {
        return [port = address.host]() -> std::unique_ptr<Link> {
            return std::make_unique<SerialLink>(port);
        };
    }
    return [host = address.host, port = address.port]() -> std::unique_ptr<Link> {
        return std::make_unique<TcpLink>(host, port);
    };
}

}  // namespace corva
