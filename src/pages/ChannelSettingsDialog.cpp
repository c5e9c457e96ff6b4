#include "pages/ChannelSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "commands/ListeningPositionEdits.h"
#include "commands/ProcessorRequests.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/ValueLabels.h"
#include "pages/ChannelSettingsTexts.h"
#include "pages/GraphPalette.h"
#include "pages/PageTexts.h"
#include "text/CodePage.h"

namespace corva::pages {
namespace {

constexpr int kPositionCount = listening_table::kPositionCount;

QLabel* BoldLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setStyleSheet(QStringLiteral("font-weight:bold;"));
    return label;
}

QString UnitName(DelayUnit unit, UiLanguage language) {
    return Text(
        (unit == DelayUnit::Centimetres ? page_text::kDelayCm : page_text::kDelayMs).In(language));
}

}  // namespace

ChannelSettingsDialog::ChannelSettingsDialog(TuningSession& session, ChannelEditor& editor,
                                             QWidget* parent)
    : QDialog(parent),
      session_{session},
      editor_{editor},
      tabs_{new QTabWidget(this)},
      readOnly_{new QLabel(this)} {
    setObjectName(QStringLiteral("channelSettings"));
    readOnly_->setWordWrap(true);
    readOnly_->setStyleSheet(
        QStringLiteral("QLabel{background:#fbe3e3;color:#7a1010;padding:3px;}"));
    readOnly_->hide();
    tabs_->addTab(BuildChannelTab(), QString());
    tabs_->addTab(BuildBandsTab(), QString());
    tabs_->addTab(BuildPositionsTab(), QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(readOnly_);
    layout->addWidget(tabs_, 1);
    resize(560, 520);
    ShowTexts();
    Show(session_.Snapshot());
}

QWidget* ChannelSettingsDialog::BuildChannelTab() {
    auto* tab = new QWidget(this);
    nameLabel_ = new QLabel(tab);
    name_ = new QLineEdit(tab);
    nameProblem_ = new QLabel(tab);
    nameProblem_->setStyleSheet(QStringLiteral("color:#a01010;"));
    nameProblem_->setWordWrap(true);
    nameProblem_->hide();
    eqModeLabel_ = new QLabel(tab);
    eqMode_ = new QComboBox(tab);
    for (std::size_t mode = 0; mode < settings_text::kEqModes.size(); ++mode) {
        eqMode_->addItem(QString());  // named by ShowTexts
    }

    limiterTitle_ = BoldLabel(tab);
    thresholdLabel_ = new QLabel(tab);
    threshold_ = new QDoubleSpinBox(tab);
    threshold_->setRange(kLowestLimiterThresholdDbu, kHighestLimiterThresholdDbu);
    threshold_->setDecimals(1);
    threshold_->setSingleStep(0.1);
    threshold_->setSuffix(QStringLiteral(" dBu"));
    threshold_->setKeyboardTracking(false);
    attackLabel_ = new QLabel(tab);
    attack_ = new QComboBox(tab);
    for (int code = 0; code <= kHighestLimiterAttackCode; ++code) {
        attack_->addItem(Text(LimiterAttackLabel(code)), code);
    }
    releaseLabel_ = new QLabel(tab);
    release_ = new QComboBox(tab);
    for (int code = 0; code <= kHighestLimiterReleaseCode; ++code) {
        release_->addItem(Text(LimiterReleaseLabel(code)), code);
    }

    routingTitle_ = BoldLabel(tab);
    routingWarning_ = new QLabel(tab);
    routingWarning_->setWordWrap(true);
    routingSwitch_ = new QCheckBox(tab);

    auto* form = new QFormLayout;
    form->addRow(nameLabel_, name_);
    form->addRow(QString(), nameProblem_);
    form->addRow(eqModeLabel_, eqMode_);
    auto* limiter = new QFormLayout;
    limiter->addRow(thresholdLabel_, threshold_);
    limiter->addRow(attackLabel_, attack_);
    limiter->addRow(releaseLabel_, release_);
    auto* routing = new QGridLayout;
    for (int input = 1; input <= kRoutingInputs; ++input) {
        auto* label = new QLabel(tab);
        auto* share = new QSpinBox(tab);
        share->setRange(0, kHighestRoutingShare);
        share->setSuffix(QStringLiteral(" %"));
        share->setKeyboardTracking(false);
        shareLabels_.at(static_cast<std::size_t>(input - 1)) = label;
        shares_.at(static_cast<std::size_t>(input - 1)) = share;
        routing->addWidget(label, (input - 1) / 2, 2 * ((input - 1) % 2));
        routing->addWidget(share, (input - 1) / 2, 2 * ((input - 1) % 2) + 1);
        connect(share, &QSpinBox::valueChanged, this, [this, input](int percent) {
            if (!showing_) {
                editor_.SetRoutingShare(channel_, input, percent);
                AfterEdit();
            }
        });
    }

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addWidget(limiterTitle_);
    layout->addLayout(limiter);
    layout->addSpacing(6);
    layout->addWidget(routingTitle_);
    layout->addWidget(routingWarning_);
    layout->addWidget(routingSwitch_);
    layout->addLayout(routing);
    layout->addStretch(1);

    connect(name_, &QLineEdit::editingFinished, this, &ChannelSettingsDialog::CommitName);
    connect(eqMode_, &QComboBox::currentIndexChanged, this, [this](int mode) {
        if (!showing_ && mode >= 0) {
            editor_.SetEqMode(channel_, ChoiceOfCode<EqMode>(mode));
            AfterEdit();
        }
    });
    connect(threshold_, &QDoubleSpinBox::valueChanged, this, [this](double dbu) {
        if (!showing_) {
            editor_.SetLimiterThresholdDbu(channel_, dbu);
            AfterEdit();
        }
    });
    connect(attack_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0) {
            editor_.SetLimiterAttackMs(channel_, LimiterAttackMs(attack_->itemData(index).toInt()));
            AfterEdit();
        }
    });
    connect(release_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0) {
            editor_.SetLimiterRelease(channel_, release_->itemData(index).toInt());
            AfterEdit();
        }
    });
    connect(routingSwitch_, &QCheckBox::toggled, this, [this] { ApplyEditable(); });
    return tab;
}

