// The --screenshot run: waits until start-up is over (with a processor on any link: until its
// full read has finished and the progress window is gone), renders the main view to a PNG and ends
// the event loop with 0, or with 1 and a line on stderr when that fails or takes too long.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "shell/ScreenshotRule.h"

namespace corva::shell {

class MainWindow;

class ScreenshotTaker : public QObject {
    Q_OBJECT

public:
    ScreenshotTaker(MainWindow& window, QString path, ScreenshotWait wait, int timeLimitMs);
    void Begin();

private:
    bool Ready() const;
    void Check();
    void Finish(int exitCode, const QString& error = {});

    MainWindow& window_;
    QString path_;
    ScreenshotWait wait_;
    int timeLimitMs_;
    QTimer check_;
    QTimer limit_;
    bool done_ = false;
};

}  // namespace corva::shell
