#include "shell/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "controls/LockButton.h"
#include "pages/DelayPanel.h"
#include "pages/FullInterfacePage.h"
#include "shell/AlignDialog.h"
#include "shell/AppContext.h"
#include "shell/AutoEqDialog.h"
#include "shell/HistoryControls.h"
#include "shell/ImportFiltersDialog.h"
#include "shell/LockCommand.h"
#include "shell/MainView.h"
#include "shell/PageArea.h"
#include "shell/PanelHost.h"
#include "shell/ProgramDialog.h"
#include "shell/PasswordDialog.h"
#include "shell/ReportWindow.h"
#include "shell/ShellStyle.h"
#include "shell/ShellTexts.h"
#include "shell/TopBar.h"

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
    WireLockAndReport();
    WireMeasurementTools();
}

void MainWindow::WireMeasurementTools() {
    TopBar& bar = view_->topBar();
    const auto wire = [&bar, this](MoreCommand command, auto open) {
        QAction* entry = bar.moreAction(command);
        entry->setEnabled(true);
        connect(entry, &QAction::triggered, this, open);
    };
    wire(MoreCommand::ImportFilters, [this] { OpenImportFilters(); });
    wire(MoreCommand::AutoEq, [this] { OpenAutoEq(); });
    wire(MoreCommand::AlignDistances, [this] { OpenAlign(); });
    wire(MoreCommand::Snapshots, [this] { view_->history().ShowSnapshots(); });
}

template <class Dialog>
Dialog* MainWindow::OpenTool(QPointer<Dialog>& dialog) {
    if (!dialog) {
        dialog = new Dialog(context_, view().pageArea().page(), this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

AutoEqDialog* MainWindow::OpenAutoEq() {
    return OpenTool(autoEq_);
}

ImportFiltersDialog* MainWindow::OpenImportFilters() {
    return OpenTool(importFilters_);
}

AlignDialog* MainWindow::OpenAlign() {
    return OpenTool(align_);
}

void MainWindow::WireLockAndReport() {
    TopBar& bar = view_->topBar();
    lock_ = new LockCommand(context_, view_->connection(), this);
    bar.SetLocked(lock_->tuningProtected());
    connect(lock_, &LockCommand::ProtectionChanged, &bar, &TopBar::SetLocked);
    connect(bar.lockButton(), &QAbstractButton::clicked, lock_, [this] { lock_->Run(); });
    QAction* protect = bar.moreAction(MoreCommand::ProtectUnlock);
    protect->setEnabled(true);
    connect(protect, &QAction::triggered, lock_, [this] { lock_->Run(); });
    QAction* report = bar.moreAction(MoreCommand::ParameterReport);
    report->setEnabled(true);
    connect(report, &QAction::triggered, this, [this] { OpenReport(); });
}

ReportWindow* MainWindow::OpenReport() {
    // The delay page's unit setting picks the table's delay texts (its centimetres setting
    // prints inches there, as the table has always done).
    auto* report =
        new ReportWindow(context_, view().pageArea().page().delayPanel().unit(), this);
    report->open();
    return report;
}

QWidget* MainWindow::OpenForScreenshot(ScreenshotPanel panel) {
    switch (panel) {
        case ScreenshotPanel::Report:
            return OpenReport();
        case ScreenshotPanel::Save:
            view_->ShowPanel(PanelSlot::Save);
            return view_->panels().panel(PanelSlot::Save);
        case ScreenshotPanel::Open:
            view_->ShowPanel(PanelSlot::Open);
            return view_->panels().panel(PanelSlot::Open);
        case ScreenshotPanel::Program:
            return view_->OpenProgramDialog();
        case ScreenshotPanel::Password:
            break;
    }
    return lock_->Run();
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
