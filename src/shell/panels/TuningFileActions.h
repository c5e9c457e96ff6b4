// The main view's file commands, with their file dialogs and messages: storing all presets of
// the processor into a complete file (written once their blocks have arrived), recalling all
// presets from one, music files and mode files. The save panel, the Program dialog and the
// "More" menu share one of these, so a store-all started anywhere ends in the same file.
#pragma once

#include <optional>
#include <string>

#include <QObject>
#include <QString>

#include "commands/DocumentFileIo.h"
#include "commands/PresetFileCommands.h"
#include "commands/TuningSnapshots.h"
#include "files/ModeFile.h"
#include "protocol/Notice.h"

class QWidget;

namespace corva::shell {

class AppContext;
class ConnectionDriver;

class TuningFileActions : public QObject {
    Q_OBJECT

public:
    TuningFileActions(AppContext& context, ConnectionDriver& connection, QObject* parent);

    PresetFileCommands& presetFiles() { return presetFiles_; }

    // Each asks for a path with a file dialog over `dialogParent`; a cancelled dialog changes
    // nothing and returns false. Failures are shown.
    // The reads of every stored preset are queued; the file follows when they have arrived.
    bool StoreAllPresets(QWidget* dialogParent);
    // "Recall all data from PC": as opening a complete file from the open panel.
    bool RecallAllPresets(QWidget* dialogParent);
    bool StoreMusicFile(QWidget* dialogParent);
    bool LoadMusicFile(QWidget* dialogParent);
    // The open panel's file, chosen already. A single file is loaded after a safety copy of
    // the live tuning. A complete file replaces every stored preset: the user is asked first
    // (how many named presets go), then all presets are read and kept as one complete copy,
    // and the file follows once they have arrived. Offline both load into the program only.
    // True when the file was loaded or its load is under way.
    bool OpenPresetFile(const QString& chosen);
    // The Snapshots dialog's restore of a complete copy: as a complete file from the open
    // panel (asked first, a complete copy of what it replaces kept first, never making room by
    // removing the copy itself), so every stored preset comes back.
    bool RestoreCompleteCopy(const SnapshotInfo& copy);
    bool SaveModeFile(QWidget* dialogParent);
    bool OpenModeFile(QWidget* dialogParent);

    // Shows a preset-file command's message under its caption (the window title unless it
    // has one of its own) and the progress of what it queued.
    void Report(const PresetFileOutcome& outcome);
    void ShowMessage(const UserMessage& message);
    // Says how many values of a loaded file were outside their limits (nothing for none).
    void ShowLimitedValues(int count);

    // A mode file waits for the processor's listening-position table.
    bool modeFilePending() const { return pendingMode_.has_value(); }

    // A complete file waits for the stored presets its safety copy needs.
    bool completeOpenPending() const { return pendingOpen_.has_value(); }

private:
    enum class CompleteOpen { Panel, RecallAll, RestoreCopy };
    struct PendingOpen {
        std::string path;
        CompleteOpen kind;
    };
    // `action` names what replaces the presets in the question ("Opening name.qvma").
    bool OpenCompleteFile(const PendingOpen& open, const UiText& action);
    void FinishCompleteOpen(const PendingOpen& open);
    PresetFileOutcome LoadComplete(const PendingOpen& open);
    void FollowNotice(const Notice& notice);
    std::string LocalPath(const QString& chosen) const;
    // A music or mode file: the path is asked with the save or open dialog in the data folder
    // (empty when cancelled); a store writes there, showing its failure; a file that cannot be
    // read is shown with the reason.
    using DocumentStore = DocumentStoreResult (*)(TuningSession&, const std::string&);
    QString ChooseDocument(QWidget* dialogParent, bool save, const UiText& caption,
                           const QString& filter);
    bool StoreDocument(QWidget* dialogParent, const UiText& caption, const QString& filter,
                       DocumentStore store);
    void ShowUnreadable(const Status& status, const QString& chosen);

    AppContext& context_;
    ConnectionDriver& connection_;
    PresetFileCommands presetFiles_;
    std::optional<ModeFileContent> pendingMode_;
    std::optional<PendingOpen> pendingOpen_;
};

}  // namespace corva::shell
