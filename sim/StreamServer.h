// Serves a simulated processor as a byte stream, the way a network-attached or serially
// connected processor is reached: a TCP port taking one client at a time, or the master side
// of a pseudo-terminal whose slave is the serial line. One thread per server; Stop() joins it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "core/Status.h"
#include "sim/SimulatedProcessor.h"

namespace corva::sim {

class StreamServer {
public:
    // Called on the server's thread after each batch of answers has been delivered.
    using AnswerHook = std::function<void(const std::vector<std::vector<std::uint8_t>>&)>;

    explicit StreamServer(std::shared_ptr<SimulatedProcessor> processor);
    ~StreamServer();
    StreamServer(const StreamServer&) = delete;
    StreamServer& operator=(const StreamServer&) = delete;

    // Set before starting.
    void SetAnswerHook(AnswerHook hook) { hook_ = std::move(hook); }

    // Listens on host:port; port 0 takes any free port (see port()).
    Status StartTcp(const std::string& host, std::uint16_t port);
    // Opens a pseudo-terminal pair in raw mode; clients open ptyPath() as a serial line.
    Status StartPty();
    // Stops serving, closes every descriptor and joins the thread. Safe to call twice.
    void Stop();

    bool running() const { return thread_.joinable(); }
    std::uint16_t port() const { return port_; }
    const std::string& ptyPath() const { return ptyPath_; }
    // "tcp 127.0.0.1:8989" or "serial line at /dev/pts/7".
    std::string Describe() const;

private:
    enum class Outcome { Done, ClientGone, Stopped };
    enum class Endpoint { Socket, Terminal };

    Status StartThread(void (StreamServer::*serve)());
    void ServeTcp();
    void ServePty();
    // Serves one client until it goes away (ClientGone) or Stop() is called (Stopped).
    Outcome ServeStream(int fd, Endpoint endpoint);
    Outcome Deliver(int fd, Endpoint endpoint, std::span<const std::uint8_t> answer,
                    std::size_t pieceSize);
    Outcome WriteAll(int fd, Endpoint endpoint, std::span<const std::uint8_t> bytes);
    // Waits for `fd` to be ready for `events` (or only for Stop when fd is -1); false on Stop.
    bool WaitFor(int fd, short events, int timeoutMs);
    void CloseDescriptors();

    std::shared_ptr<SimulatedProcessor> processor_;
    AnswerHook hook_;
    std::thread thread_;
    int listenFd_ = -1;
    int ptyMaster_ = -1;
    int ptySlave_ = -1;  // kept open so the master never sees a hang-up between clients
    int wakeRead_ = -1;  // Stop() writes to the other end of this pipe
    int wakeWrite_ = -1;
    std::string host_;
    std::uint16_t port_ = 0;
    std::string ptyPath_;
};

}  // namespace corva::sim
