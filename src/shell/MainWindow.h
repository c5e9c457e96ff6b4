// The program's one window: no caption and no border, the main view inside, 1284 × 722 once
// the full layout is shown, centred in the screen's work area, with only the rectangle
// inset by 2 pixels visible.
#pragma once

#include <QWidget>

namespace corva::shell {

class AppContext;
class MainView;

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

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceCentred(QSize size);

    AppContext& context_;
    MainView* view_;
    bool fullLayout_ = false;
};

}  // namespace corva::shell
