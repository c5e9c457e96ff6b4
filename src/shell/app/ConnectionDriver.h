// The window's side of the connection, on the GUI thread: the start-up connection, the
// connect button and its device choice, the links picked in the connection chooser, hot-plug
// polling, the worker's notices and the messages they produce, the delayed end of a bulk
// transfer, and the state changes the window follows (online, synchronised, a bulk transfer
// starting, a firmware update ending).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QStringList>
#include <QTimer>

#include "host/EngineHost.h"
#include "protocol/Notice.h"
#include "protocol/links/StreamAddress.h"
#include "transfer/ConnectionController.h"
#include "transfer/ConnectionMessages.h"

namespace corva::shell {

class AppContext;

class ConnectionDriver : public QObject {
    Q_OBJECT

public:
    explicit ConnectionDriver(AppContext& context, QObject* parent = nullptr);
    ~ConnectionDriver() override;

    // The first processor found, silently when there is none.
    void StartupConnect();

    // The connect button. When several processors are free it connects to none of them and
    // returns their labels ("USB 1", "USB 2", ...) and paths for the user to choose from.
    struct DeviceChoice {
        QStringList labels;
        std::vector<std::string> paths;
    };
    std::optional<DeviceChoice> Toggle();
    // A device chosen from the list.
    void ConnectTo(const std::string& path);
    // The connection chooser's USB entries: the free processors, labelled like the above.
    DeviceChoice FreeProcessors();
    // A link picked in the connection chooser: an open connection is closed first, then the
    // chosen link is opened; a failure is shown.
    void SwitchToUsb(const std::string& path);
    void SwitchToStream(const StreamAddress& address);
    // The built-in simulated processor ("Demo processor"), for trying without hardware.
    void SwitchToDemo();
    // Ends the connection without a message (the close button).
    void Disconnect();

    // Hot-plug: arrival connects, removal of the open processor disconnects with a message.
    void StartHotPlugPolling(int intervalMs = 1000);
    void PollDevices();

    // Call after starting a bulk transfer of one's own: the window shows its progress.
    void NoteBulkTransfer();

    // Hands a notice to the controller and shows what it answers (the host delivers them;
    // public so the start-up flow and tests can feed one directly).
    void HandleNotice(const Notice& notice);

    // Compares the connection with what the window last saw and signals the differences;
    // call after driving the controller directly (a firmware update start).
    void Refresh();

    bool online() const { return online_; }
    bool synchronised() const { return synchronised_; }

signals:
    void OnlineChanged(bool online);
    void SynchronisedChanged(bool synchronised);
    void UpdatingChanged(bool updating);
    void VersionArrived();
    void BulkTransferStarted(int frameCount);
    void ProgressMoved(int progressIndex);
    // A firmware update ended: with the completion (true) or a failure (false).
    void FirmwareUpdateEnded(bool succeeded);
    // The processor in use went away (unplugged); its message follows.
    void DeviceRemoved();
    // Every notice, once the controller has handled it (pages refresh from the image here).
    void NoticeHandled(corva::Notice notice);

private:
    // What the window does with a notice the controller has handled.
    void Follow(const Notice& notice, const NoticeOutcome& outcome);
    void Show(const std::optional<UserMessage>& message);
    // False while a firmware update or another long task owns the link.
    bool MaySwitch() const;
    // Replaces the open connection by `link`; a failure is shown as a connection failure of
    // that kind.
    void SwitchToLink(const host::HostLink& link, LinkKind kind);
    void EndStrandedUpdate();

    AppContext& context_;
    QTimer hotPlugTimer_;
    QTimer batchDoneTimer_;
    bool online_ = false;
    bool synchronised_ = false;
    bool updating_ = false;
    bool bulkSeen_ = false;
};

}  // namespace corva::shell
