// A processor reached over TCP (the WiFi module): frames go out as one write each, answers come
// back as a byte stream.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "protocol/Link.h"

class QTcpSocket;

namespace corva {

inline constexpr const char* kDefaultTcpHost = "192.168.1.1";
inline constexpr std::uint16_t kDefaultTcpPort = 8989;
inline constexpr int kTcpConnectLimitMs = 1000;

// Uses the blocking socket calls, so it needs no event loop. The socket is created by Open() on
// the calling thread and belongs to it: Open, Write, Read and Close must all run on that one
// thread (the transfer worker), and the link should be closed there before it is destroyed.
class TcpLink final : public Link {
public:
    explicit TcpLink(std::string host, std::uint16_t port = kDefaultTcpPort,
                     int connectLimitMs = kTcpConnectLimitMs);
    ~TcpLink() override;

    LinkKind kind() const override { return LinkKind::Tcp; }
    std::string Describe() const override;

    Status Open() override;
    void Close() override;
    bool IsOpen() const override;

    Status Write(std::span<const std::uint8_t> bytes, int timeoutMs) override;
    ReadStatus Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) override;

private:
    std::string host_;
    std::uint16_t port_;
    int connectLimitMs_;
    std::unique_ptr<QTcpSocket> socket_;
};

}  // namespace corva
