#include "protocol/links/TcpLink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "links/OnWorker.h"
#include "support/Hex.h"

namespace corva {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A socket bound to 127.0.0.1 on a free port; listening only when asked.
class LoopbackSocket {
public:
    LoopbackSocket() : fd_{::socket(AF_INET, SOCK_STREAM, 0)} {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t size = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackSocket() { ::close(fd_); }

    int fd() const { return fd_; }
    std::uint16_t port() const { return port_; }

private:
    int fd_;
    std::uint16_t port_ = 0;
};

// A one-connection server that runs `script` on the accepted socket on its own thread.
class ScriptedServer {
public:
    explicit ScriptedServer(std::function<void(int)> script) {
        ::listen(socket_.fd(), 1);
        thread_ = std::thread([this, script = std::move(script)] {
            const int client = ::accept(socket_.fd(), nullptr, nullptr);
            if (client >= 0) {
                script(client);
                ::close(client);
            }
        });
    }
    ~ScriptedServer() {
        ::shutdown(socket_.fd(), SHUT_RDWR);  // wakes accept() if no client ever came
        thread_.join();
    }

    std::uint16_t port() const { return socket_.port(); }

private:
    LoopbackSocket socket_;
    std::thread thread_;
};

Bytes ReceiveExactly(int fd, std::size_t size) {
    Bytes bytes(size);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::recv(fd, bytes.data() + got, size - got, 0);
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

void SendAll(int fd, const Bytes& bytes) {
    ASSERT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
}

// Reads from the link until `size` bytes have come or it stops delivering.
Bytes ReadTcpBytes(Link& link, std::size_t size) {
    Bytes collected;
    std::uint8_t buffer[150];
    std::size_t count = 0;
    while (collected.size() < size && link.Read(buffer, count, 5000) == ReadStatus::Data) {
        collected.insert(collected.end(), buffer, buffer + count);
    }
    return collected;
}

TEST(TcpLinkTest, SendsAFrameAndReceivesAnAnswerArrivingInTwoParts) {
    const Bytes frame = test::FromHex("71 71 71 EE A2 00 04 00 00 00 0B 00");
    const Bytes first = test::FromHex("71 71 71 EE 53 00");
    const Bytes second = test::FromHex("04 00 00 00 52 55 44 41");
    std::promise<void> sendSecond;
    Bytes frameSeen;
    ScriptedServer server{[&](int client) {
        frameSeen = ReceiveExactly(client, frame.size());
        SendAll(client, first);
        sendSecond.get_future().wait_for(
            std::chrono::seconds(10));  // bound if the test fails early
        SendAll(client, second);
        ReceiveExactly(client, 1);  // until the link closes
    }};

    TcpLink link{"127.0.0.1", server.port()};
    std::vector<std::pair<TraceDirection, Bytes>> trace;
    link.SetTraceHook([&](TraceDirection direction, std::span<const std::uint8_t> bytes) {
        trace.emplace_back(direction, Bytes(bytes.begin(), bytes.end()));
    });
    test::RunOnWorker([&] {
        ASSERT_TRUE(link.Open().ok());
        ASSERT_TRUE(link.Write(frame, 1000).ok());
        EXPECT_EQ(test::ToHex(ReadTcpBytes(link, first.size())), test::ToHex(first));
        sendSecond.set_value();
        EXPECT_EQ(test::ToHex(ReadTcpBytes(link, second.size())), test::ToHex(second));
        link.Close();
    });

    EXPECT_EQ(test::ToHex(frameSeen), test::ToHex(frame));
    ASSERT_GE(trace.size(), 3u);
    EXPECT_EQ(trace[0].first, TraceDirection::Sent);
    EXPECT_EQ(test::ToHex(trace[0].second), test::ToHex(frame));
    Bytes received;
    for (std::size_t i = 1; i < trace.size(); ++i) {
        EXPECT_EQ(trace[i].first, TraceDirection::Received);
        received.insert(received.end(), trace[i].second.begin(), trace[i].second.end());
    }
    EXPECT_EQ(test::ToHex(received), test::ToHex(test::FromHex("71 71 71 EE 53 00 04 00 00 00 "
                                                               "52 55 44 41")));
}

TEST(TcpLinkTest, RefusedConnectionFailsAndLeavesTheLinkClosed) {
    const LoopbackSocket notListening;  // holds the port so nobody else takes it
    TcpLink link{"127.0.0.1", notListening.port()};
    test::RunOnWorker([&] {
        const Status opened = link.Open();
        EXPECT_FALSE(opened.ok());
        EXPECT_NE(opened.message().In(UiLanguage::English).find("127.0.0.1"), std::string::npos);
        EXPECT_FALSE(opened.message().In(UiLanguage::Chinese).empty());
        EXPECT_FALSE(link.IsOpen());

        const Bytes frame = test::FromHex("71 71 71 EE");
        EXPECT_FALSE(link.Write(frame, 100).ok());
        std::uint8_t buffer[150];
        std::size_t count = 99;
        EXPECT_EQ(link.Read(buffer, count, 100), ReadStatus::Failed);
        EXPECT_EQ(count, 0u);
    });
    EXPECT_EQ(TcpLink{"127.0.0.1"}.Describe(), "TCP 127.0.0.1:8989");
}

TEST(TcpLinkTest, ReadFailsOnceTheServerHasClosed) {
    ScriptedServer server{[](int) {}};  // accepts and closes at once
    TcpLink link{"127.0.0.1", server.port()};
    test::RunOnWorker([&] {
        ASSERT_TRUE(link.Open().ok());
        std::uint8_t buffer[150];
        std::size_t count = 0;
        EXPECT_EQ(link.Read(buffer, count, 5000), ReadStatus::Failed);
        EXPECT_FALSE(link.IsOpen());
        link.Close();
    });
}

}  // namespace
}  // namespace corva
