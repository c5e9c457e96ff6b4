#include "shell/TuningFileActions.h"

#include <QFile>
#include <QFileInfo>

#include "commands/ModeFileCommands.h"
#include "commands/MusicFileCommands.h"
#include "commands/PresetFileMessages.h"
#include "commands/PresetFilePaths.h"
#include "model/OutputBlockLimits.h"
#include "shell/AppContext.h"
#include "shell/ConnectionDriver.h"
#include "shell/FileTexts.h"
#include "shell/SafetyCopy.h"
#include "shell/ShellTexts.h"

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
    const QString caption = outcome.caption.english.empty() ? language.Pick(text::kWindowTitle)
                                                            : language.Pick(outcome.caption);
    const QString body = language.Pick(outcome.message->text);
    if (outcome.message->style == MessageStyle::Timed) {
        context_.messages().ShowTimed(body, caption);
    } else {
        context_.messages().ShowPlain(body, caption);
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
    const PresetFileOutcome queued = presetFiles_.StoreAllPresets(LocalPath(chosen));
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
    if (!KeepSafetyCopy(context_, SnapshotReason::LoadFile)) {
        return false;
    }
    const PresetFileOutcome recalled = presetFiles_.RecallAllPresets(path);
    Report(recalled);
    return recalled.ok;
}

bool TuningFileActions::StoreMusicFile(QWidget* dialogParent) {
    const QString chosen = context_.fileChooser().ChooseSavePath(
        dialogParent, context_.language().Pick(text::kStoreMusicCaption),
        context_.settings().DataFolder(), kMusicStoreFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    const DocumentStoreResult stored = corva::StoreMusicFile(context_.session(), LocalPath(chosen));
    if (!stored.status.ok()) {
        ShowMessage({stored.status.message(), MessageStyle::Plain, stored.writeError.english});
        return false;
    }
    return true;
}

bool TuningFileActions::LoadMusicFile(QWidget* dialogParent) {
    const QString chosen = context_.fileChooser().ChooseOpenPath(
        dialogParent, context_.language().Pick(text::kLoadMusicCaption),
        context_.settings().DataFolder(), kMusicLoadFilter);
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
        ShowMessage({loaded.status.message(), MessageStyle::Plain, {}});
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
    const QString chosen = context_.fileChooser().ChooseSavePath(
        dialogParent, context_.language().Pick(text::kSaveModeCaption),
        context_.settings().DataFolder(), kModeFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    const DocumentStoreResult stored = corva::SaveModeFile(context_.session(), LocalPath(chosen));
    if (!stored.status.ok()) {
        ShowMessage({stored.status.message(), MessageStyle::Plain, stored.writeError.english});
        return false;
    }
    return true;
}

bool TuningFileActions::OpenModeFile(QWidget* dialogParent) {
    const QString chosen = context_.fileChooser().ChooseOpenPath(
        dialogParent, context_.language().Pick(text::kOpenModeCaption),
        context_.settings().DataFolder(), kModeFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    const ModeFileOpenResult opened = corva::OpenModeFile(context_.session(), LocalPath(chosen));
    if (!opened.status.ok()) {
        ShowMessage({opened.status.message(), MessageStyle::Plain, {}});
        return false;
    }
    if (opened.awaitingTable) {
        pendingMode_ = opened.content;  // finished once the table has arrived
    }
    return true;
}

void TuningFileActions::FollowNotice(const Notice& notice) {
    if (notice.id == NoticeId::PresetsReceived && presetFiles_.pendingCompleteFile()) {
        Report(presetFiles_.WritePendingCompleteFile());
    }
    // The table's read may be answered, or the link may end (then only the program's table
    // changes); asking is safe on any notice.
    if (pendingMode_ &&
        CompleteModeFileOpen(context_.session(), *pendingMode_) == ModeFileStep::Done) {
        pendingMode_.reset();
    }
}

}  // namespace corva::shell
