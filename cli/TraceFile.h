// The user's trace of a link: one line per frame written or answer read, with a time in
// milliseconds, ">" or "<", and the bytes in hex, whatever pieces the link moved them in.
// The lines are kept in memory and appended to the file in one safe write when the run ends,
// so a disk that fills up is reported and never leaves a half-written trace in place of the
// old one. Feeding is safe from the worker.
#pragma once

#include <chrono>
#include <mutex>
#include <string>

#include "TraceFrames.h"
#include "core/Status.h"
#include "protocol/Link.h"

namespace corva::cli {

class TraceFile {
public:
    // Reads what the file holds already and checks that it can be replaced (its folder
    // exists and may be written, it is a regular file or new).
    Status Open(const std::string& path);
    bool isOpen() const { return open_; }
    TraceHook Hook();
    // Writes the old content and the new lines; a failure leaves the old file as it was.
    Status Close();
    // A line of its own between the frames ("# text"), for what the tool did at that moment.
    void Note(const std::string& text);

private:
    void Write(TraceDirection direction, std::span<const std::uint8_t> bytes);
    void AppendLine(TraceDirection direction, std::span<const std::uint8_t> bytes);

    std::mutex mutex_;
    TraceFrames sent_;
    TraceFrames received_;
    std::string path_;
    std::string text_;  // the file's old content, then the lines of this run
    bool open_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace corva::cli
