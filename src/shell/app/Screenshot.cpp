#include "shell/app/Screenshot.h"

#include <algorithm>
#include <cstdio>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPixmap>

#include "files/SafeFileWriter.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/MainView.h"
#include "shell/app/MainWindow.h"
#include "shell/dialogs/ProgramDialog.h"
#include "shell/dialogs/ProgressWindow.h"
#include "shell/panels/FloatingPanel.h"
#include "shell/panels/PanelHost.h"

namespace corva::shell {
namespace {
constexpr int kCheckIntervalMs = 50;
}

ScreenshotTaker::ScreenshotTaker(MainWindow& window, QString path, ScreenshotWait wait,
                                 int timeLimitMs, std::optional<ScreenshotPanel> panel)
    : window_{window},
      path_{std::move(path)},
      wait_{wait},
      timeLimitMs_{timeLimitMs},
      panel_{panel} {
    check_.setInterval(kCheckIntervalMs);
    connect(&check_, &QTimer::timeout, this, &ScreenshotTaker::Check);
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] {
        Finish(
            1,
            wait_ == ScreenshotWait::Synchronised || window_.view().startupConnected()
                ? QStringLiteral("the processor was not read within %1 s").arg(timeLimitMs_ / 1000)
                : QStringLiteral("start-up did not finish within %1 s").arg(timeLimitMs_ / 1000));
    });
}

void ScreenshotTaker::Begin() {
    check_.start();
    limit_.start(timeLimitMs_);
}

bool ScreenshotTaker::Ready() const {
    MainView& view = window_.view();
    const ConnectionDriver& connection = view.connection();
    return ScreenshotReady(
        wait_, ScreenshotScene{view.startupDone(), view.startupConnected(), connection.online(),
                               connection.synchronised(), view.progress().running()});
}

void ScreenshotTaker::Check() {
    if (!done_ && Ready()) {
        if (panel_ && !opened_) {
            // Opened now and drawn at the next check, once it has been laid out and shown.
            opened_ = window_.OpenForScreenshot(*panel_);
            if (opened_ == nullptr) {
                Finish(1, QStringLiteral("cannot open the window to draw for %1").arg(path_));
            }
            return;
        }
        const QPixmap picture = Picture();
        // Encoded in memory and written by the program's safe writer: a failed write leaves
        // an older screenshot as it was.
        QByteArray png;
        QBuffer buffer(&png);
        if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) ||
            !picture.save(&buffer, "PNG")) {
            Finish(1, QStringLiteral("cannot draw the screenshot for %1").arg(path_));
            return;
        }
        const std::string_view bytes(png.constData(), static_cast<std::size_t>(png.size()));
        const Status written = WriteFileSafely(QFile::encodeName(path_).toStdString(), bytes);
        if (!written.ok()) {
            Finish(1, QStringLiteral("cannot write the screenshot to %1 (%2)")
                          .arg(path_,
                               QString::fromStdString(written.message().In(UiLanguage::English))));
            return;
        }
        Finish(0);
    }
}

QPixmap ScreenshotTaker::Picture() const {
    QWidget& view = window_.view();
    QPixmap picture = view.grab();
    if (opened_ == nullptr || picture.isNull()) {
        return picture;
    }
    // The window is drawn where it stands over the view, kept inside the picture, with a
    // frame line in place of the system's title bar.
    const QPixmap panel = opened_->grab();
    QPoint at = opened_->geometry().topLeft() - view.mapToGlobal(QPoint(0, 0));
    at.setX(std::clamp(at.x(), 0, std::max(0, picture.width() - panel.width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, picture.height() - panel.height())));
    QPainter painter(&picture);
    painter.drawPixmap(at, panel);
    painter.setPen(QColor(90, 96, 130));
    painter.drawRect(QRect(at, panel.size()).adjusted(-1, -1, 0, 0));
    return picture;
}

void ScreenshotTaker::Finish(int exitCode, const QString& error) {
    if (done_) {
        return;
    }
    done_ = true;
    check_.stop();
    limit_.stop();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "corva-dsp: %s\n", error.toLocal8Bit().constData());
    }
    QCoreApplication::exit(exitCode);
}

}  // namespace corva::shell
