#include "shell/app/ConnectionDriver.h"

#include <mutex>

#include "protocol/FrameBuilder.h"
#include "shell/app/AppContext.h"

namespace corva::shell {

ConnectionDriver::ConnectionDriver(AppContext& context, QObject* parent)
    : QObject(parent), context_{context} {
    context_.host().SetNoticeHandler(
        [this](const Notice& notice, const NoticeOutcome& outcome) { Follow(notice, outcome); });
    context_.host().SetProgressHandler(
        [this](int progressIndex) { emit ProgressMoved(progressIndex); });
    connect(&hotPlugTimer_, &QTimer::timeout, this, &ConnectionDriver::PollDevices);
    // The last frame of a batch has gone: the transfer counts as busy a moment longer, so the
    // progress window does not vanish before the processor has settled.
    batchDoneTimer_.setSingleShot(true);
    connect(&batchDoneTimer_, &QTimer::timeout, this, [this] {
        context_.controller().EndBatch();
        Refresh();
    });
    Refresh();
}

ConnectionDriver::~ConnectionDriver() {
    // Notices still on their way find nobody to tell.
    context_.host().SetNoticeHandler(nullptr);
    context_.host().SetProgressHandler(nullptr);
}

void ConnectionDriver::StartupConnect() {
    if (const auto& stream = context_.startupStream()) {
        // Asked for on the command line, so a failure is said.
        const Status status = context_.host().Connect({host::HostLink::Kind::Stream, {}, *stream});
        Refresh();
        if (!status.ok()) {
            Show(UserMessage{status.message(), MessageStyle::Plain, stream->host});
        }
        return;
    }
    // Nothing is shown when none is found.
    (void)context_.host().Connect({host::HostLink::Kind::FirstUsb, {}, {}});
    Refresh();
}

std::optional<ConnectionDriver::DeviceChoice> ConnectionDriver::Toggle() {
    auto& controller = context_.controller();
    if (controller.updating() || context_.busy) {
        return std::nullopt;  // the update owns the link until it ends
    }
    auto outcome = controller.ToggleConnection();
    Refresh();
    if (outcome.kind == ConnectionController::ToggleOutcome::Kind::ChooseDevice) {
        DeviceChoice choice;
        for (const auto& label : outcome.choiceLabels) {
            choice.labels.push_back(QString::fromStdString(label));
        }
        choice.paths = std::move(outcome.choicePaths);
        return choice;
    }
    Show(outcome.message);
    return std::nullopt;
}

void ConnectionDriver::ConnectTo(const std::string& path) {
    if (context_.controller().online()) {
        return;
    }
    const Status status = context_.host().Connect({host::HostLink::Kind::UsbPath, path, {}});
    Refresh();
    if (!status.ok()) {
        Show(ConnectFailedMessage());
    }
}

ConnectionDriver::DeviceChoice ConnectionDriver::FreeProcessors() {
    DeviceChoice choice;
    choice.paths = context_.controller().FreeProcessors();
    for (std::size_t i = 0; i < choice.paths.size(); ++i) {
        choice.labels.push_back(QString::fromStdString(UsbChoiceLabel(i)));
    }
    return choice;
}

bool ConnectionDriver::MaySwitch() const {
    return !context_.controller().updating() && !context_.busy;
}

void ConnectionDriver::SwitchToUsb(const std::string& path) {
    if (!MaySwitch()) {
        return;
    }
    Disconnect();
    ConnectTo(path);
}

void ConnectionDriver::SwitchToStream(const StreamAddress& address) {
    SwitchToLink({host::HostLink::Kind::Stream, {}, address},
                 address.kind == StreamAddress::Kind::Tcp ? LinkKind::Tcp : LinkKind::Serial);
}

void ConnectionDriver::SwitchToDemo() {
    // Reached like a processor on USB, so a failure reads as one.
    SwitchToLink({host::HostLink::Kind::BuiltInSimulated, {}, {}}, LinkKind::Usb);
}

void ConnectionDriver::SwitchToLink(const host::HostLink& link, LinkKind kind) {
    if (!MaySwitch()) {
        return;
    }
    Disconnect();
    const Status status = context_.host().Connect(link);
    Refresh();
    if (!status.ok()) {
        UserMessage message = ConnectionFailureMessage(kind);
        message.detail = status.message().In(UiLanguage::English);
        Show(message);
    }
}

void ConnectionDriver::Disconnect() {
    context_.controller().Disconnect();
    Refresh();
}

void ConnectionDriver::StartHotPlugPolling(int intervalMs) {
    hotPlugTimer_.start(intervalMs);
}

void ConnectionDriver::PollDevices() {
    const bool wasOnline = online_;
    auto message = context_.controller().PollDevices();
    EndStrandedUpdate();
    Refresh();
    if (wasOnline && !online_ && message) {
        emit DeviceRemoved();  // the windows over the processor close before the message
    }
    Show(message);
}

void ConnectionDriver::NoteBulkTransfer() {
    Refresh();
    auto& bulk = context_.controller().bulk();
    if (bulk.bulkBusy) {
        batchDoneTimer_.stop();  // an earlier batch's delay must not end this one
        emit BulkTransferStarted(bulk.progressCount());
    }
}

void ConnectionDriver::HandleNotice(const Notice& notice) {
    (void)context_.host().Handle(notice);
}

void ConnectionDriver::Follow(const Notice& notice, const NoticeOutcome& outcome) {
    const auto& message = outcome.message;
    if (outcome.batchEnded) {
        batchDoneTimer_.start(context_.timing().batchDoneDelayMs);
    }
    Refresh();
    if (notice.id == NoticeId::VersionReceived) {
        emit VersionArrived();
    }
    emit NoticeHandled(notice);
    if (outcome.updateEnd != UpdateEnd::None) {
        if (outcome.updateEnd == UpdateEnd::Succeeded) {
            // The success message is shown while still busy, so the panel stays under it.
            Show(message);
            context_.busy = false;
            emit FirmwareUpdateEnded(true);
        } else {
            context_.busy = false;
            emit FirmwareUpdateEnded(false);
            Show(message);
        }
        return;
    }
    Show(message);
}

void ConnectionDriver::Show(const std::optional<UserMessage>& message) {
    if (message) {
        Present(context_.messages(), context_.language(), *message);
    }
}

void ConnectionDriver::Refresh() {
    auto& controller = context_.controller();
    const bool online = controller.online();
    const bool synchronised = online && controller.synchronised();
    const bool bulkBusy = controller.bulk().bulkBusy;
    if (online != online_) {
        online_ = online;
        emit OnlineChanged(online);
    }
    if (synchronised != synchronised_) {
        synchronised_ = synchronised;
        emit SynchronisedChanged(synchronised);
    }
    if (controller.updating() != updating_) {
        updating_ = controller.updating();
        emit UpdatingChanged(updating_);
    }
    if (bulkBusy && !bulkSeen_) {
        emit BulkTransferStarted(controller.bulk().progressCount());
    }
    bulkSeen_ = bulkBusy;
}

void ConnectionDriver::EndStrandedUpdate() {
    // A processor pulled out during an update (other than its own restart) ends the update
    // together with its link; the removal message says why.
    if (updating_ && !context_.controller().updating()) {
        context_.busy = false;
        emit FirmwareUpdateEnded(false);
    }
}

}  // namespace corva::shell
