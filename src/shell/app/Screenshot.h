// The --screenshot run: waits until start-up is over (with a processor on any link: until its
// full read has finished and the progress window is gone), opens the chosen window over it if
// one was asked for, renders the main view (with that window) to a PNG and ends
// the event loop with 0, or with 1 and a line on stderr when that fails or takes too long.
#pragma once

#include <optional>

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "shell/app/ScreenshotPanel.h"
#include "shell/app/ScreenshotRule.h"

namespace corva::shell {

class MainWindow;

class ScreenshotTaker : public QObject {
    Q_OBJECT

public:
    ScreenshotTaker(MainWindow& window, QString path, ScreenshotWait wait, int timeLimitMs,
                    std::optional<ScreenshotPanel> panel = std::nullopt);
    void Begin();

private:
    bool Ready() const;
    void Check();
    void Finish(int exitCode, const QString& error = {});
    QPixmap Picture() const;

    MainWindow& window_;
    QString path_;
    ScreenshotWait wait_;
    int timeLimitMs_;
    std::optional<ScreenshotPanel> panel_;
    QPointer<QWidget> opened_;  // the panel's window, once open
    QTimer check_;
    QTimer limit_;
    bool done_ = false;
};

}  // namespace corva::shell
