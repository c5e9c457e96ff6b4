// Runs a computation off the window's thread and hands its result back on it. The work gets
// only copies of what it needs; the answer is dropped when `receiver` is gone by then.
#pragma once

#include <memory>
#include <utility>

#include <QObject>
#include <QThread>

namespace corva::shell {

template <class Work, class Done>
void RunInBackground(QObject* receiver, Work work, Done done) {
    using Result = decltype(work());
    auto result = std::make_shared<Result>();
    QThread* thread = QThread::create([result, work = std::move(work)]() mutable {
        *result = work();
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, receiver,
                     [result, done = std::move(done)]() mutable { done(std::move(*result)); });
    thread->start();
}

}  // namespace corva::shell
