// The list of safety copies (time, reason, preset name), newest first; restoring one asks
// first, keeps a copy of the live tuning, then loads and sends the chosen one.
#pragma once

#include <QDialog>

#include "commands/TuningSnapshots.h"

class QTableWidget;

namespace corva::shell {

class AppContext;

class SnapshotsDialog : public QDialog {
    Q_OBJECT

public:
    SnapshotsDialog(AppContext& context, TuningSnapshots& snapshots, QWidget* parent);

    QTableWidget* table() { return table_; }
    // Restores the snapshot in row `row` after the question and closes the dialog (accepted);
    // false when declined or failed.
    bool RestoreRow(int row);

private:
    void Fill();

    AppContext& context_;
    TuningSnapshots& snapshots_;
    std::vector<SnapshotInfo> list_;
    QTableWidget* table_;
};

}  // namespace corva::shell
