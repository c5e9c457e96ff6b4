#include "host/NoticePump.h"

#include <chrono>

namespace corva::host {

NoticeSink NoticePump::Sink() {
    return [this](const Notice& notice) { Push(notice); };
}

std::function<void(int)> NoticePump::ProgressSink() {
    return [this](int progressIndex) { Push({NoticeId::Progress, progressIndex}); };
}

void NoticePump::Push(const Notice& notice) {
    if (deliverer_) {
        // The deliverer drops the work when the front end's side is gone, so `this` is only
        // used while the pump's owner still exists.
        deliverer_([this, notice] {
            if (receiver_) {
                receiver_(notice);
            }
        });
        return;
    }
    {
        std::lock_guard lock(mutex_);
        waiting_.push_back(notice);
    }
    arrived_.notify_all();
}

bool NoticePump::DeliverNext(int timeoutMs) {
    std::optional<Notice> next;
    {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [this] { return !waiting_.empty(); })) {
            return false;
        }
        next = waiting_.front();
        waiting_.pop_front();
    }
    if (receiver_) {
        receiver_(*next);
    }
    return true;
}

}  // namespace corva::host
