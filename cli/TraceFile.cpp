#include "TraceFile.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "files/SafeFileWriter.h"

namespace corva::cli {

Status TraceFile::Open(const std::string& path) {
    {
        // Creates and removes an empty file beside the trace: the same checks the final
        // write makes, before anything is sent.
        const FileReplacement probe(path);
        if (!probe.status().ok()) {
            return probe.status();
        }
    }
    std::ifstream old(path, std::ios::binary);
    if (old) {
        text_.assign(std::istreambuf_iterator<char>(old), std::istreambuf_iterator<char>());
        if (old.bad()) {
            return Status::Fail(FileWriteError(path, "its content cannot be read"));
        }
    }
    path_ = path;
    open_ = true;
    return Status::Ok();
}

TraceHook TraceFile::Hook() {
    return [this](TraceDirection direction, std::span<const std::uint8_t> bytes) {
        Write(direction, bytes);
    };
}

Status TraceFile::Close() {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return Status::Ok();
    }
    for (const auto& piece : sent_.Flush()) {
        AppendLine(TraceDirection::Sent, piece);
    }
    for (const auto& piece : received_.Flush()) {
        AppendLine(TraceDirection::Received, piece);
    }
    open_ = false;
    return WriteFileSafely(path_, text_);
}

void TraceFile::Write(TraceDirection direction, std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return;
    }
    auto& frames = direction == TraceDirection::Sent ? sent_ : received_;
    for (const auto& piece : frames.Feed(bytes)) {
        AppendLine(direction, piece);
    }
}

void TraceFile::Note(const std::string& text) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count();
    text_ += std::to_string(ms) + " # " + text + '\n';
}

void TraceFile::AppendLine(TraceDirection direction, std::span<const std::uint8_t> bytes) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count();
    text_ += std::to_string(ms) + (direction == TraceDirection::Sent ? " >" : " <");
    std::array<char, 4> hex{};
    for (const auto byte : bytes) {
        std::snprintf(hex.data(), hex.size(), " %02X", byte);
        text_ += hex.data();
    }
    text_ += '\n';
}

}  // namespace corva::cli
