#include "shell/SnapshotsDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/AppContext.h"
#include "text/CodePage.h"

namespace corva::shell {
namespace {

const UiText kTitle{"Snapshots", "快照"};
const UiText kRestore{"Restore", "恢复"};
const UiText kClose{"Close", "关闭"};
const UiText kQuestion{"Replace the live tuning by this snapshot? A copy of the live tuning is "
                       "kept first.",
                       "用此快照替换当前音效吗？会先保存当前音效的副本。"};

}  // namespace

SnapshotsDialog::SnapshotsDialog(AppContext& context, TuningSnapshots& snapshots,
                                 QWidget* parent)
    : QDialog(parent), context_{context}, snapshots_{snapshots}, table_{new QTableWidget(this)} {
    Language& language = context_.language();
    setWindowTitle(language.Pick(kTitle));
    resize(620, 420);
    table_->setObjectName(QStringLiteral("snapshotTable"));
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({language.Pick({"Time", "时间"}),
                                       language.Pick({"Reason", "原因"}),
                                       language.Pick({"Preset name", "预置名称"})});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

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
    list_ = snapshots_.List();
    table_->setRowCount(static_cast<int>(list_.size()));
    for (int row = 0; row < static_cast<int>(list_.size()); ++row) {
        const SnapshotInfo& info = list_[static_cast<std::size_t>(row)];
        QString reason = language.Pick(SnapshotReasonText(info.reason));
        if (info.preset > 0) {
            reason += language.Pick({", preset ", "，预置"}) + QString::number(info.preset);
        }
        table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(info.time)));
        table_->setItem(row, 1, new QTableWidgetItem(reason));
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
    const Language& language = context_.language();
    const QString caption = language.Pick(kTitle);
    if (!context_.messages().AskYesNo(language.Pick(kQuestion), caption)) {
        return false;
    }
    const SnapshotInfo& copy = list_[static_cast<std::size_t>(row)];
    if (const Status kept = snapshots_.KeepLiveBeforeRestore(context_.session(), copy);
        !kept.ok()) {
        context_.messages().ShowPlain(language.Pick(kept.message()), caption);
        return false;
    }
    const MusicFileLoadResult loaded = LoadMusicFile(
        context_.session(), context_.controller().bulk(), list_[static_cast<std::size_t>(row)].path);
    if (!loaded.status.ok()) {
        context_.messages().ShowPlain(language.Pick(loaded.status.message()), caption);
        return false;
    }
    accept();
    return true;
}

}  // namespace corva::shell
