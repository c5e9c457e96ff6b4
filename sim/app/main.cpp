// corva-dsp-sim: a simulated processor for trying the program without hardware. Serves the
// processor on a TCP port and/or a pseudo-terminal (a serial line) until SIGINT or SIGTERM.

#include <pthread.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/ProgramVersion.h"
#include "protocol/FrameLayout.h"
#include "sim/SimulatedProcessor.h"
#include "sim/StreamServer.h"

namespace {

constexpr const char* kUsage =
    "Usage: corva-dsp-sim [options]\n"
    "Serves a simulated six-channel DSP processor until interrupted.\n"
    "\n"
    "  --tcp HOST:PORT     serve one TCP client at a time (default 127.0.0.1:8989)\n"
    "  --pty               serve a pseudo-terminal; its path is printed (serial line)\n"
    "  --state FILE        load the memory from FILE if it exists; save it after every\n"
    "                      write and at exit\n"
    "  --version-tag TAG   the 11-character version tag to report (default RUDA-DO1.00)\n"
    "  --piece-size N      deliver answers in pieces of N bytes\n"
    "  --delay-ms N        wait N ms before each answer\n"
    "  --stop-after-writes N  take and answer N write frames, then answer nothing at all\n"
    "  --help              show this text\n"
    "  --version           show the program's version\n"
    "\n"
    "Without --tcp or --pty the processor listens on 127.0.0.1:8989.\n";

struct Options {
    std::optional<std::string> tcp;
    bool pty = false;
    std::string stateFile;
    std::optional<std::string> versionTag;
    std::size_t pieceSize = 0;
    int delayMs = 0;
    int writesBeforeSilence = -1;
};

std::optional<long> ParseNumber(const std::string& text, long max) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > max) {
        return std::nullopt;
    }
    return value;
}

// Returns the exit code to end with, or nothing to go on.
std::optional<int> ParseOptions(int argc, char** argv, Options& options) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 < args.size()) {
                return args[++i];
            }
            std::cerr << "corva-dsp-sim: " << arg << " needs a value\n";
            return std::nullopt;
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "corva-dsp-sim " << corva::ProgramVersion() << "\n";
            return 0;
        } else if (arg == "--pty") {
            options.pty = true;
        } else if (arg == "--tcp" || arg == "--state" || arg == "--version-tag" ||
                   arg == "--piece-size" || arg == "--delay-ms" || arg == "--stop-after-writes") {
            const auto text = value();
            if (!text) {
                return 2;
            }
            if (arg == "--tcp") {
                options.tcp = *text;
            } else if (arg == "--state") {
                options.stateFile = *text;
            } else if (arg == "--version-tag") {
                options.versionTag = *text;
            } else {
                const auto number = ParseNumber(*text, 60000);
                if (!number) {
                    std::cerr << "corva-dsp-sim: " << arg << " takes a number 0..60000\n";
                    return 2;
                }
                if (arg == "--piece-size") {
                    options.pieceSize = static_cast<std::size_t>(*number);
                } else if (arg == "--stop-after-writes") {
                    options.writesBeforeSilence = static_cast<int>(*number);
                } else {
                    options.delayMs = static_cast<int>(*number);
                }
            }
        } else {
            std::cerr << "corva-dsp-sim: unknown option " << arg << "\n" << kUsage;
            return 2;
        }
    }
    return std::nullopt;
}

bool SplitHostPort(const std::string& text, std::string& host, std::uint16_t& port) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    const auto number = ParseNumber(text.substr(colon + 1), 65535);
    if (!number) {
        return false;
    }
    host = text.substr(0, colon);
    port = static_cast<std::uint16_t>(*number);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (const auto exitCode = ParseOptions(argc, argv, options)) {
        return *exitCode;
    }
    if (!options.tcp && !options.pty) {
        options.tcp = "127.0.0.1:8989";
    }

    // SIGINT and SIGTERM are taken by sigwait below, so they must be blocked before any
    // server thread starts (threads inherit the mask).
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    auto processor = std::make_shared<corva::sim::SimulatedProcessor>();
    auto faults = processor->Faults();
    if (options.versionTag) {
        faults.versionTag = *options.versionTag;
    }
    faults.pieceSize = options.pieceSize;
    faults.answerDelayMs = options.delayMs;
    faults.writesBeforeSilence = options.writesBeforeSilence;
    processor->SetFaults(faults);

    std::mutex saving;  // both servers may finish a write at the same time
    const auto save = [&] {
        std::lock_guard lock(saving);
        const auto status = processor->SaveState(options.stateFile);
        if (!status) {
            std::cerr << "corva-dsp-sim: " << status.message().In(corva::UiLanguage::English)
                      << "\n";
        }
    };
    if (!options.stateFile.empty() && std::filesystem::exists(options.stateFile)) {
        const auto status = processor->LoadState(options.stateFile);
        if (!status) {
            std::cerr << "corva-dsp-sim: " << status.message().In(corva::UiLanguage::English)
                      << "\n";
            return 1;
        }
        std::cout << "memory loaded from " << options.stateFile << "\n";
    }
    const auto afterAnswers = [&](const std::vector<std::vector<std::uint8_t>>& answers) {
        // The frame log would grow without end in a long-running program.
        processor->ClearReceivedFrames();
        const auto acknowledged = [](const auto& answer) {
            return answer[corva::frame::kCommand] ==
                   static_cast<std::uint8_t>(corva::Command::Acknowledge);
        };
        if (!options.stateFile.empty() &&
            std::any_of(answers.begin(), answers.end(), acknowledged)) {
            save();
        }
    };

    std::vector<std::unique_ptr<corva::sim::StreamServer>> servers;
    if (options.tcp) {
        std::string host;
        std::uint16_t port = 0;
        if (!SplitHostPort(*options.tcp, host, port)) {
            std::cerr << "corva-dsp-sim: --tcp takes HOST:PORT, not " << *options.tcp << "\n";
            return 2;
        }
        auto server = std::make_unique<corva::sim::StreamServer>(processor);
        server->SetAnswerHook(afterAnswers);
        if (const auto status = server->StartTcp(host, port); !status) {
            std::cerr << "corva-dsp-sim: " << status.message().In(corva::UiLanguage::English)
                      << "\n";
            return 1;
        }
        std::cout << "listening on " << server->Describe() << "\n";
        servers.push_back(std::move(server));
    }
    if (options.pty) {
        auto server = std::make_unique<corva::sim::StreamServer>(processor);
        server->SetAnswerHook(afterAnswers);
        if (const auto status = server->StartPty(); !status) {
            std::cerr << "corva-dsp-sim: " << status.message().In(corva::UiLanguage::English)
                      << "\n";
            return 1;
        }
        std::cout << server->Describe() << "\n";
        servers.push_back(std::move(server));
    }
    std::cout << "version tag " << processor->Faults().versionTag << "; Ctrl+C ends" << std::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    for (auto& server : servers) {
        server->Stop();
    }
    if (!options.stateFile.empty()) {
        save();
        std::cout << "memory saved to " << options.stateFile << "\n";
    }
    return 0;
}
