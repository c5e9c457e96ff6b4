// The Upgrade page of the settings panel: the firmware file's path, Browse, Update, the
// update's progress bar and its status line.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;

namespace corva::controls {
class FlatButton;
}

namespace corva::shell {

class AppContext;
class ComposedText;
class ConnectionDriver;
class FirmwareUpdateRunner;
class FloatingPanel;

class UpgradePage : public QWidget {
    Q_OBJECT

public:
    UpgradePage(AppContext& context, ConnectionDriver& connection, FloatingPanel& panel,
                QWidget* parent = nullptr);

    QLineEdit* pathField() { return path_; }
    controls::FlatButton* browseButton() { return browse_; }
    controls::FlatButton* updateButton() { return update_; }
    QProgressBar* progressBar() { return bar_; }
    QLabel* statusLine() { return status_; }

signals:
    // The update runs (false) or has ended (true): the panel's page buttons follow.
    void ControlsEnabled(bool enabled);

private:
    void Browse();
    void SetControlsEnabled(bool enabled);

    AppContext& context_;
    FloatingPanel& panel_;
    FirmwareUpdateRunner* runner_;
    QLineEdit* path_;
    controls::FlatButton* browse_;
    controls::FlatButton* update_;
    QProgressBar* bar_;
    QLabel* status_;
    ComposedText* statusText_;  // in the language of the moment
};

}  // namespace corva::shell
