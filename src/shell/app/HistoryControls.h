// Undo and redo, the A/B comparison and the safety copies in the window: a row of buttons
// (undo, redo, Keep A, Keep B, A/B with the live slot; the snapshots list opens from the More
// menu) and the Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z shortcuts. Undo and redo are enabled only when there is a
// step, and their tooltips name it; a timed notice says when a new read of the processor has
// cleared the steps. A drag, a pulled fader or a held key is one step: the control opens and
// closes it through the edit API.
#pragma once

#include <QWidget>

#include "commands/AbCompare.h"
#include "commands/TuningSnapshots.h"
#include "model/TuningHistory.h"


namespace corva::controls {
class FlatButton;
}

namespace corva::shell {

class AppContext;
class ConnectionDriver;
class TuningFileActions;

class HistoryControls : public QWidget {
    Q_OBJECT

public:
    // The shortcuts act anywhere in `window`; the connection shows the progress of a switch;
    // complete copies are restored through the main view's file commands.
    HistoryControls(AppContext& context, ConnectionDriver& connection, TuningFileActions& files,
                    QWidget* window, QWidget* parent);

    void Undo();
    void Redo();
    void Keep(AbSlot slot);
    void SwitchAb();
    void ShowSnapshots();
    // Enables the buttons and sets their tooltips and the live-slot text from the session.
    void Refresh();

    controls::FlatButton* undoButton() { return undo_; }
    controls::FlatButton* redoButton() { return redo_; }
    controls::FlatButton* switchButton() { return switch_; }
    TuningSnapshots& snapshots() { return snapshots_; }

private:
    AppContext& context_;
    ConnectionDriver& connection_;
    TuningFileActions& files_;
    TuningHistory history_;
    TuningSnapshots snapshots_;
    AbCompare ab_;
    controls::FlatButton* undo_;
    controls::FlatButton* redo_;
    controls::FlatButton* keepA_;
    controls::FlatButton* keepB_;
    controls::FlatButton* switch_;
    int readsSeen_ = 0;  // reads that cleared steps, already told
};

}  // namespace corva::shell
