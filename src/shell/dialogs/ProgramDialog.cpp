#include "shell/dialogs/ProgramDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controls/FlatButton.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/NameAndTip.h"
#include "shell/app/ShellTexts.h"
#include "shell/dialogs/PresetNameField.h"
#include "shell/dialogs/ReadOnlyRowList.h"
#include "shell/panels/FileTexts.h"
#include "shell/panels/SafetyCopy.h"
#include "shell/panels/StoredPresetCopy.h"
#include "shell/panels/TuningFileActions.h"
#include "text/CodePage.h"

namespace corva::shell {
namespace {

const QColor kListGround{247, 247, 255};
const QColor kListInk{0, 0, 200};

controls::FlatButton* Button(QWidget* parent, const char* objectName) {
    auto* button = new controls::FlatButton(controls::ButtonTone::Raised, parent);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

}  // namespace

ProgramDialog::ProgramDialog(AppContext& context, ConnectionDriver& connection,
                             TuningFileActions& files, QWidget* parent)
    : QDialog(parent),
      context_{context},
      connection_{connection},
      files_{files},
      presets_{context.session(), context.controller()},
      list_{new QTableWidget(kPresetCount, 2, this)},
      number_{new QLabel(this)},
      name_{new PresetNameField(DoubleByteRule::Refuse, this)},
      store_{Button(this, "programStore")},
      recall_{Button(this, "programRecall")},
      delete_{Button(this, "programDelete")},
      recallAll_{new QRadioButton(this)},
      recallOne_{new QRadioButton(this)},
      storeAll_{new QRadioButton(this)},
      storeOne_{new QRadioButton(this)},
      recallPc_{Button(this, "programRecallPc")},
      storePc_{Button(this, "programStorePc")} {
    setObjectName(QStringLiteral("programDialog"));
    setFixedSize(kProgramDialogSize);
    Language& language = context_.language();
    language.Bind(this, text::kProgramTitle, [this](const QString& t) { setWindowTitle(t); });

    list_->setObjectName(QStringLiteral("programList"));
    MakeReadOnlyRowList(list_);
    list_->setShowGrid(true);
    list_->verticalHeader()->setDefaultSectionSize(18);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setTabKeyNavigation(false);
    QPalette listPalette = list_->palette();
    listPalette.setColor(QPalette::Base, kListGround);
    listPalette.setColor(QPalette::Text, kListInk);
    list_->setPalette(listPalette);
    BindNameAndTip(language, list_, text::kPresetList, text::kPresetListTip);
    const auto showHeader = [this] {
        const Language& now = context_.language();
        list_->setHorizontalHeaderLabels({now.Pick(text::kIdColumn), now.Pick(text::kNameColumn)});
        list_->setColumnWidth(0, 30);
        // Translated headers get a few pixels more than the English one.
        list_->setColumnWidth(1, now.current() == UiLanguage::English ? 176 : 180);
    };
    showHeader();
    language.OnChange(list_, showHeader);
    for (int row = 0; row < kPresetCount; ++row) {
        list_->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        list_->setItem(row, 1, new QTableWidgetItem);
    }
    connect(list_, &QTableWidget::currentCellChanged, this,
            [this](int row) { SelectPreset(row + 1); });

    auto* idLabel = new QLabel(this);
    language.BindText(idLabel, text::kIdLabel);
    number_->setObjectName(QStringLiteral("programNumber"));
    language.Bind(number_, text::kIdLabel,
                  [this](const QString& name) { number_->setAccessibleName(name); });
    auto* nameLabel = new QLabel(this);
    language.BindText(nameLabel, text::kNameLabel);
    nameLabel->setBuddy(name_);
    name_->setObjectName(QStringLiteral("programNameField"));
    BindNameAndTip(language, name_, text::kNameLabel, text::kProgramNameTip);

    const auto bindButton = [&language](controls::FlatButton* button, const UiText& label,
                                        const UiText& name, const UiText& tip) {
        language.BindText(button, label);
        BindNameAndTip(language, button, name, tip);
    };
    bindButton(store_, text::kStore, text::kStore, text::kStoreTip);
    bindButton(recall_, text::kRecall, text::kRecall, text::kRecallTip);
    bindButton(delete_, text::kDelete, text::kDelete, text::kDeleteTip);
    bindButton(recallPc_, text::kRecall, text::kRecallPcButton, text::kRecallFromPcTip);
    bindButton(storePc_, text::kStore, text::kStorePcButton, text::kStoreToPcTip);
    connect(store_, &QAbstractButton::clicked, this, &ProgramDialog::Store);
    connect(recall_, &QAbstractButton::clicked, this, &ProgramDialog::Recall);
    connect(delete_, &QAbstractButton::clicked, this, &ProgramDialog::Delete);
    connect(recallPc_, &QAbstractButton::clicked, this, &ProgramDialog::RecallFromPc);
    connect(storePc_, &QAbstractButton::clicked, this, &ProgramDialog::StoreToPc);

    recallAll_->setObjectName(QStringLiteral("recallAllChoice"));
    recallOne_->setObjectName(QStringLiteral("recallOneChoice"));
    storeAll_->setObjectName(QStringLiteral("storeAllChoice"));
    storeOne_->setObjectName(QStringLiteral("storeOneChoice"));
    for (auto [radio, label] :
         {std::pair{recallAll_, &text::kRecallAllFromPc},
          std::pair{recallOne_, &text::kRecallOneFromPc},
          std::pair{storeAll_, &text::kStoreAllToPc}, std::pair{storeOne_, &text::kStoreOneToPc}}) {
        language.BindText(radio, *label);
        BindNameAndTip(language, radio, *label, *label);
    }
    auto* recallPair = new QButtonGroup(this);
    recallPair->addButton(recallAll_);
    recallPair->addButton(recallOne_);
    auto* storePair = new QButtonGroup(this);
    storePair->addButton(storeAll_);
    storePair->addButton(storeOne_);
    recallAll_->setChecked(true);
    storeAll_->setChecked(true);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("pcProgramGroup"));
    language.Bind(group, text::kPcProgram, [group](const QString& t) { group->setTitle(t); });
    // Each pair of choices above the button it is for: the long texts need the whole width.
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setSpacing(2);
    groupLayout->addWidget(recallAll_);
    groupLayout->addWidget(recallOne_);
    groupLayout->addWidget(recallPc_, 0, Qt::AlignRight);
    groupLayout->addSpacing(6);
    groupLayout->addWidget(storeAll_);
    groupLayout->addWidget(storeOne_);
    groupLayout->addWidget(storePc_, 0, Qt::AlignRight);
    groupLayout->addStretch(1);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->addWidget(idLabel, 0, 0);
    fields->addWidget(number_, 0, 1);
    fields->addWidget(nameLabel, 1, 0);
    fields->addWidget(name_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(store_);
    buttons->addWidget(recall_);
    buttons->addWidget(delete_);
    buttons->addStretch(1);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addLayout(fields);
    right->addLayout(buttons);
    right->addWidget(group, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    list_->setFixedWidth(212);
    layout->addWidget(list_);
    layout->addLayout(right, 1);

    connect(&context_.poster(), &NoticePoster::SessionChanged, this,
            [this](const SessionEvent& event) {
                if (event.change == SessionChange::Presets) {
                    FillNames();
                }
            });
    FillNames();
    SelectPreset(1);
}

void ProgramDialog::FillNames() {
    const TuningSnapshot snapshot = context_.session().Snapshot();
    for (int row = 0; row < kPresetCount; ++row) {
        list_->item(row, 1)->setText(
            ToQString(DecodeRecordText(snapshot.presetNames[static_cast<std::size_t>(row)])));
    }
}

void ProgramDialog::SelectPreset(int preset) {
    selected_ = std::clamp(preset, 1, kPresetCount);
    if (list_->currentRow() != selected_ - 1) {
        list_->setCurrentCell(selected_ - 1, 0);
    }
    number_->setText(QString::number(selected_));
    name_->setText(list_->item(selected_ - 1, 1)->text());
}

void ProgramDialog::Show(const std::optional<UserMessage>& message) {
    if (message) {
        files_.ShowMessage(*message);
    }
}

void ProgramDialog::Store() {
    // The field accepts single-byte characters only, so the text is already the record's.
    const std::string name = name_->text().toStdString();
    const int preset = selected_;
    if (presets_.SaveAsRefusal(preset, name, PresetRules::ConnectedQuietly)) {
        StoreAs(preset, name);  // refused: says why at once
        return;
    }
    // A named preset is kept among the safety copies before it is overwritten.
    KeepStoredPresetThen(context_, preset, this, [this, preset, name] { StoreAs(preset, name); });
}

void ProgramDialog::StoreAs(int preset, const std::string& name) {
    const auto refused = presets_.SaveAs(preset, name, PresetRules::ConnectedQuietly);
    if (refused) {
        Show(refused);
        // A blank or taken name is cleared for a new one; an empty one stays as it is.
        if (!name.empty() && connection_.online()) {
            name_->clear();
            name_->setFocus();
        }
        return;
    }
    FillNames();
    connection_.NoteBulkTransfer();
}

void ProgramDialog::Recall() {
    if (!KeepSafetyCopy(context_, SnapshotReason::Recall)) {
        return;
    }
    // Silent while the processor is not read: the list is not the processor's then.
    if (!presets_.Load(selected_, PresetRules::ConnectedQuietly)) {
        connection_.NoteBulkTransfer();
    }
}

void ProgramDialog::Delete() {
    const auto refused = presets_.Delete(
        selected_,
        [this](const UiText& question) {
            // The second line names the preset, so the right one goes.
            const Language& language = context_.language();
            const QString name = list_->item(selected_ - 1, 1)->text();
            const QString which =
                language.Pick(Tr("Window", "No. %1").Arg(std::to_string(selected_))) +
                (name.isEmpty() ? QString() : QStringLiteral("  ") + name);
            return context_.messages().AskOkCancel(
                language.Pick(question) + QLatin1Char('\n') + which,
                language.Pick(text::kWindowTitle));
        },
        PresetRules::ConnectedQuietly);
    Show(refused);
    FillNames();
    SelectPreset(selected_);
}

void ProgramDialog::RecallFromPc() {
    if (recallAll_->isChecked()) {
        if (files_.RecallAllPresets(this)) {
            FillNames();
            SelectPreset(selected_);
        }
        return;
    }
    files_.LoadMusicFile(this);
}

void ProgramDialog::StoreToPc() {
    if (storeAll_->isChecked()) {
        files_.StoreAllPresets(this);
        return;
    }
    files_.StoreMusicFile(this);
}

void ProgramDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            setFocus(Qt::OtherFocusReason);  // the dialog closes only through its close box
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace corva::shell