QWidget* ChannelSettingsDialog::BuildBandsTab() {
    auto* inner = new QWidget;
    auto* grid = new QGridLayout(inner);
    grid->setHorizontalSpacing(10);
    for (std::size_t i = 0; i < bandHeadings_.size(); ++i) {
        bandHeadings_[i] = BoldLabel(inner);
        grid->addWidget(bandHeadings_[i], 0, static_cast<int>(i));
    }
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        BandRow& row = bandRows_.at(static_cast<std::size_t>(band));
        row.number = new QLabel(QString::number(band + 1), inner);
        row.frequency = new QLabel(inner);
        row.type = new QComboBox(inner);
        for (int type = 0; type <= kHighestBandType; ++type) {
            row.type->addItem(QString(), type);
        }
        row.slope = new QComboBox(inner);
        for (int slope = 0; slope <= kHighestShelfSlope; ++slope) {
            row.slope->addItem(Text(ShelfSlopeLabel(slope)), slope);
        }
        grid->addWidget(row.number, band + 1, 0);
        grid->addWidget(row.frequency, band + 1, 1);
        grid->addWidget(row.type, band + 1, 2);
        grid->addWidget(row.slope, band + 1, 3);
        const auto commit = [this, band] {
            if (showing_) {
                return;
            }
            const BandRow& edited = bandRows_.at(static_cast<std::size_t>(band));
            editor_.SetBandShape(channel_, band,
                                 ChoiceOfCode<FilterType>(edited.type->currentData().toInt()),
                                 ChoiceOfCode<ShelfSlope>(edited.slope->currentData().toInt()));
            AfterEdit();
        };
        connect(row.type, &QComboBox::currentIndexChanged, this, commit);
        connect(row.slope, &QComboBox::currentIndexChanged, this, commit);
    }
    grid->setRowStretch(output_block::kBandSlots + 1, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    return scroll;
}

