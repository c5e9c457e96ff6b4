// Runs a test body on a Qt worker thread, the way the transfer worker drives a link: Qt's
// socket and serial objects want a thread started by QThread.
#pragma once

#include <functional>
#include <memory>

#include <QThread>

namespace corva::test {

inline void RunOnWorker(std::function<void()> body) {
    const std::unique_ptr<QThread> worker{QThread::create(std::move(body))};
    worker->start();
    worker->wait();
}

}  // namespace corva::test
