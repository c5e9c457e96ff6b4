#include "TraceFile.h"

namespace corva::cli {

bool TraceFile::Open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "a");
    return file_ != nullptr;
}

TraceFile::~TraceFile() {
    if (file_) {
        for (const auto& piece : sent_.Flush()) {
            WriteLine(TraceDirection::Sent, piece);
        }
        for (const auto& piece : received_.Flush()) {
            WriteLine(TraceDirection::Received, piece);
        }
        std::fclose(file_);
    }
}

TraceHook TraceFile::Hook() {
    return [this](TraceDirection direction, std::span<const std::uint8_t> bytes) {
        Write(direction, bytes);
    };
}

void TraceFile::Write(TraceDirection direction, std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    if (!file_) {
        return;
    }
    auto& frames = direction == TraceDirection::Sent ? sent_ : received_;
    for (const auto& piece : frames.Feed(bytes)) {
        WriteLine(direction, piece);
    }
}

void TraceFile::Note(const std::string& text) {
    std::lock_guard lock(mutex_);
    if (!file_) {
        return;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count();
    std::fprintf(file_, "%lld # %s\n", static_cast<long long>(ms), text.c_str());
    std::fflush(file_);
}

void TraceFile::WriteLine(TraceDirection direction, std::span<const std::uint8_t> bytes) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count();
    std::fprintf(file_, "%lld %c", static_cast<long long>(ms),
                 direction == TraceDirection::Sent ? '>' : '<');
    for (const auto byte : bytes) {
        std::fprintf(file_, " %02X", byte);
    }
    std::fputc('\n', file_);
    std::fflush(file_);
}

}  // namespace corva::cli
