#include "sim/StreamServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>

#if defined(__unix__)
#include <pty.h>
#endif

namespace corva::sim {
namespace {

constexpr std::size_t kReadChunk = 4096;

Status Failed(const std::string& what) {
    const std::string reason = std::strerror(errno);
    return Status::Fail(UiText::Literal(what + ": " + reason));
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

bool SetNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL, 0);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

}  // namespace

StreamServer::StreamServer(std::shared_ptr<SimulatedProcessor> processor)
    : processor_{std::move(processor)} {}

StreamServer::~StreamServer() {
    Stop();
}

std::string StreamServer::Describe() const {
    if (!ptyPath_.empty()) {
        return "serial line at " + ptyPath_;
    }
    return "tcp " + host_ + ":" + std::to_string(port_);
}

Status StreamServer::StartTcp(const std::string& host, std::uint16_t port) {
    if (running()) {
        return Status::Fail(Tr("Simulator", "The server is already running"));
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (::getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0 || !found) {
        return Status::Fail(Tr("Simulator", "Unknown address %1").Arg(host));
    }
    sockaddr_in address{};
    std::memcpy(&address, found->ai_addr, sizeof address);
    ::freeaddrinfo(found);

    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listenFd_ < 0) {
        return Failed("socket");
    }
    const int yes = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (::bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 4) != 0) {
        const auto status = Failed("listen on " + host + ":" + service);
        CloseFd(listenFd_);
        return status;
    }
    socklen_t length = sizeof address;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    ptyPath_.clear();
    std::array<char, INET_ADDRSTRLEN> text{};
    ::inet_ntop(AF_INET, &address.sin_addr, text.data(), text.size());
    host_ = text.data();
    return StartThread(&StreamServer::ServeTcp);
}

Status StreamServer::StartPty() {
#if defined(__unix__)
    if (running()) {
        return Status::Fail(Tr("Simulator", "The server is already running"));
    }
    std::array<char, 256> name{};
    if (::openpty(&ptyMaster_, &ptySlave_, name.data(), nullptr, nullptr) != 0) {
        return Failed("openpty");
    }
    termios raw{};
    ::tcgetattr(ptySlave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(ptySlave_, TCSANOW, &raw);
    ::fcntl(ptyMaster_, F_SETFD, FD_CLOEXEC);
    ::fcntl(ptySlave_, F_SETFD, FD_CLOEXEC);
    if (!SetNonBlocking(ptyMaster_)) {
        const auto status = Failed("pseudo-terminal");
        CloseDescriptors();
        return status;
    }
    ptyPath_ = name.data();
    return StartThread(&StreamServer::ServePty);
#else
    return Status::Fail(Tr("Simulator", "No pseudo-terminals on this system"));
#endif
}

Status StreamServer::StartThread(void (StreamServer::*serve)()) {
    std::array<int, 2> pipe{};
    if (::pipe2(pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        const auto status = Failed("pipe");
        CloseDescriptors();
        return status;
    }
    wakeRead_ = pipe[0];
    wakeWrite_ = pipe[1];
    thread_ = std::thread(serve, this);
    return Status::Ok();
}

void StreamServer::Stop() {
    if (thread_.joinable()) {
        const char wake = 1;
        while (::write(wakeWrite_, &wake, 1) < 0 && errno == EINTR) {
        }
        thread_.join();
    }
    CloseDescriptors();
}

void StreamServer::CloseDescriptors() {
    CloseFd(listenFd_);
    CloseFd(ptyMaster_);
    CloseFd(ptySlave_);
    CloseFd(wakeRead_);
    CloseFd(wakeWrite_);
}

bool StreamServer::WaitFor(int fd, short events, int timeoutMs) {
    std::array<pollfd, 2> fds{{{wakeRead_, POLLIN, 0}, {fd, events, 0}}};
    const nfds_t count = fd >= 0 ? 2 : 1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        int wait = -1;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            wait = static_cast<int>(std::max<std::int64_t>(0, left.count()));
        }
        const int ready = ::poll(fds.data(), count, wait);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (fds[0].revents != 0) {
            return false;
        }
        // Ready, timed out, or a poll error: the caller's next call finds out which.
        return true;
    }
}

void StreamServer::ServeTcp() {
    while (WaitFor(listenFd_, POLLIN, -1)) {
        const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0) {
            continue;
        }
        // Every piece goes out as soon as it is written.
        const int yes = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        const auto outcome = ServeStream(client, Endpoint::Socket);
        ::close(client);
        if (outcome == Outcome::Stopped) {
            return;
        }
    }
}

void StreamServer::ServePty() {
    // The slave stays open here, so the master never hangs up between clients; a read error
    // means the pseudo-terminal itself is gone, and the thread ends.
    ServeStream(ptyMaster_, Endpoint::Terminal);
}

StreamServer::Outcome StreamServer::ServeStream(int fd, Endpoint endpoint) {
    std::array<std::uint8_t, kReadChunk> buffer{};
    while (WaitFor(fd, POLLIN, -1)) {
        const auto count = ::read(fd, buffer.data(), buffer.size());
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (count <= 0) {
            return Outcome::ClientGone;
        }
        const auto answers =
            processor_->Receive(std::span(buffer).first(static_cast<std::size_t>(count)));
        if (answers.empty()) {
            continue;
        }
        const auto faults = processor_->Faults();
        for (const auto& answer : answers) {
            if (faults.answerDelayMs > 0 && !WaitFor(-1, 0, faults.answerDelayMs)) {
                return Outcome::Stopped;
            }
            const auto outcome = Deliver(fd, endpoint, answer, faults.pieceSize);
            if (outcome != Outcome::Done) {
                return outcome;
            }
        }
        if (hook_) {
            hook_(answers);
        }
    }
    return Outcome::Stopped;
}

StreamServer::Outcome StreamServer::Deliver(int fd, Endpoint endpoint,
                                            std::span<const std::uint8_t> answer,
                                            std::size_t pieceSize) {
    const std::size_t piece = pieceSize == 0 ? answer.size() : pieceSize;
    for (std::size_t at = 0; at < answer.size(); at += piece) {
        const auto outcome =
            WriteAll(fd, endpoint, answer.subspan(at, std::min(piece, answer.size() - at)));
        if (outcome != Outcome::Done) {
            return outcome;
        }
    }
    return Outcome::Done;
}

StreamServer::Outcome StreamServer::WriteAll(int fd, Endpoint endpoint,
                                             std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        // A socket whose client has gone must not raise SIGPIPE.
        const auto written = endpoint == Endpoint::Socket
                                 ? ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)
                                 : ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        } else if (written < 0 && errno == EINTR) {
            continue;
        } else if (written < 0 && errno == EAGAIN) {
            if (!WaitFor(fd, POLLOUT, -1)) {
                return Outcome::Stopped;
            }
        } else {
            return Outcome::ClientGone;
        }
    }
    return Outcome::Done;
}

}  // namespace corva::sim
