#include "sim/StreamServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "sim/SimFrames.h"

namespace corva::sim {
namespace {

using test::Bytes;

constexpr int kServerPatienceMs = 5000;

// Reads until `size` bytes have arrived or nothing comes for a long while.
Bytes ReadBytes(int fd, std::size_t size) {
    Bytes bytes;
    std::array<std::uint8_t, 512> buffer{};
    while (bytes.size() < size) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, kServerPatienceMs) <= 0) {
            break;
        }
        const auto count = ::read(fd, buffer.data(), std::min(buffer.size(), size - bytes.size()));
        if (count <= 0) {
            break;
        }
        bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + count);
    }
    return bytes;
}

bool WriteBytes(int fd, const Bytes& bytes) {
    return ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

int ConnectTo(std::uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

TEST(StreamServerTest, TcpClientGetsAnswersDeliveredInOneBytePieces) {
    auto processor = std::make_shared<SimulatedProcessor>();
    auto faults = processor->Faults();
    faults.pieceSize = 1;
    processor->SetFaults(faults);
    StreamServer server(processor);
    int batches = 0;
    server.SetAnswerHook([&](const auto& answers) { batches += static_cast<int>(answers.size()); });
    ASSERT_TRUE(server.StartTcp("127.0.0.1", 0).ok());
    ASSERT_NE(server.port(), 0);
    EXPECT_EQ(server.Describe(), "tcp 127.0.0.1:" + std::to_string(server.port()));

    const int client = ConnectTo(server.port());
    ASSERT_GE(client, 0);
    // Two frames in one write: two answers, in order.
    Bytes request = test::SystemRead(system_id::kVersionTag);
    const auto block = test::ReadRequest(0, 4, 1, 0x77);
    request.insert(request.end(), block.begin(), block.end());
    ASSERT_TRUE(WriteBytes(client, request));

    const auto answers = ReadBytes(client, 27 + 312);
    ASSERT_EQ(answers.size(), 27u + 312u);
    const Bytes version(answers.begin(), answers.begin() + 27);
    const Bytes output(answers.begin() + 27, answers.end());
    EXPECT_TRUE(test::IsSealedAnswer(version));
    EXPECT_EQ(std::string(version.begin() + 14, version.begin() + 25), "RUDA-DO1.00");
    EXPECT_TRUE(test::IsSealedAnswer(output));
    EXPECT_EQ(output[8], 1);
    ::close(client);

    // The next client is served after the first has gone.
    const int next = ConnectTo(server.port());
    ASSERT_GE(next, 0);
    ASSERT_TRUE(WriteBytes(next, test::SystemRead(system_id::kVersionTag)));
    EXPECT_EQ(ReadBytes(next, 27).size(), 27u);
    server.Stop();  // with the client still connected
    EXPECT_FALSE(server.running());
    EXPECT_EQ(batches, 3);
    ::close(next);
}

TEST(StreamServerTest, StopEndsAnAnswerDelay) {
    auto processor = std::make_shared<SimulatedProcessor>();
    auto faults = processor->Faults();
    faults.answerDelayMs = 600'000;
    processor->SetFaults(faults);
    StreamServer server(processor);
    ASSERT_TRUE(server.StartTcp("127.0.0.1", 0).ok());
    const int client = ConnectTo(server.port());
    ASSERT_GE(client, 0);
    ASSERT_TRUE(WriteBytes(client, test::SystemRead(system_id::kVersionTag)));
    // Wait until the processor has the frame, so the server is inside the delay.
    while (processor->ReceivedFrames().empty()) {
        std::this_thread::yield();
    }
    server.Stop();
    EXPECT_TRUE(ReadBytes(client, 1).empty());
    ::close(client);
}

TEST(StreamServerTest, SecondServerCannotTakeABusyPort) {
    auto processor = std::make_shared<SimulatedProcessor>();
    StreamServer first(processor);
    ASSERT_TRUE(first.StartTcp("127.0.0.1", 0).ok());
    StreamServer second(processor);
    EXPECT_FALSE(second.StartTcp("127.0.0.1", first.port()).ok());
    EXPECT_FALSE(second.StartTcp("no.such.host.invalid", 0).ok());
}

#if defined(__unix__)
TEST(StreamServerTest, PseudoTerminalCarriesFramesLikeASerialLine) {
    auto processor = std::make_shared<SimulatedProcessor>();
    StreamServer server(processor);
    ASSERT_TRUE(server.StartPty().ok());
    ASSERT_FALSE(server.ptyPath().empty());
    EXPECT_EQ(server.Describe(), "serial line at " + server.ptyPath());

    const int line = ::open(server.ptyPath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(line, 0);
    termios raw{};
    ::tcgetattr(line, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(line, TCSANOW, &raw);
    // A frame in two writes, as a serial line may deliver it.
    const auto request = test::SystemRead(system_id::kStatusList);
    ASSERT_TRUE(WriteBytes(line, Bytes(request.begin(), request.begin() + 5)));
    ASSERT_TRUE(WriteBytes(line, Bytes(request.begin() + 5, request.end())));
    const auto answer = ReadBytes(line, 36);
    ASSERT_EQ(answer.size(), 36u);
    EXPECT_TRUE(test::IsSealedAnswer(answer));
    EXPECT_EQ(answer[8], system_id::kStatusList);
    ::close(line);
    server.Stop();
}
#endif

}  // namespace
}  // namespace corva::sim
