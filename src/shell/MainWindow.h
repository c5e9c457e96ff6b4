// The program's one window: no caption and no border, the main view inside, 1284 × 722 once
// the full layout is shown, centred in the screen's work area, with only the rectangle
// inset by 2 pixels visible.
#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/ScreenshotPanel.h"

namespace corva::shell {

class AlignDialog;
class AppContext;
class AutoEqDialog;
class ImportFiltersDialog;
class LockCommand;
class MainView;
class ReportWindow;

inline constexpr QSize kCompactWindowSize{820, 543};
inline constexpr QSize kFullWindowSize{1284, 722};
inline constexpr int kVisibleInsetPx = 2;

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
    // Opens a window for a --screenshot run and returns it.
    QWidget* OpenForScreenshot(ScreenshotPanel panel);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceCentred(QSize size);
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
    bool fullLayout_ = false;
};

}  // namespace corva::shell
