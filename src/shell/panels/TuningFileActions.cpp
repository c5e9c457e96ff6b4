#include "shell/panels/TuningFileActions.h"

#include <QFile>
#include <QFileInfo>

#include "commands/CompleteSnapshots.h"
#include "commands/DocumentFileIo.h"
#include "commands/FileFailureReason.h"
#include "commands/ModeFileCommands.h"
#include "commands/MusicFileCommands.h"
#include "commands/PresetFileMessages.h"
#include "commands/PresetFilePaths.h"
#include "model/OutputBlockLimits.h"
#include "platform/settings/UserDataFolder.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/ShellTexts.h"
#include "shell/panels/FileTexts.h"
#include "shell/panels/ReplaceQuestion.h"
#include "shell/panels/SafetyCopy.h"

namespace corva::shell {
namespace {

// File dialog filters, one entry each.
const QString kCompleteFilter = QStringLiteral("*.qvma");
// Music files are stored as .wkcs; files of the same format named .kpdm are listed beside
// them, so a stored file can always be loaded again.
const QString kMusicLoadFilter = QStringLiteral("*.wkcs *.kpdm");
const QString kMusicStoreFilter = QStringLiteral("*.wkcs");
const QString kModeFilter = QStringLiteral("*.dat_d");

QString FolderOf(const QString& chosen) {
    return QFileInfo(chosen).absolutePath();
}

UiText ReplaceAllQuestion(const UiText& action, int namedPresets) {
    return Tr("Window",
              "%1 replaces the live tuning and all 15 presets stored in the processor (%2 of them "
              "named).\nA safety copy of all of them is kept first. Go on?")
        .Arg(action)
        .Arg(std::to_string(namedPresets));
}

UiText OpeningAction(const std::string& path) {
    const std::string name = QFileInfo(QFile::decodeName(path.c_str())).fileName().toStdString();
    return Tr("Window", "Opening %1").Arg(name);
}

const UiText kBusyMessage =
    Tr("Window", "The processor is still busy with a transfer; try again when it ends.");

}  // namespace

TuningFileActions::TuningFileActions(AppContext& context, ConnectionDriver& connection,
                                     QObject* parent)
    : QObject(parent),
      context_{context},
      connection_{connection},
      presetFiles_{context.session(), context.controller()} {
    connect(&connection_, &ConnectionDriver::NoticeHandled, this, &TuningFileActions::FollowNotice);
}

std::string TuningFileActions::LocalPath(const QString& chosen) const {
    return QFile::encodeName(chosen).toStdString();
}

void TuningFileActions::ShowMessage(const UserMessage& message) {
    Present(context_.messages(), context_.language(), message);
}

void TuningFileActions::ShowLimitedValues(int count) {
    if (const auto note = LimitedValuesNote(count)) {
        ShowMessage({*note, MessageStyle::Plain, {}});
    }
}

void TuningFileActions::Report(const PresetFileOutcome& outcome) {
    if (outcome.ok && outcome.progressRange > 0) {
        connection_.NoteBulkTransfer();
    }
    ShowLimitedValues(outcome.valuesLimited);
    if (!outcome.message) {
        return;
    }
    const Language& language = context_.language();
    const QString caption = outcome.caption.empty() ? language.Pick(text::kWindowTitle)
                                                    : language.Pick(outcome.caption);
    const QString body = MessageBody(language, *outcome.message);
    if (outcome.message->style == MessageStyle::Timed) {
        context_.messages().ShowTimed(body, caption);
    } else {
        context_.messages().ShowBox(outcome.ok ? BoxKind::Information : KindOf(*outcome.message),
                                    body, caption);
    }
}

bool TuningFileActions::StoreAllPresets(QWidget* dialogParent) {
    if (auto refused = presetFiles_.RequireConnection()) {
        ShowMessage(*refused);
        return false;
    }
    if (auto refused = presetFiles_.ProtectionRefusal()) {
        ShowMessage(*refused);
        return false;
    }
    const QString chosen = context_.fileChooser().ChooseSavePath(
        dialogParent, context_.language().Pick(text::kSaveAllCaption),
        context_.settings().GetPath(PathKind::AllPresets), kCompleteFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    context_.settings().PutPath(PathKind::AllPresets, FolderOf(chosen));
    const std::string path = StorePathWithExtension(LocalPath(chosen), kCompleteFileExtension);
    if (!MayReplaceCompleted(context_, chosen, QFile::decodeName(path.c_str()))) {
        return false;
    }
    const PresetFileOutcome queued = presetFiles_.StoreAllPresets(path);
    Report(queued);
    return queued.ok;
}

bool TuningFileActions::RecallAllPresets(QWidget* dialogParent) {
    const QString chosen = context_.fileChooser().ChooseOpenPath(
        dialogParent, context_.language().Pick(text::kRecallAllCaption),
        context_.settings().DataFolder(), kCompleteFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    const std::string path = LocalPath(chosen);
    if (!EndsWithExtension(path, kCompleteFileExtension)) {
        ShowMessage(ReadCompleteFailedMessage());
        return false;
    }
    return OpenCompleteFile({path, CompleteOpen::RecallAll}, OpeningAction(path));
}

bool TuningFileActions::OpenPresetFile(const QString& chosen) {
    const std::string path = LocalPath(chosen);
    const QString suffix = QFileInfo(chosen).suffix();
    if (PresetFileKindOf(path) == PresetFileKind::Other) {
        // Names from FAT sticks often come in capitals: say why the file is not opened.
        if (suffix.compare(QStringLiteral("qvms"), Qt::CaseInsensitive) == 0 ||
            suffix.compare(QStringLiteral("qvma"), Qt::CaseInsensitive) == 0) {
            ShowMessage(CapitalExtensionMessage(QFileInfo(chosen).fileName().toStdString()));
        }
        return false;
    }
    if (PresetFileKindOf(path) == PresetFileKind::Complete) {
        return OpenCompleteFile({path, CompleteOpen::Panel}, OpeningAction(path));
    }
    // A file that cannot be opened leaves no safety copy behind.
    if (const auto refused = presetFiles_.CheckPresetFile(path)) {
        Report(*refused);
        return false;
    }
    if (!KeepSafetyCopy(context_, SnapshotReason::LoadFile)) {
        return false;
    }
    const PresetFileOutcome opened = presetFiles_.OpenSingleFile(path);
    Report(opened);
    return opened.ok;
}

bool TuningFileActions::RestoreCompleteCopy(const SnapshotInfo& copy) {
    return OpenCompleteFile({copy.path, CompleteOpen::RestoreCopy},
                            Tr("Window", "Restoring the complete snapshot of %1").Arg(copy.time));
}

bool TuningFileActions::OpenCompleteFile(const PendingOpen& open, const UiText& action) {
    if (const auto refused = presetFiles_.CheckPresetFile(open.path)) {
        Report(*refused);
        return false;
    }
    auto& controller = context_.controller();
    if (!context_.session().Snapshot().synchronised) {
        // No processor's presets to lose: offline the file becomes the program's, and says so.
        const PresetFileOutcome loaded = LoadComplete(open);
        Report(loaded);
        return loaded.ok;
    }
    const Language& language = context_.language();
    if (!context_.messages().AskYesNo(
            language.Pick(ReplaceAllQuestion(action, NamedStoredPresetCount(context_.session()))),
            language.Pick(text::kWindowTitle))) {
        return false;
    }
    if (controller.bulk().bulkBusy || pendingOpen_) {
        ShowMessage({kBusyMessage, MessageStyle::Plain, {}});
        return false;
    }
    if (!ReadPresetsForCompleteCopy(controller)) {
        ShowMessage(ConnectionFailureMessage(controller.linkKind()));
        return false;
    }
    // The file follows the presets' answers (FollowNotice).
    pendingOpen_ = open;
    connection_.NoteBulkTransfer();
    return true;
}

PresetFileOutcome TuningFileActions::LoadComplete(const PendingOpen& open) {
    // Only "Recall all data from PC" gives the main view the file's header values.
    return open.kind == CompleteOpen::RecallAll ? presetFiles_.RecallAllPresets(open.path)
                                                : presetFiles_.OpenCompleteFile(open.path);
}

void TuningFileActions::FinishCompleteOpen(const PendingOpen& open) {
    context_.controller().EndBatch();
    // A restored copy is never the one removed to make room for the copy kept before it.
    const std::string spared = open.kind == CompleteOpen::RestoreCopy ? open.path : std::string();
    const Status kept =
        KeepCompleteCopy(context_.session(), SnapshotFolder(), SnapshotReason::LoadFile, spared);
    if (!kept.ok() && !GoOnWithoutCopy(context_, SnapshotReason::LoadFile, kept)) {
        return;
    }
    Report(LoadComplete(open));
}

QString TuningFileActions::ChooseDocument(QWidget* dialogParent, bool save, const UiText& caption,
                                          const QString& filter) {
    FileChooser& chooser = context_.fileChooser();
    const QString title = context_.language().Pick(caption);
    const QString folder = context_.settings().DataFolder();
    return save ? chooser.ChooseSavePath(dialogParent, title, folder, filter)
                : chooser.ChooseOpenPath(dialogParent, title, folder, filter);
}

bool TuningFileActions::StoreDocument(QWidget* dialogParent, const UiText& caption,
                                      const QString& filter, DocumentStore store) {
    const QString chosen = ChooseDocument(dialogParent, true, caption, filter);
    if (chosen.isEmpty()) {
        return false;
    }
    const DocumentStoreResult stored = store(context_.session(), LocalPath(chosen));
    if (!stored.status.ok()) {
        ShowMessage({stored.status.message(), MessageStyle::Plain,
                     stored.writeError.In(UiLanguage::English), stored.writeError});
        return false;
    }
    return true;
}

void TuningFileActions::ShowUnreadable(const Status& status, const QString& chosen) {
    ShowMessage(
        {status.message(), MessageStyle::Plain, {}, UnreadableFileReason(LocalPath(chosen))});
}

bool TuningFileActions::StoreMusicFile(QWidget* dialogParent) {
    return StoreDocument(dialogParent, text::kStoreMusicCaption, kMusicStoreFilter,
                         &corva::StoreMusicFile);
}

bool TuningFileActions::LoadMusicFile(QWidget* dialogParent) {
    const QString chosen =
        ChooseDocument(dialogParent, false, text::kLoadMusicCaption, kMusicLoadFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    if (!KeepSafetyCopy(context_, SnapshotReason::LoadFile)) {
        return false;
    }
    auto& controller = context_.controller();
    const MusicFileLoadResult loaded =
        corva::LoadMusicFile(context_.session(), controller.bulk(), LocalPath(chosen));
    if (!loaded.status.ok()) {
        ShowUnreadable(loaded.status, chosen);
        return false;
    }
    if (!loaded.sent) {
        ShowMessage(ConnectionFailureMessage(controller.linkKind()));
    } else {
        connection_.NoteBulkTransfer();
    }
    ShowLimitedValues(loaded.valuesLimited);
    return true;
}

bool TuningFileActions::SaveModeFile(QWidget* dialogParent) {
    return StoreDocument(dialogParent, text::kSaveModeCaption, kModeFilter, &corva::SaveModeFile);
}

bool TuningFileActions::OpenModeFile(QWidget* dialogParent) {
    const QString chosen = ChooseDocument(dialogParent, false, text::kOpenModeCaption, kModeFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    const ModeFileOpenResult opened = corva::OpenModeFile(context_.session(), LocalPath(chosen));
    if (!opened.status.ok()) {
        ShowUnreadable(opened.status, chosen);
        return false;
    }
    if (opened.awaitingTable) {
        pendingMode_ = opened.content;  // finished once the table has arrived
    }
    return true;
}

void TuningFileActions::FollowNotice(const Notice& notice) {
    if (pendingOpen_) {
        if (notice.id == NoticeId::PresetsReceived) {
            const PendingOpen open = std::move(*pendingOpen_);
            pendingOpen_.reset();
            FinishCompleteOpen(open);
        } else if (!context_.controller().online()) {
            pendingOpen_.reset();  // the link ended: nothing was kept or loaded; it said why
        }
    }
    if (notice.id == NoticeId::PresetsReceived && presetFiles_.pendingCompleteFile()) {
        // The long read ends with the file it wrote named, or with why it could not be.
        const PresetFileOutcome written = presetFiles_.WritePendingCompleteFile();
        Report(written);
        if (written.ok) {
            ShowWritten(context_, QFile::decodeName(written.path.c_str()));
        }
    }
    // The table's read may be answered, or the link may end (then only the program's table
    // changes); asking is safe on any notice.
    if (pendingMode_ &&
        CompleteModeFileOpen(context_.session(), *pendingMode_) == ModeFileStep::Done) {
        pendingMode_.reset();
    }
}

}  // namespace corva::shell