QWidget* ChannelSettingsDialog::BuildPositionsTab() {
    auto* tab = new QWidget(this);
    positionsNote_ = new QLabel(tab);
    positionsNote_->setWordWrap(true);
    positionInUseLabel_ = new QLabel(tab);
    positionInUse_ = new QComboBox(tab);
    for (int position = 0; position < kPositionCount; ++position) {
        positionInUse_->addItem(QString(), position);
    }
    auto* grid = new QGridLayout;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto* heading = BoldLabel(tab);
        positionColumnLabels_.push_back(heading);
        grid->addWidget(heading, 0, c + 1);
    }
    for (int position = 0; position < kPositionCount; ++position) {
        auto* label = new QLabel(tab);
        positionRowLabels_.push_back(label);
        grid->addWidget(label, position + 1, 0);
        for (int c = 0; c < kOutputChannelCount; ++c) {
            auto* field = new QLineEdit(tab);
            field->setMaximumWidth(80);
            positionFields_.push_back(field);
            grid->addWidget(field, position + 1, c + 1);
            connect(field, &QLineEdit::editingFinished, this,
                    [this, position, c] { CommitPositionDelay(position, c); });
        }
    }
    auto* inUse = new QHBoxLayout;
    inUse->addWidget(positionInUseLabel_);
    inUse->addWidget(positionInUse_);
    inUse->addStretch(1);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(positionsNote_);
    layout->addLayout(inUse);
    layout->addLayout(grid);
    layout->addStretch(1);
    connect(positionInUse_, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (!showing_ && position >= 0) {
            UsePosition(session_, position);
            AfterEdit();
        }
    });
    return tab;
}

QLineEdit* ChannelSettingsDialog::positionField(int position, int channel) const {
    return positionFields_.at(static_cast<std::size_t>(position * kOutputChannelCount + channel));
}

void ChannelSettingsDialog::showEvent(QShowEvent* event) {
    // A full read does not fetch the table: ask for it (its answer refreshes the page and this
    // window); without a processor the table in memory is shown.
    (void)RequestListeningPositions(session_);
    QDialog::showEvent(event);
}

void ChannelSettingsDialog::CommitName() {
    if (showing_ || !name_->isModified()) {
        return;
    }
    name_->setModified(false);
    const auto record = EncodeRecordText(name_->text().trimmed().toStdString());
    const Status status = record ? editor_.SetName(channel_, *record)
                                 : Status::Fail(settings_text::kNameNotInCodePage);
    nameProblem_->setVisible(!status.ok());
    if (!status.ok()) {
        nameProblem_->setText(Text(status.message().In(language_)));
    }
    AfterEdit();
}

void ChannelSettingsDialog::CommitPositionDelay(int position, int channel) {
    QLineEdit* field = positionField(position, channel);
    if (showing_ || !field->isModified()) {
        return;
    }
    field->setModified(false);
    const int code = DelayCodeFromText(field->text().trimmed().toStdString(), unit_);
    SetPositionDelays(session_, position, {{channel, code}});
    AfterEdit();
}

void ChannelSettingsDialog::AfterEdit() {
    Show(session_.Snapshot());
    emit Edited();
}

void ChannelSettingsDialog::SetChannel(int channel, const QString& channelName) {
    if (channel < 0 || channel >= kOutputChannelCount) {
        return;
    }
    if (channel != channel_) {
        nameProblem_->hide();  // it was about the other channel's name
    }
    channel_ = channel;
    channelName_ = channelName;
    ShowTexts();
    ShowValues();
}

void ChannelSettingsDialog::SetLanguage(UiLanguage language) {
    language_ = language;
    ShowTexts();
    ShowValues();
}

void ChannelSettingsDialog::SetDelayUnit(DelayUnit unit) {
    unit_ = unit;
    ShowTexts();
    ShowValues();
}

void ChannelSettingsDialog::Show(const TuningSnapshot& snapshot) {
    shown_ = snapshot;
    editable_ = !snapshot.isProtected;
    ShowValues();
    ApplyEditable();
}

