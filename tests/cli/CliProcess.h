// Runs the real corva-dsp-cli and corva-dsp-sim programs for the command-line tests: each run
// in a scratch folder with its own settings, output captured, every wait bounded, and no
// process left behind.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace corva::test {

struct CliRun {
    int exitCode = -1;  // -1 when the program had to be killed
    std::string out;
    std::string err;

    std::vector<std::string> ErrLines() const {
        std::vector<std::string> lines;
        std::istringstream stream(err);
        for (std::string line; std::getline(stream, line);) {
            lines.push_back(line);
        }
        return lines;
    }
};

// A folder of its own for one test, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corva-cli-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string{};
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

namespace detail {

inline void WaitOrKill(pid_t pid, int& status, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Starts `program` in `folder` with stdout and stderr on pipes; the settings of the programs
// (language, in-use marks) live in the folder too. Everything the child needs is prepared
// before the fork. Standard input is `inFd` when given, else the test's own.
inline pid_t Spawn(const std::string& program, const std::vector<std::string>& args,
                   const std::string& folder, int& outFd, int& errFd, int inFd = -1) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (text.rfind("XDG_CONFIG_HOME=", 0) != 0 && text.rfind("HOME=", 0) != 0 &&
            text.rfind("XDG_DATA_HOME=", 0) != 0 && text.rfind("QT_QPA_PLATFORM=", 0) != 0) {
            environment.push_back(text);
        }
    }
    environment.push_back("XDG_CONFIG_HOME=" + folder);
    environment.push_back("HOME=" + folder);
    environment.push_back("XDG_DATA_HOME=" + folder + "/data");
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> argvText = {program};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : argvText) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        return -1;
    }
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        return -1;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (inFd >= 0) {
            ::dup2(inFd, STDIN_FILENO);
        }
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        if (::chdir(folder.c_str()) != 0) {
            ::_exit(127);
        }
        ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    outFd = out[0];
    errFd = err[0];
    return pid;
}

// Reads what is ready on `fd` into `text`; false once the other end has closed.
inline bool Drain(int fd, std::string& text) {
    char buffer[4096];
    const ssize_t count = ::read(fd, buffer, sizeof buffer);
    if (count <= 0) {
        return false;
    }
    text.append(buffer, static_cast<std::size_t>(count));
    return true;
}

}  // namespace detail

// Runs `program` with `args` in `folder` and waits for it, at most `limitMs`. `onError` sees
// standard error as it grows (a test answering a prompt).
inline CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder, int limitMs = 60000, int inFd = -1,
                         const std::function<void(const std::string& err)>& onError = {}) {
    CliRun run;
    int outFd = -1;
    int errFd = -1;
    const pid_t pid = detail::Spawn(program, args, folder, outFd, errFd, inFd);
    if (pid < 0) {
        return run;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    bool outOpen = true;
    bool errOpen = true;
    while ((outOpen || errOpen) && std::chrono::steady_clock::now() < deadline) {
        pollfd fds[2] = {{outOpen ? outFd : -1, POLLIN, 0}, {errOpen ? errFd : -1, POLLIN, 0}};
        if (::poll(fds, 2, 100) <= 0) {
            continue;
        }
        if (fds[0].revents != 0) {
            outOpen = detail::Drain(outFd, run.out);
        }
        if (fds[1].revents != 0) {
            errOpen = detail::Drain(errFd, run.err);
            if (onError) {
                onError(run.err);
            }
        }
    }
    int status = 0;
    detail::WaitOrKill(pid, status, std::chrono::milliseconds(outOpen || errOpen ? 0 : 10000));
    ::close(outFd);
    ::close(errFd);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Runs corva-dsp-cli (see RunProgram).
inline CliRun RunCli(const std::vector<std::string>& args, const std::string& folder,
                     int limitMs = 60000, int inFd = -1,
                     const std::function<void(const std::string& err)>& onError = {}) {
    return RunProgram(CORVA_CLI_PATH, args, folder, limitMs, inFd, onError);
}

// A stand-alone simulated processor on a free loopback port and a pseudo-terminal, stopped
// (and waited for) when the object goes.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const std::string& folder, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"--tcp", "127.0.0.1:0", "--pty"};
        args.insert(args.end(), extra.begin(), extra.end());
        pid_ = detail::Spawn(CORVA_SIM_PATH, args, folder, outFd_, errFd_);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        // The last line of its start-up report names the version tag.
        while (pid_ > 0 && output_.find("version tag") == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            pollfd fd{outFd_, POLLIN, 0};
            if (::poll(&fd, 1, 100) > 0 && !detail::Drain(outFd_, output_)) {
                break;
            }
        }
        std::istringstream lines(output_);
        for (std::string line; std::getline(lines, line);) {
            if (const auto at = line.find("tcp 127.0.0.1:"); at != std::string::npos) {
                port_ = std::atoi(line.c_str() + at + 14);
            }
            if (const auto at = line.find("/dev/"); at != std::string::npos) {
                ptyPath_ = line.substr(at);
            }
        }
    }
    ~SimulatorProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            detail::WaitOrKill(pid_, status, std::chrono::seconds(5));
        }
        if (outFd_ >= 0)
            ::close(outFd_);
        if (errFd_ >= 0)
            ::close(errFd_);
    }
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    bool ready() const { return port_ > 0 && !ptyPath_.empty(); }
    std::string Tcp() const { return "127.0.0.1:" + std::to_string(port_); }
    const std::string& ptyPath() const { return ptyPath_; }

private:
    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    std::string output_;
    int port_ = 0;
    std::string ptyPath_;
};

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace corva::test
