// The bar across the top of the main view: the program's name, the connect button with the
// link chooser and the connection state, the "More" menu, the settings, save and open buttons,
// minimise and close. Dragging the bar moves the window; a double click maximises it or puts
// it back.
#pragma once

#include <optional>

#include <QWidget>

class QLabel;
class QMenu;

namespace corva::controls {
class ConnectButton;
class FlatButton;
class GlyphButton;
class LockButton;
}  // namespace corva::controls

namespace corva::shell {

class Language;

inline constexpr int kTopBarHeight = 57;

enum class ConnectionLook {
    Disconnected,
    Reading,       // connected, the processor's tuning is still being read
    Synchronised,  // connected, the tuning on screen is the processor's
    Updating,      // a firmware update owns the link
};

// The commands of the "More" menu, in menu order.
enum class MoreCommand {
    ProgramDialog,
    MusicFiles,
    ModeFiles,
    ParameterReport,
    ProtectUnlock,
    ImportFilters,
    AutoEq,
    AlignDistances,
    Snapshots,
    Measure,
};

class TopBar : public QWidget {
    Q_OBJECT

public:
    TopBar(Language& language, QWidget* parent);

    void SetConnectionLook(ConnectionLook look);
    ConnectionLook connectionLook() const { return look_; }

    controls::ConnectButton* connectButton() { return connect_; }
    // Opens the menu of links (USB, network, serial) beside the connect button.
    controls::FlatButton* connectionChooserButton() { return chooser_; }
    controls::FlatButton* moreButton() { return more_; }
    // Shows whether the tuning is protected and runs the lock command.
    controls::LockButton* lockButton() { return lock_; }
    void SetLocked(bool locked);
    controls::FlatButton* settingsButton() { return settings_; }
    controls::FlatButton* saveButton() { return save_; }
    controls::FlatButton* openButton() { return open_; }
    controls::GlyphButton* minimiseButton() { return minimise_; }
    controls::GlyphButton* closeButton() { return close_; }
    QMenu* moreMenu() { return moreMenu_; }
    QAction* moreAction(MoreCommand command);
    // Puts the undo, redo and A/B controls in the bar, after the connection state.
    void PlaceHistoryControls(QWidget* controls);
    QString stateText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ApplyConnectionLook();
    void ApplyLockLook();

    Language& language_;
    ConnectionLook look_ = ConnectionLook::Disconnected;
    controls::ConnectButton* connect_;
    controls::FlatButton* chooser_;
    QLabel* state_;
    controls::LockButton* lock_;
    controls::FlatButton* more_;
    controls::FlatButton* settings_;
    controls::FlatButton* save_;
    controls::FlatButton* open_;
    controls::GlyphButton* minimise_;
    controls::GlyphButton* close_;
    QMenu* moreMenu_;
    // A move by hand where the platform does not move frameless windows itself.
    std::optional<QPoint> dragOffset_;
};

}  // namespace corva::shell
