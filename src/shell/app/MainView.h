// The one view the user works in: paints the backdrop, holds the top bar, the page area and
// the progress window, opens the panels, and turns the connection's state into what the
// window shows. The close button's rules live here too.
#pragma once

#include <QWidget>

namespace corva::shell {

class AppContext;
class ConnectionDriver;
class FloatingPanel;
class HistoryControls;
class PageArea;
class PanelHost;
class ProgramDialog;
class ProgressWindow;
class TopBar;
class TuningFileActions;
enum class PanelSlot;

class ConnectionChooser;

class MainView : public QWidget {
    Q_OBJECT

public:
    // `parent` is the main window; the progress window and the panels belong to it.
    MainView(AppContext& context, QWidget* parent);
    ~MainView() override;

    ConnectionDriver& connection() { return *connection_; }
    PanelHost& panels() { return *panels_; }
    TopBar& topBar() { return *topBar_; }
    PageArea& pageArea() { return *pageArea_; }
    ProgressWindow& progress() { return *progress_; }
    ConnectionChooser& connectionChooser() { return *chooser_; }
    TuningFileActions& fileActions() { return *fileActions_; }
    HistoryControls& history() { return *history_; }

    // Closes the panels; the view then fills the window with the full layout.
    void UseFullLayout();

    // The start-up connection request, handled once the window is on screen; hot-plug
    // polling starts with it.
    void StartupConnect();
    bool startupDone() const { return startupDone_; }
    // Whether the start-up connection opened a link (USB, network or serial line).
    bool startupConnected() const { return startupConnected_; }

    // The close button: nothing while busy (an update or a factory reset); otherwise the
    // panels close, the link closes, and true is returned.
    bool PrepareToClose();
    bool busy() const;

    // Opens a panel under its top-bar button (as the buttons do).
    void ShowPanel(PanelSlot slot);
    // Opens the Program dialog, modal over the window ("More" menu).
    ProgramDialog* OpenProgramDialog();

signals:
    void CloseRequested();
    void MinimiseRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnConnectClicked();
    void ShowDeviceChooser(const QStringList& labels, const std::vector<std::string>& paths);
    void FollowConnection();
    FloatingPanel* MakePanel(PanelSlot slot);

    AppContext& context_;
    ConnectionDriver* connection_;
    TopBar* topBar_;
    PageArea* pageArea_;
    PanelHost* panels_;
    ProgressWindow* progress_;  // a window of its own, owned by the main window
    ConnectionChooser* chooser_;
    TuningFileActions* fileActions_;
    HistoryControls* history_;
    bool startupDone_ = false;
    bool startupConnected_ = false;
    bool closing_ = false;
};

}  // namespace corva::shell
