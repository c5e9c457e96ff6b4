// The program's one window: no caption, the main view inside a thin border that resizes it.
// The top bar moves it and maximises it on a double click; it opens where it was left (kept on
// a screen that still exists, inside its work area) and never gets smaller than a 1280 × 720
// work area can hold.
#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/app/ScreenshotPanel.h"

namespace corva::shell {

class AlignDialog;
class AppContext;
class AutoEqDialog;
class ImportFiltersDialog;
class LockCommand;
class MainView;
class MeasureWindow;
class ReportWindow;

// The smallest window: fits the work area of a 1280 × 720 screen.
inline constexpr QSize kMinimumWindowSize{1280, 720};
// The first start's size (limited to the work area).
inline constexpr QSize kPreferredWindowSize{1440, 810};
// The border around the view that resizes the window.
inline constexpr int kResizeBorderPx = 3;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context);

    MainView& view() { return *view_; }
    void SwitchToFullLayout();
    bool fullLayout() const { return fullLayout_; }

    // The lock command (the top bar's lock button and the "More" menu's entry).
    LockCommand& lockCommand() { return *lock_; }
    // The "More" menu's report entry: the report window, modal over this window.
    ReportWindow* OpenReport();
    // The measurement tools of the "More" menu, one window each, opened or brought forward.
    AutoEqDialog* OpenAutoEq();
    ImportFiltersDialog* OpenImportFilters();
    AlignDialog* OpenAlign();
    // Closes every window opened over this one (dialogs, tools, panels), the innermost first:
    // an unplugged processor leaves nothing open that would act on it.
    void CloseSubWindows();
    // "Measure...": the measurement window, over the lower part of this window at first.
    MeasureWindow* OpenMeasure();
    // Opens a window for a --screenshot run and returns it.
    QWidget* OpenForScreenshot(ScreenshotPanel panel);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The remembered place, or the preferred size centred, kept inside a work area.
    void PlaceOnScreen();
    // Brings the window back inside the work areas after a screen shrank or went away.
    void KeepOnScreen();
    Qt::Edges EdgesAt(QPoint position) const;
    void WireLockAndReport();
    void WireMeasurementTools();
    template <class Dialog>
    Dialog* OpenTool(QPointer<Dialog>& dialog);

    AppContext& context_;
    MainView* view_;
    LockCommand* lock_ = nullptr;
    QPointer<AutoEqDialog> autoEq_;
    QPointer<ImportFiltersDialog> importFilters_;
    QPointer<AlignDialog> align_;
    QPointer<MeasureWindow> measure_;
    bool fullLayout_ = false;
    // A resize by hand where the platform does not resize frameless windows itself.
    Qt::Edges resizing_;
    QRect resizeStart_;
    QPoint resizePressGlobal_;
};

}  // namespace corva::shell
