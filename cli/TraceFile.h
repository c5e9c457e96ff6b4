// The user's trace of a link: one line per frame written or answer read, with a time in
// milliseconds, ">" or "<", and the bytes in hex, whatever pieces the link moved them in.
// Appends; safe to call from the worker.
#pragma once

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

#include "TraceFrames.h"
#include "protocol/Link.h"

namespace corva::cli {

class TraceFile {
public:
    // False when the file cannot be opened for appending.
    bool Open(const std::string& path);
    ~TraceFile();
    TraceHook Hook();
    // A line of its own between the frames ("# text"), for what the tool did at that moment.
    void Note(const std::string& text);

private:
    void Write(TraceDirection direction, std::span<const std::uint8_t> bytes);
    void WriteLine(TraceDirection direction, std::span<const std::uint8_t> bytes);

    std::mutex mutex_;
    TraceFrames sent_;
    TraceFrames received_;
    std::FILE* file_ = nullptr;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace corva::cli
