// An engine wired to simulated USB devices, with real time limits scaled down, and a pump
// that hands the worker's notices to the connection controller as a front end would.
// Success paths keep limits only a few times shorter than the real ones, so a busy machine
// cannot turn a slow answer into a failure; failure paths wait for silence, so they use
// much shorter limits to run quickly.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "sim/InProcessLink.h"
#include "transfer/ConnectionController.h"
#include "transfer/NoticeQueue.h"

namespace corva::test {

// In-use marks shared by the engines of one test, as the settings store is between copies.
class SharedInUseMarkers : public InUseMarkers {
public:
    bool IsFree(const std::string& path) override {
        std::lock_guard lock(mutex_);
        return !marked_.count(path);
    }
    void Mark(const std::string& path) override {
        std::lock_guard lock(mutex_);
        marked_.insert(path);
    }
    void Unmark(const std::string& path) override {
        std::lock_guard lock(mutex_);
        marked_.erase(path);
    }
    void ClearAll() override {
        std::lock_guard lock(mutex_);
        marked_.clear();
    }

private:
    std::mutex mutex_;
    std::set<std::string> marked_;
};

inline Timing SuccessTiming() {
    return Timing{}.ScaledDown(4);
}
inline Timing FailFastTiming() {
    return Timing{}.ScaledDown(20);
}

class Engine {
public:
    Engine(DeviceEnumerator& devices, InUseMarkers& inUse, Timing timing = SuccessTiming())
        : timing_{timing}, controller{{session, devices, inUse, timing_, queue.Sink()}} {}

    // Hands notices to the controller until `done` holds or `timeoutMs` passes; true if done.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            if (auto notice = queue.Take(5)) {
                notices.push_back(notice->id);
                if (auto message = controller.HandleNotice(*notice)) {
                    messages.push_back(*message);
                }
            }
        }
        return true;
    }
    bool WaitSynchronised() {
        return PumpUntil([this] { return controller.synchronised(); });
    }
    // Opens the device at `path` and waits for the full read; true once synchronised.
    bool ConnectSynchronised(const std::string& path) {
        return controller.ConnectToPath(path).ok() && WaitSynchronised();
    }
    // Waits until nothing is queued but the idle poll.
    bool WaitQueueIdle() {
        return PumpUntil([this] {
            std::lock_guard lock(session.engine().sendLock);
            const auto* head = session.engine().queue.front();
            return session.engine().queue.count() <= 1 &&
                   (!head || (head->data()[7] == 9 && head->data()[8] == 3));
        });
    }

    TuningSession session;
    NoticeQueue queue;
    std::vector<NoticeId> notices;
    std::vector<UserMessage> messages;

private:
    Timing timing_;

public:
    ConnectionController controller;
};

}  // namespace corva::test