void ChannelSettingsDialog::ShowValues() {
    showing_ = true;
    const OutputView& view = shown_.outputs.at(static_cast<std::size_t>(channel_));
    // Channel 1's name slot carries the password while protected: no name then.
    const bool hideName = channel_ == 0 && shown_.isProtected;
    if (!name_->hasFocus() || !name_->isModified()) {
        name_->setText(hideName ? QString() : Text(DecodeRecordText(view.name)).trimmed());
        name_->setModified(false);
    }
    eqMode_->setCurrentIndex(view.geqMode ? 1 : 0);
    threshold_->setValue(view.limiterThresholdCode * 0.1 + kLowestLimiterThresholdDbu);
    attack_->setCurrentIndex(attack_->findData(view.limiterAttackCode));
    release_->setCurrentIndex(release_->findData(view.limiterReleaseCode));
    const std::array<int, 4> shares{view.routing.share1, view.routing.share2, view.routing.share3,
                                    view.routing.share4};
    for (std::size_t i = 0; i < shares_.size(); ++i) {
        shares_[i]->setValue(shares[i]);
    }
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        const BandRow& row = bandRows_.at(static_cast<std::size_t>(band));
        const BandView& shownBand = view.bands.at(static_cast<std::size_t>(band));
        row.frequency->setText(Text(FrequencyLabel(shownBand.frequencyHz)));
        row.type->setCurrentIndex(row.type->findData(shownBand.type));
        row.slope->setCurrentIndex(row.slope->findData(shownBand.slope));
    }
    positionInUse_->setCurrentIndex(shown_.positions.current);
    for (int position = 0; position < kPositionCount; ++position) {
        for (int c = 0; c < kOutputChannelCount; ++c) {
            QLineEdit* field = positionField(position, c);
            if (field->hasFocus() && field->isModified()) {
                continue;  // being typed in
            }
            const int code = shown_.positions.delayCodes.at(static_cast<std::size_t>(position))
                                 .at(static_cast<std::size_t>(c));
            field->setText(Text(DelayFieldText(code, unit_)));
            field->setModified(false);
        }
    }
    showing_ = false;
}

void ChannelSettingsDialog::ApplyEditable() {
    readOnly_->setVisible(!editable_);
    for (QWidget* control : std::initializer_list<QWidget*>{
             name_, eqMode_, threshold_, attack_, release_, routingSwitch_, positionInUse_}) {
        control->setEnabled(editable_);
    }
    for (QSpinBox* share : shares_) {
        share->setEnabled(editable_ && routingSwitch_->isChecked());
    }
    const OutputView& view = shown_.outputs.at(static_cast<std::size_t>(channel_));
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        const BandRow& row = bandRows_.at(static_cast<std::size_t>(band));
        row.type->setEnabled(editable_);
        // A peaking band has no slope to choose.
        row.slope->setEnabled(editable_ && view.bands.at(static_cast<std::size_t>(band)).type != 0);
    }
    for (QLineEdit* field : positionFields_) {
        field->setEnabled(editable_);
    }
}

void ChannelSettingsDialog::ShowAccessibleNames() {
    const auto name = [this](const UiText& text) { return Text(text.In(language_)); };
    setAccessibleName(name(Tr("Page", "Channel settings", "accessible name")));
    name_->setAccessibleName(name(Tr("Page", "Channel name", "accessible name")));
    eqMode_->setAccessibleName(name(Tr("Page", "EQ mode", "accessible name")));
    threshold_->setAccessibleName(name(Tr("Page", "Limiter threshold", "accessible name")));
    attack_->setAccessibleName(name(Tr("Page", "Limiter attack", "accessible name")));
    release_->setAccessibleName(name(Tr("Page", "Limiter release", "accessible name")));
    routingSwitch_->setAccessibleName(
        name(Tr("Page", "Edit the input routing", "accessible name")));
    for (int input = 1; input <= kRoutingInputs; ++input) {
        shares_.at(static_cast<std::size_t>(input - 1))
            ->setAccessibleName(name(
                Tr("Page", "Share of input %1", "accessible name").Arg(std::to_string(input))));
    }
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        const BandRow& row = bandRows_.at(static_cast<std::size_t>(band));
        const std::string number = std::to_string(band + 1);
        row.type->setAccessibleName(
            name(Tr("Page", "Band %1 type", "accessible name").Arg(number)));
        row.slope->setAccessibleName(
            name(Tr("Page", "Band %1 shelf slope", "accessible name").Arg(number)));
    }
    positionInUse_->setAccessibleName(
        name(Tr("Page", "Listening position in use", "accessible name")));
    for (int position = 0; position < kPositionCount; ++position) {
        for (int c = 0; c < kOutputChannelCount; ++c) {
            positionField(position, c)
                ->setAccessibleName(
                    name(Tr("Page", "Position %1 channel %2 delay", "accessible name")
                             .Arg(std::to_string(position))
                             .Arg(std::to_string(c + 1))));
        }
    }
}

