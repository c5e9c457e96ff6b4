// A thread-safe queue of notices for a front end without an event loop (the command-line
// tool, tests): the transfer worker pushes, the main thread waits and takes them in order.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "protocol/Notice.h"

namespace corva {

class NoticeQueue {
public:
    NoticeSink Sink() {
        return [this](const Notice& notice) { Push(notice); };
    }
    // For AnswerHandler::SetProgressHook: progress arrives in order with the notices, so the
    // main thread draws it and the worker never waits on a terminal.
    std::function<void(int)> ProgressSink() {
        return [this](int progressIndex) { Push({NoticeId::Progress, progressIndex}); };
    }

    void Push(const Notice& notice) {
        {
            std::lock_guard lock(mutex_);
            notices_.push_back(notice);
        }
        arrived_.notify_all();
    }

    // The next notice, waiting up to `timeoutMs` for one.
    std::optional<Notice> Take(int timeoutMs) {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [this] { return !notices_.empty(); })) {
            return std::nullopt;
        }
        const Notice notice = notices_.front();
        notices_.pop_front();
        return notice;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<Notice> notices_;
};

}  // namespace corva
