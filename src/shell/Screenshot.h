// The --screenshot run: waits until start-up is over (with a processor on any link: until its
// full read has finished and the progress window is gone), opens a panel or dialog when asked,
// renders the main view (with that panel over it) to a PNG and ends
// the event loop with 0, or with 1 and a line on stderr when that fails or takes too long.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "shell/AppOptions.h"
#include "shell/ScreenshotRule.h"

namespace corva::shell {

class MainWindow;

class ScreenshotTaker : public QObject {
    Q_OBJECT

public:
    ScreenshotTaker(MainWindow& window, QString path, ScreenshotWait wait, int timeLimitMs,
                    ScreenshotPanel panel = ScreenshotPanel::None);
    void Begin();

private:
    bool Ready() const;
    void Check();
    void Finish(int exitCode, const QString& error = {});
    // Opens the asked-for panel or dialog; it is drawn over the view at the next check.
    void OpenPanel();
    QPixmap Picture() const;

    MainWindow& window_;
    QString path_;
    ScreenshotWait wait_;
    ScreenshotPanel panel_;
    QPointer<QWidget> opened_;
    int timeLimitMs_;
    QTimer check_;
    QTimer limit_;
    bool done_ = false;
};

}  // namespace corva::shell
