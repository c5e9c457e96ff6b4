#include "shell/app/MainWindow.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QGuiApplication>
#include <QScreen>

#include "controls/LockButton.h"
#include "pages/ChannelSettingsDialog.h"
#include "pages/DelayPanel.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/HistoryControls.h"
#include "shell/app/MainView.h"
#include "shell/app/PageArea.h"
#include "shell/app/SettingsStore.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/ShellTexts.h"
#include "shell/app/TopBar.h"
#include "shell/app/WindowPlacement.h"
#include "shell/dialogs/LockCommand.h"
#include "shell/dialogs/PasswordDialog.h"
#include "shell/dialogs/ProgramDialog.h"
#include "shell/dialogs/ReportWindow.h"
#include "shell/panels/PanelHost.h"
#include "shell/tools/AlignDialog.h"
#include "shell/tools/AutoEqDialog.h"
#include "shell/tools/ImportFiltersDialog.h"
#include "shell/tools/MeasureWindow.h"

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
    setMouseTracking(true);  // the border's cursor shows where a drag resizes
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kResizeBorderPx, kResizeBorderPx, kResizeBorderPx,
                               kResizeBorderPx);
    layout->addWidget(view_);
    setMinimumSize(kMinimumWindowSize);
    connect(view_, &MainView::CloseRequested, this, &QWidget::close);
    connect(view_, &MainView::MinimiseRequested, this, &QWidget::showMinimized);
    // A screen that shrinks or goes away: the window comes back inside what is left.
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, &MainWindow::KeepOnScreen);
    };
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    connect(qApp, &QGuiApplication::screenAdded, this, watch);
    connect(qApp, &QGuiApplication::screenRemoved, this, [this] {
        QTimer::singleShot(0, this, &MainWindow::KeepOnScreen);
    });
    SwitchToFullLayout();
    connect(&view_->connection(), &ConnectionDriver::DeviceRemoved, this,
            &MainWindow::CloseSubWindows);
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
    wire(MoreCommand::Measure, [this] { OpenMeasure(); });
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

MeasureWindow* MainWindow::OpenMeasure() {
    if (!measure_) {
        // Kept when closed: its results stay until the next run.
        measure_ = new MeasureWindow(context_, view().pageArea().page(), view_->connection(), this);
        measure_->adjustSize();
        const QRect frame = geometry();
        const QSize size = measure_->size().boundedTo(frame.size());
        measure_->move(frame.left() + (frame.width() - size.width()) / 2,
                       frame.bottom() - size.height() - 8);
    }
    measure_->show();
    measure_->raise();
    measure_->activateWindow();
    return measure_;
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

void MainWindow::CloseSubWindows() {
    // Each open window over this one with its depth below it, so inner windows close first.
    std::vector<std::pair<int, QPointer<QWidget>>> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget == this || !widget->isVisible()) {
            continue;
        }
        int depth = 0;
        for (QWidget* above = widget->parentWidget(); above != nullptr;
             above = above->parentWidget()) {
            ++depth;
            if (above == this) {
                open.emplace_back(depth, widget);
                break;
            }
        }
    }
    std::stable_sort(open.begin(), open.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (auto& [depth, widget] : open) {
        if (auto* dialog = qobject_cast<QDialog*>(widget.data())) {
            dialog->reject();  // ends a dialog's own event loop too
        } else if (widget) {
            widget->close();
        }
    }
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
        case ScreenshotPanel::Settings:
            return &view_->pageArea().page().OpenChannelSettings();
        case ScreenshotPanel::Password:
            break;
    }
    return lock_->Run();
}

void MainWindow::SwitchToFullLayout() {
    view_->UseFullLayout();
    PlaceOnScreen();
    fullLayout_ = true;
}

namespace {

QList<QRect> WorkAreas() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        areas << primary->availableGeometry();  // a first start opens here
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) {
            areas << screen->availableGeometry();
        }
    }
    return areas;
}

}  // namespace

