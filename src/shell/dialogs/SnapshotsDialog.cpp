#include "shell/dialogs/SnapshotsDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "commands/CompleteSnapshots.h"
#include "commands/FileFailureReason.h"
#include "shell/app/AppContext.h"
#include "shell/app/MessagePresenter.h"
#include "shell/dialogs/ReadOnlyRowList.h"
#include "shell/panels/TuningFileActions.h"
#include "text/CodePage.h"

namespace corva::shell {
namespace {

const UiText kTitle = Tr("Window", "Snapshots");
const UiText kRestore = Tr("Window", "Restore");
const UiText kClose = Tr("Window", "Close");
const UiText kQuestion =
    Tr("Window",
       "Replace the live tuning by this snapshot? A copy of the live tuning is "
       "kept first.");

}  // namespace

SnapshotsDialog::SnapshotsDialog(AppContext& context, TuningSnapshots& snapshots,
                                 TuningFileActions& files, QWidget* parent)
    : QDialog(parent),
      context_{context},
      snapshots_{snapshots},
      files_{files},
      table_{new QTableWidget(this)} {
    Language& language = context_.language();
    setWindowTitle(language.Pick(kTitle));
    resize(760, 420);  // a complete copy's reason is long; the preset name stays in view
    table_->setObjectName(QStringLiteral("snapshotTable"));
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({language.Pick(Tr("Window", "Time")),
                                       language.Pick(Tr("Window", "Reason")),
                                       language.Pick(Tr("Window", "Preset name"))});
    table_->horizontalHeader()->setStretchLastSection(true);
    MakeReadOnlyRowList(table_);

    auto* restore = new QPushButton(language.Pick(kRestore), this);
    restore->setObjectName(QStringLiteral("restoreButton"));
    auto* close = new QPushButton(language.Pick(kClose), this);
    connect(restore, &QPushButton::clicked, this, [this] { RestoreRow(table_->currentRow()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    Fill();
}

void SnapshotsDialog::Fill() {
    const Language& language = context_.language();
    list_ = ListAllSnapshots(snapshots_.folder());
    table_->setRowCount(static_cast<int>(list_.size()));
    for (int row = 0; row < static_cast<int>(list_.size()); ++row) {
        const SnapshotInfo& info = list_[static_cast<std::size_t>(row)];
        table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(info.time)));
        table_->setItem(row, 1, new QTableWidgetItem(language.Pick(SnapshotListText(info))));
        table_->setItem(row, 2, new QTableWidgetItem(ToQString(DecodeRecordText(info.presetName))));
    }
    table_->resizeColumnsToContents();
    if (!list_.empty()) {
        table_->selectRow(0);
    }
}

bool SnapshotsDialog::RestoreRow(int row) {
    if (row < 0 || row >= static_cast<int>(list_.size())) {
        return false;
    }
    const SnapshotInfo copy = list_[static_cast<std::size_t>(row)];
    // A complete copy asks its own question, naming how many named presets it replaces.
    if (copy.complete ? !files_.RestoreCompleteCopy(copy) : !RestoreLive(copy)) {
        return false;
    }
    accept();
    return true;
}

bool SnapshotsDialog::RestoreLive(const SnapshotInfo& copy) {
    const Language& language = context_.language();
    if (!context_.messages().AskYesNo(language.Pick(kQuestion), language.Pick(kTitle))) {
        return false;
    }
    if (const Status readable = TuningSnapshots::CheckRestorable(copy); !readable.ok()) {
        ShowFailure(readable.message(), UnreadableFileReason(copy.path));
        return false;
    }
    if (const Status kept = snapshots_.KeepLiveBeforeRestore(context_.session(), copy);
        !kept.ok()) {
        ShowFailure(kept.message(), {});  // its text says why the copy could not be written
        return false;
    }
    const MusicFileLoadResult loaded =
        LoadMusicFile(context_.session(), context_.controller().bulk(), copy.path);
    if (!loaded.status.ok()) {
        ShowFailure(loaded.status.message(), UnreadableFileReason(copy.path));
        return false;
    }
    return true;
}

void SnapshotsDialog::ShowFailure(const UiText& failure, const UiText& why) {
    const Language& language = context_.language();
    const UserMessage message{failure, MessageStyle::Plain, {}, why};
    context_.messages().ShowBox(BoxKind::Error, MessageBody(language, message),
                                language.Pick(kTitle));
}

}  // namespace corva::shell