void ChannelSettingsDialog::ShowTexts() {
    const auto pick = [this](const UiText& text) { return Text(text.In(language_)); };
    using namespace settings_text;
    setWindowTitle(pick(kTitle).arg(channelName_));
    tabs_->setTabText(0, pick(kChannelTab));
    tabs_->setTabText(1, pick(kBandsTab));
    tabs_->setTabText(2, pick(kPositionsTab));
    readOnly_->setText(pick(kReadOnly));
    ShowAccessibleNames();
    nameLabel_->setText(pick(kName));
    name_->setToolTip(pick(kNameTip));
    eqModeLabel_->setText(pick(kEqMode));
    for (std::size_t mode = 0; mode < kEqModes.size(); ++mode) {
        eqMode_->setItemText(static_cast<int>(mode), pick(kEqModes[mode]));
    }
    eqMode_->setToolTip(pick(kEqModeTip));
    limiterTitle_->setText(pick(kLimiter));
    thresholdLabel_->setText(pick(kThreshold));
    threshold_->setToolTip(pick(kThresholdTip));
    attackLabel_->setText(pick(kAttack));
    attack_->setToolTip(pick(kAttackTip));
    releaseLabel_->setText(pick(kRelease));
    release_->setToolTip(pick(kReleaseTip));
    routingTitle_->setText(pick(kRouting));
    routingWarning_->setText(pick(kRoutingWarning));
    routingSwitch_->setText(pick(kRoutingUnlock));
    routingSwitch_->setToolTip(pick(kRoutingUnlockTip));
    for (int input = 1; input <= kRoutingInputs; ++input) {
        shareLabels_.at(static_cast<std::size_t>(input - 1))->setText(pick(kInput).arg(input));
        shares_.at(static_cast<std::size_t>(input - 1))
            ->setToolTip(pick(kShareTip).arg(input).arg(channelName_));
    }
    const std::array<const UiText*, 4> headings{&kBand, &kFrequency, &kType, &kShelfSlope};
    for (std::size_t i = 0; i < headings.size(); ++i) {
        bandHeadings_[i]->setText(pick(*headings[i]));
    }
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        const BandRow& row = bandRows_.at(static_cast<std::size_t>(band));
        row.type->setItemText(0, pick(kPeak));
        row.type->setItemText(1, pick(kLowShelf));
        row.type->setItemText(2, pick(kHighShelf));
        row.type->setToolTip(pick(kTypeTip).arg(band + 1));
        row.slope->setToolTip(pick(kShelfSlopeTip).arg(band + 1));
    }
    const QString unit = UnitName(unit_, language_);
    positionsNote_->setText(pick(kPositionsNote).arg(unit));
    positionInUseLabel_->setText(pick(kCurrentPosition));
    positionInUse_->setToolTip(pick(kCurrentPositionTip));
    for (int position = 0; position < kPositionCount; ++position) {
        const QString name = pick(ListeningPositionName(position))
                                 .replace(QStringLiteral("&&"), QStringLiteral("&"));
        positionInUse_->setItemText(position, name);
        positionRowLabels_.at(static_cast<std::size_t>(position))->setText(name);
        for (int c = 0; c < kOutputChannelCount; ++c) {
            positionField(position, c)
                ->setToolTip(
                    pick(kPositionDelayTip)
                        .arg(QString::fromLatin1(kDefaultChannelNames[static_cast<std::size_t>(c)]))
                        .arg(name, unit));
        }
    }
    for (int c = 0; c < kOutputChannelCount; ++c) {
        positionColumnLabels_.at(static_cast<std::size_t>(c))
            ->setText(QString::fromLatin1(kDefaultChannelNames[static_cast<std::size_t>(c)]));
    }
}

}  // namespace corva::pages
