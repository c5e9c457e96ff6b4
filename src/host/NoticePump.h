// Carries what the transfer worker reports on its own thread (notices, progress) over to the
// front end's thread. A front end with an event loop hands over a "deliver on my thread" hook
// and the pump posts each report through it; one without (the command-line tool, tests) waits
// on the pump and takes the reports in order.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "protocol/Notice.h"

namespace corva::host {

class NoticePump {
public:
    // Runs `work` later on the front end's thread; may be called from any thread.
    using Deliverer = std::function<void(std::function<void()> work)>;
    using Receiver = std::function<void(const Notice&)>;

    // Both are set once, before any worker runs.
    void SetDeliverer(Deliverer deliverer) { deliverer_ = std::move(deliverer); }
    void SetReceiver(Receiver receiver) { receiver_ = std::move(receiver); }

    // For the transfer machinery; safe to call from any thread.
    NoticeSink Sink();
    // Progress arrives in order with the notices, as NoticeId::Progress.
    std::function<void(int)> ProgressSink();
    void Push(const Notice& notice);

    // Without a deliverer: waits up to `timeoutMs` for the next report and hands it to the
    // receiver. False when none came.
    bool DeliverNext(int timeoutMs);

private:
    Deliverer deliverer_;
    Receiver receiver_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<Notice> waiting_;
};

}  // namespace corva::host
