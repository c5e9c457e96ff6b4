// First-in first-out queue of frames waiting to be written; the front one is in flight.
// Not locked itself: every user holds the session's send lock.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>

#include "protocol/QueuedFrame.h"

namespace corva {

class FrameQueue {
public:
    // A null frame (a build that named nothing) is ignored.
    void push(std::unique_ptr<QueuedFrame> frame) {
        if (frame) {
            frames_.push_back(std::move(frame));
        }
    }
    QueuedFrame* front() { return frames_.empty() ? nullptr : frames_.front().get(); }
    std::unique_ptr<QueuedFrame> popFront() {
        if (frames_.empty()) {
            return nullptr;
        }
        auto frame = std::move(frames_.front());
        frames_.pop_front();
        return frame;
    }
    void clear() { frames_.clear(); }
    std::size_t count() const { return frames_.size(); }
    bool empty() const { return frames_.empty(); }

    const std::deque<std::unique_ptr<QueuedFrame>>& frames() const { return frames_; }

private:
    std::deque<std::unique_ptr<QueuedFrame>> frames_;
};

}  // namespace corva
