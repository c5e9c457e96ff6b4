// The list of safety copies (time, reason, preset name), newest first, complete copies among
// them. Restoring a copy of the live tuning asks first, keeps a copy of the live tuning, then
// loads and sends the chosen one; a complete copy replaces all 15 stored presets and goes back
// as a complete file does, after its own question.
#pragma once

#include <QDialog>

#include "commands/TuningSnapshots.h"

class QTableWidget;

namespace corva::shell {

class AppContext;
class TuningFileActions;

class SnapshotsDialog : public QDialog {
    Q_OBJECT

public:
    SnapshotsDialog(AppContext& context, TuningSnapshots& snapshots, TuningFileActions& files,
                    QWidget* parent);

    QTableWidget* table() { return table_; }
    // Restores the snapshot in row `row` after the question and closes the dialog (accepted);
    // false when declined or failed. A complete copy's presets follow once they are read.
    bool RestoreRow(int row);

private:
    void Fill();
    bool RestoreLive(const SnapshotInfo& copy);
    // The failure's text with why below it, under the platform's error icon.
    void ShowFailure(const UiText& failure, const UiText& why);

    AppContext& context_;
    TuningSnapshots& snapshots_;
    TuningFileActions& files_;
    std::vector<SnapshotInfo> list_;
    QTableWidget* table_;
};

}  // namespace corva::shell
