#include "shell/Screenshot.h"

#include <cstdio>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPixmap>

#include "files/SafeFileWriter.h"
#include "shell/ConnectionDriver.h"
#include "shell/FloatingPanel.h"
#include "shell/MainView.h"
#include "shell/MainWindow.h"
#include "shell/PanelHost.h"
#include "shell/ProgramDialog.h"
#include "shell/ProgressWindow.h"

namespace corva::shell {
namespace {
constexpr int kCheckIntervalMs = 50;
}

ScreenshotTaker::ScreenshotTaker(MainWindow& window, QString path, ScreenshotWait wait,
                                 int timeLimitMs, ScreenshotPanel panel)
    : window_{window},
      path_{std::move(path)},
      wait_{wait},
      panel_{panel},
      timeLimitMs_{timeLimitMs} {
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
        if (panel_ != ScreenshotPanel::None && !opened_) {
            OpenPanel();
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
                          .arg(path_, QString::fromStdString(written.message().english)));
            return;
        }
        Finish(0);
    }
}

void ScreenshotTaker::OpenPanel() {
    MainView& view = window_.view();
    switch (panel_) {
        case ScreenshotPanel::Save:
            view.ShowPanel(PanelSlot::Save);
            opened_ = view.panels().panel(PanelSlot::Save);
            break;
        case ScreenshotPanel::Open:
            view.ShowPanel(PanelSlot::Open);
            opened_ = view.panels().panel(PanelSlot::Open);
            break;
        case ScreenshotPanel::Program:
            opened_ = view.OpenProgramDialog();
            break;
        case ScreenshotPanel::None:
            break;
    }
}

QPixmap ScreenshotTaker::Picture() const {
    QWidget& view = window_.view();
    QPixmap picture = view.grab();
    if (opened_ && !picture.isNull()) {
        // The panel is a window of its own: drawn where it stands over the view.
        QPainter painter(&picture);
        painter.drawPixmap(opened_->mapToGlobal(QPoint(0, 0)) - view.mapToGlobal(QPoint(0, 0)),
                           opened_->grab());
    }
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
