// Carries what the transfer worker reports on its own thread over to the GUI thread. Each sink
// below queues a call on this object, which lives in the GUI thread; the signals then fire
// there, in the order the worker raised them. It must outlive every worker that holds a sink.
#pragma once

#include <QObject>

#include "core/UiText.h"
#include "host/NoticePump.h"
#include "protocol/Notice.h"
#include "transfer/AnswerHandler.h"
#include "transfer/ConnectionController.h"

namespace corva::shell {

class NoticePoster : public QObject {
    Q_OBJECT

public:
    explicit NoticePoster(QObject* parent = nullptr) : QObject(parent) {}

    // The engine host's notice pump runs its work on the GUI thread through this; work
    // posted after this object is gone is dropped.
    host::NoticePump::Deliverer DelivererForHost();
    // Safe to call from any thread.
    NoticeSink NoticeSinkForWorker();
    AnswerHandler::ProgressHook ProgressSinkForWorker();
    ConnectionController::FirmwareHooks FirmwareSinksForWorker();
    // Session changes, re-raised as SessionChanged on the GUI thread (pages refresh from a
    // new snapshot there).
    SessionEventSink SessionEventSinkForEngine();

signals:
    void NoticeArrived(corva::Notice notice);
    void ProgressArrived(int progressIndex);
    void FirmwareStatusArrived(corva::UiText status);
    void FirmwareStepDone();
    void SessionChanged(corva::SessionEvent event);

private:
    template <class Emit>
    void Post(Emit emitOnGuiThread) {
        QMetaObject::invokeMethod(this, std::move(emitOnGuiThread), Qt::QueuedConnection);
    }
};

}  // namespace corva::shell
