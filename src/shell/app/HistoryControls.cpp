#include "shell/app/HistoryControls.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <utility>

#include "controls/FlatButton.h"
#include "platform/settings/UserDataFolder.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/ShellTexts.h"
#include "shell/dialogs/SnapshotsDialog.h"

namespace corva::shell {
namespace {

// Short faces for the narrow bar; the tooltips and accessible names say it in full.
const UiText kKeepA = Tr("Window", "→A");
const UiText kKeepB = Tr("Window", "→B");
const UiText kKeepATip = Tr("Window", "Keep as A: copy the live tuning into slot A");
const UiText kKeepBTip = Tr("Window", "Keep as B: copy the live tuning into slot B");
const UiText kCleared = Tr("Window", "Undo history cleared: the processor's tuning was read");

controls::FlatButton* Button(QWidget* parent, const char* name) {
    auto* button = new controls::FlatButton(controls::ButtonTone::Quiet, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

HistoryControls::HistoryControls(AppContext& context, ConnectionDriver& connection,
                                 TuningFileActions& files, QWidget* window, QWidget* parent)
    : QWidget(parent),
      context_{context},
      connection_{connection},
      files_{files},
      history_{context.session()},
      snapshots_{SnapshotFolder()},
      ab_{context.session(), context.controller().bulk(), &snapshots_},
      undo_{Button(this, "undoButton")},
      redo_{Button(this, "redoButton")},
      keepA_{Button(this, "keepAButton")},
      keepB_{Button(this, "keepBButton")},
      switch_{Button(this, "abButton")} {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (QWidget* widget : std::initializer_list<QWidget*>{undo_, redo_, keepA_, keepB_, switch_}) {
        row->addWidget(widget);
    }
    undo_->setText(QStringLiteral("↶"));
    redo_->setText(QStringLiteral("↷"));

    Language& language = context_.language();
    language.OnChange(this, [this] { Refresh(); });
    language.BindText(keepA_, kKeepA);
    language.BindText(keepB_, kKeepB);
    for (auto [button, tip] : {std::pair{keepA_, &kKeepATip}, std::pair{keepB_, &kKeepBTip}}) {
        language.Bind(button, *tip, [button](const QString& text) {
            button->setToolTip(text);
            button->setAccessibleName(text);
        });
    }

    connect(undo_, &QAbstractButton::clicked, this, &HistoryControls::Undo);
    connect(redo_, &QAbstractButton::clicked, this, &HistoryControls::Redo);
    connect(keepA_, &QAbstractButton::clicked, this, [this] { Keep(AbSlot::A); });
    connect(keepB_, &QAbstractButton::clicked, this, [this] { Keep(AbSlot::B); });
    connect(switch_, &QAbstractButton::clicked, this, &HistoryControls::SwitchAb);

    const auto shortcut = [&](const QKeySequence& keys, void (HistoryControls::*action)()) {
        auto* key = new QShortcut(keys, window);
        connect(key, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), &HistoryControls::Undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &HistoryControls::Redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &HistoryControls::Redo);

    connect(&context_.poster(), &NoticePoster::SessionChanged, this,
            [this](const SessionEvent& event) {
                Refresh();
                // Once a read is over it says whether it cleared steps; protect and reset-lock
                // clear them on purpose and need no notice.
                const int lost = history_.stepsLostToReads();
                if (event.change == SessionChange::Synchronised && lost != readsSeen_) {
                    readsSeen_ = lost;
                    const Language& language = context_.language();
                    context_.messages().ShowTimed(language.Pick(kCleared),
                                                  language.Pick(text::kWindowTitle));
                }
            });
    Refresh();
}

void HistoryControls::Undo() {
    history_.Undo();
    Refresh();
}

void HistoryControls::Redo() {
    history_.Redo();
    Refresh();
}

void HistoryControls::Keep(AbSlot slot) {
    if (const Status kept = ab_.KeepAs(slot); !kept.ok()) {
        context_.messages().ShowPlain(context_.language().Pick(kept.message()),
                                      context_.language().Pick(text::kWindowTitle));
    }
    Refresh();
}

void HistoryControls::SwitchAb() {
    const AbSwitchResult result = ab_.Switch();
    if (!result.status.ok()) {
        context_.messages().ShowPlain(context_.language().Pick(result.status.message()),
                                      context_.language().Pick(text::kWindowTitle));
    } else if (result.progressRange > 0) {
        connection_.NoteBulkTransfer();
    }
    Refresh();
}

void HistoryControls::ShowSnapshots() {
    SnapshotsDialog dialog(context_, snapshots_, files_, window());
    if (dialog.exec() == QDialog::Accepted) {
        connection_.NoteBulkTransfer();  // the restored tuning is on its way
    }
    Refresh();
}

void HistoryControls::Refresh() {
    const Language& language = context_.language();
    const bool canUndo = history_.CanUndo();
    const bool canRedo = history_.CanRedo();
    undo_->setEnabled(canUndo);
    redo_->setEnabled(canRedo);
    undo_->setToolTip(language.Pick(history_.UndoTip()));
    redo_->setToolTip(language.Pick(history_.RedoTip()));
    undo_->setAccessibleName(undo_->toolTip());
    redo_->setAccessibleName(redo_->toolTip());

    const auto live = ab_.live();
    const QString slot = !live               ? QStringLiteral("–")
                         : live == AbSlot::A ? QStringLiteral("A")
                                             : QStringLiteral("B");
    const std::string shownSlot = slot.toStdString();
    switch_->setText(language.Pick(Tr("Window", "A/B: %1").Arg(shownSlot)));
    switch_->setAccessibleName(language.Pick(Tr("Window", "A/B, live: %1").Arg(shownSlot)));
    switch_->setEnabled(ab_.Has(AbSlot::A) && ab_.Has(AbSlot::B));
    switch_->setToolTip(language.Pick(
        Tr("Window", "Live: %1. Switch the live tuning to the other slot").Arg(shownSlot)));
}

}  // namespace corva::shell
