// One firmware update as the Upgrade page starts it: checks the path, loads the file, waits
// (without blocking the window) for a processor on USB, and hands the image to the
// connection. The update's progress and end arrive through the notice poster and the
// connection driver afterwards.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "core/UiText.h"
#include "firmware/FirmwareFile.h"

namespace corva::shell {

class AppContext;
class ConnectionDriver;

class FirmwareUpdateRunner : public QObject {
    Q_OBJECT

public:
    FirmwareUpdateRunner(AppContext& context, ConnectionDriver& connection,
                         QObject* parent = nullptr);
    ~FirmwareUpdateRunner() override;

    // The Update button, with the path shown in the page's field.
    void Start(const QString& path);
    bool waitingForProcessor() const { return waitTimer_.isActive(); }

signals:
    // The update runs; the bar counts `plannedSteps`.
    void Started(int plannedSteps);
    // Nothing was started; `storedName` is the firmware file the settings now remember.
    void NotStarted(QString storedName);
    // A status line of the runner's own ("Connected Usb" while waiting for the processor).
    void StatusChanged(corva::UiText status);

private:
    bool ProcessorPresent();
    void WaitTick();
    void Launch();
    void GiveUp(const QString& message, bool timed);

    AppContext& context_;
    ConnectionDriver& connection_;
    FirmwareImage image_;
    QTimer waitTimer_;
    QElapsedTimer waited_;
};

}  // namespace corva::shell
