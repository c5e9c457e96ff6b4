#include "shell/app/NoticePoster.h"

namespace corva::shell {

host::NoticePump::Deliverer NoticePoster::DelivererForHost() {
    return [this](std::function<void()> work) { Post(std::move(work)); };
}

NoticeSink NoticePoster::NoticeSinkForWorker() {
    return [this](const Notice& notice) { Post([this, notice] { emit NoticeArrived(notice); }); };
}

AnswerHandler::ProgressHook NoticePoster::ProgressSinkForWorker() {
    return [this](int progressIndex) {
        Post([this, progressIndex] { emit ProgressArrived(progressIndex); });
    };
}

ConnectionController::FirmwareHooks NoticePoster::FirmwareSinksForWorker() {
    return {[this](const UiText& status) {
                Post([this, status] { emit FirmwareStatusArrived(status); });
            },
            [this] { Post([this] { emit FirmwareStepDone(); }); }};
}

SessionEventSink NoticePoster::SessionEventSinkForEngine() {
    return
        [this](const SessionEvent& event) { Post([this, event] { emit SessionChanged(event); }); };
}

}  // namespace corva::shell
