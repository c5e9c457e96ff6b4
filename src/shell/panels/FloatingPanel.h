// The frame shared by the settings, save and open panels: a borderless window under its
// top-bar button with a header (title and close button), dragged with the mouse, closing
// itself when it loses the activation unless the program is busy or the panel is held open
// by a question or chooser of its own.
#pragma once

#include <QFrame>

#include "core/UiText.h"

class QVBoxLayout;

namespace corva::shell {

class AppContext;

enum class PanelSlot { Settings = 0, Save = 1, Open = 2 };

enum class DragArea {
    Anywhere,  // a press anywhere on the panel's own surface moves it
    Header,    // only a press in the header does
};

inline constexpr int kPanelWidth = 444;
inline constexpr int kPanelHeight = 250;
inline constexpr int kPanelHeaderHeight = 30;

// Where a panel of `panel` size goes when it would be at `wanted`: moved just enough to lie
// inside the window and then inside the screen (either rectangle may be empty: ignored).
QPoint KeptInside(QPoint wanted, QSize panel, const QRect& window, const QRect& screen);

class FloatingPanel : public QFrame {
    Q_OBJECT

public:
    FloatingPanel(AppContext& context, PanelSlot slot, const UiText& title, DragArea dragArea,
                  QWidget* parent);

    PanelSlot slot() const { return slot_; }

    // Left edges aligned with `anchor`, `gapPx` below it.
    // Under the anchor, moved left or up where needed so the whole panel stays inside the
    // anchor's window and the screen.
    void PlaceUnder(const QWidget* anchor, int gapPx);

    // Keeps the panel open while it exists, though a box or chooser takes the activation.
    class Hold {
    public:
        explicit Hold(FloatingPanel& panel) : panel_{panel} { ++panel_.holds_; }
        ~Hold() { --panel_.holds_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        FloatingPanel& panel_;
    };

signals:
    void CloseRequested(corva::shell::PanelSlot slot);

protected:
    AppContext& context() { return context_; }
    // Where a panel puts its controls (below the header).
    QVBoxLayout* body() { return body_; }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void CloseIfInactive();
    bool KeptOpen() const;

    AppContext& context_;
    const PanelSlot slot_;
    const DragArea dragArea_;
    QVBoxLayout* body_;
    int holds_ = 0;
    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace corva::shell