void MainWindow::PlaceOnScreen() {
    const SettingsStore& settings = context_.settings();
    setGeometry(OpeningRect(settings.WindowRect(), kPreferredWindowSize, minimumSize(),
                            WorkAreas()));
    if (settings.WindowMaximised()) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::KeepOnScreen() {
    if (isMaximized() || isFullScreen()) {
        return;  // the platform fits these to the screen itself
    }
    const QRect kept = OpeningRect(geometry(), size(), minimumSize(), WorkAreas());
    if (kept != geometry()) {
        setGeometry(kept);
    }
}

Qt::Edges MainWindow::EdgesAt(QPoint position) const {
    if (isMaximized()) {
        return {};
    }
    // The corners grab a little more than the border, so they are easy to hit.
    constexpr int kCornerPx = 12;
    Qt::Edges edges;
    const bool nearLeft = position.x() < kCornerPx;
    const bool nearRight = position.x() >= width() - kCornerPx;
    const bool nearTop = position.y() < kCornerPx;
    const bool nearBottom = position.y() >= height() - kCornerPx;
    const bool onVertical = position.x() < kResizeBorderPx || position.x() >= width() - kResizeBorderPx;
    const bool onHorizontal =
        position.y() < kResizeBorderPx || position.y() >= height() - kResizeBorderPx;
    if (onVertical || (onHorizontal && (nearLeft || nearRight))) {
        edges |= nearLeft ? Qt::LeftEdge : nearRight ? Qt::RightEdge : Qt::Edges{};
    }
    if (onHorizontal || (onVertical && (nearTop || nearBottom))) {
        edges |= nearTop ? Qt::TopEdge : nearBottom ? Qt::BottomEdge : Qt::Edges{};
    }
    return edges;
}

namespace {

Qt::CursorShape CursorFor(Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = edges == (Qt::LeftEdge | Qt::TopEdge) ||
                             edges == (Qt::RightEdge | Qt::BottomEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal) {
        return Qt::SizeHorCursor;
    }
    return vertical ? Qt::SizeVerCursor : Qt::ArrowCursor;
}

}  // namespace

void MainWindow::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges edges = EdgesAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || edges == Qt::Edges{}) {
        QWidget::mousePressEvent(event);
        return;
    }
    QWindow* handle = windowHandle();
    if (handle != nullptr && handle->startSystemResize(edges)) {
        return;
    }
    resizing_ = edges;
    resizeStart_ = geometry();
    resizePressGlobal_ = event->globalPosition().toPoint();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (resizing_ == Qt::Edges{}) {
        setCursor(CursorFor(EdgesAt(event->position().toPoint())));
        return;
    }
    const QPoint moved = event->globalPosition().toPoint() - resizePressGlobal_;
    QRect rect = resizeStart_;
    const QSize least = minimumSize();
    if (resizing_ & Qt::LeftEdge) {
        rect.setLeft(std::min(rect.left() + moved.x(), rect.right() + 1 - least.width()));
    }
    if (resizing_ & Qt::RightEdge) {
        rect.setRight(std::max(rect.right() + moved.x(), rect.left() + least.width() - 1));
    }
    if (resizing_ & Qt::TopEdge) {
        rect.setTop(std::min(rect.top() + moved.y(), rect.bottom() + 1 - least.height()));
    }
    if (resizing_ & Qt::BottomEdge) {
        rect.setBottom(std::max(rect.bottom() + moved.y(), rect.top() + least.height() - 1));
    }
    setGeometry(rect);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    resizing_ = {};
    QWidget::mouseReleaseEvent(event);
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour::kLine);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // However the close was asked for, nothing closes while an update or reset is under way.
    if (!view_->PrepareToClose()) {
        event->ignore();
        return;
    }
    context_.settings().PutWindowPlace(normalGeometry(), isMaximized());
    event->accept();
}

}  // namespace corva::shell
