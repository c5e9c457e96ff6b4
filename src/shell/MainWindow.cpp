#include "shell/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "shell/AppContext.h"
#include "shell/MainView.h"
#include "shell/ShellStyle.h"
#include "shell/ShellTexts.h"

namespace corva::shell {

MainWindow::MainWindow(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      context_{context},
      view_{new MainView(context, this)} {
    setObjectName(QStringLiteral("mainWindow"));
    context_.language().Bind(this, text::kWindowTitle,
                             [this](const QString& title) { setWindowTitle(title); });
    setWindowIcon(ProgramIcon());
    setAutoFillBackground(true);
    PlaceCentred(kCompactWindowSize);
    view_->move(kVisibleInsetPx, kVisibleInsetPx);
    connect(view_, &MainView::CloseRequested, this, &QWidget::close);
    connect(view_, &MainView::MinimiseRequested, this, &QWidget::showMinimized);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        // A new display resolution: back to the full size, centred again.
        connect(screen, &QScreen::geometryChanged, this, [this] {
            if (fullLayout_) {
                PlaceCentred(kFullWindowSize);
            }
        });
    }
    SwitchToFullLayout();
}

void MainWindow::SwitchToFullLayout() {
    view_->UseFullLayout();
    PlaceCentred(kFullWindowSize);
    fullLayout_ = true;
}

void MainWindow::PlaceCentred(QSize size) {
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry();
        move(work.center() - QPoint(size.width() / 2, size.height() / 2));
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    setMask(QRegion(
        rect().adjusted(kVisibleInsetPx, kVisibleInsetPx, -kVisibleInsetPx, -kVisibleInsetPx)));
    QWidget::resizeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // However the close was asked for, nothing closes while an update or reset is under way.
    if (!view_->PrepareToClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace corva::shell
