#include "pages/DelayPanel.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "controls/PaintCachedPushButton.h"
#include "controls/TypedNumber.h"
#include "controls/ValueField.h"
#include "model/ChannelEditor.h"
#include "pages/EditGestures.h"
#include "pages/FocusedWheel.h"
#include "pages/GraphPalette.h"
#include "pages/PageTexts.h"

namespace corva::pages {
namespace {

// The fields step in delay codes (1/48 ms); Page Up/Down by one millisecond.
constexpr double kFineStepCodes = 1.0;
constexpr double kCoarseStepCodes = 48.0;
constexpr int kButtonFramePx = 4 + 2 * 6 + 8;  // colour strip, padding, the style's margin

QString ButtonStyle(int channel) {
    const QColor colour = kChannelColours.at(static_cast<std::size_t>(channel));
    return QStringLiteral(
               "QPushButton{border-left:4px solid %1;padding:2px 6px;}"
               "QPushButton:checked{background:%2;font-weight:bold;}")
        .arg(colour.name(), colour.lighter(185).name());
}

}  // namespace

DelayPanel::DelayPanel(ChannelEditor& editor, QWidget* parent)
    : QWidget(parent),
      editor_{editor},
      title_{new QLabel(this)},
      unitList_{new QComboBox(this)},
      position_{new QLabel(this)} {
    title_->setStyleSheet(QStringLiteral("font-weight:bold;"));
    FocusedWheel::Apply(unitList_);
    unitList_->addItem(QString(), static_cast<int>(DelayUnit::Milliseconds));
    unitList_->addItem(QString(), static_cast<int>(DelayUnit::Centimetres));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(title_, 0, 0, 1, 2);
    grid->addWidget(unitList_, 0, 2, 1, 2);
    // One row per pair: left channel, then right channel.
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto* button = new controls::PaintCachedPushButton(this);
        button->setCheckable(true);
        button->setStyleSheet(ButtonStyle(c));
        button->setFocusPolicy(Qt::StrongFocus);
        auto* field = new controls::ValueField(this);
        field->SetSteps(kFineStepCodes, kCoarseStepCodes);
        field->SetRange(0, kDelayCodeMax);
        field->setMinimumWidth(64);
        buttons_.at(static_cast<std::size_t>(c)) = button;
        fields_.at(static_cast<std::size_t>(c)) = field;
        const int row = 1 + c / 2;
        const int column = 2 * (c % 2);
        grid->addWidget(button, row, column);
        grid->addWidget(field, row, column + 1);

        connect(button, &QPushButton::clicked, this, [this, c] { emit ChannelChosen(c); });
        connect(field, &controls::ValueField::TextCommitted, this, [this, c](const QString& text) {
            // Text that is no number changes nothing (the field shows its value again).
            if (controls::ParseTypedNumber(text)) {
                ShowCode(c, editor_.CommitDelayText(c, text.toStdString(), unit_));
            }
        });
        connect(field, &controls::ValueField::ValueStepped, this, [this, c](double code) {
            ShowCode(c, editor_.CommitDelay(c, static_cast<int>(code)));
        });
        ConnectGesture(field, editor_);
    }
    grid->addWidget(position_, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(unitList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        SetUnit(static_cast<DelayUnit>(unitList_->itemData(index).toInt()));
    });
    ShowTexts();
}

void DelayPanel::Show(const TuningSnapshot& snapshot,
                      const std::array<QString, kOutputChannelCount>& names) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        codes_.at(static_cast<std::size_t>(c)) =
            snapshot.outputs.at(static_cast<std::size_t>(c)).delayCode;
    }
    ShowFields();
    // Texts are set only when they change: most refreshes follow an edit of one value.
    if (names != names_ || snapshot.positions.current != positionInUse_) {
        names_ = names;
        positionInUse_ = snapshot.positions.current;
        ShowTexts();
    }
}

void DelayPanel::SetMarkedChannels(unsigned channelMask) {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        buttons_.at(static_cast<std::size_t>(c))->setChecked(((channelMask >> c) & 1U) != 0);
    }
}

void DelayPanel::SetUnit(DelayUnit unit) {
    if (unit != DelayUnit::Milliseconds && unit != DelayUnit::Centimetres) {
        return;  // the page offers milliseconds and centimetres only
    }
    unitList_->setCurrentIndex(unitList_->findData(static_cast<int>(unit)));
    if (unit == unit_) {
        return;
    }
    unit_ = unit;
    ShowFields();
    emit UnitChanged(unit);
}

void DelayPanel::SetLanguage(UiLanguage language) {
    language_ = language;
    ShowTexts();
}

void DelayPanel::ShowFields() {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        ShowCode(c, codes_.at(static_cast<std::size_t>(c)));
    }
}

void DelayPanel::ShowCode(int channel, int code) {
    codes_.at(static_cast<std::size_t>(channel)) = code;
    fields_.at(static_cast<std::size_t>(channel))
        ->ShowValue(code, Text(DelayFieldText(code, unit_)));
}

void DelayPanel::ShowTexts() {
    const auto pick = [this](const UiText& text) { return Text(text.In(language_)); };
    title_->setText(pick(page_text::kDelayTitle));
    unitList_->setItemText(0, pick(page_text::kDelayMs));
    unitList_->setItemText(1, pick(page_text::kDelayCm));
    unitList_->setToolTip(pick(page_text::kDelayUnitTip));
    unitList_->setAccessibleName(pick(Tr("Page", "Delay unit", "accessible name")));
    position_->setAccessibleName(pick(Tr("Page", "Listening position in use", "accessible name")));
    position_->setText(pick(page_text::kListeningPosition)
                           .arg(Text(ListeningPositionName(positionInUse_).In(language_))));
    position_->setToolTip(pick(page_text::kListeningPositionTip));
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const QString& name = names_.at(static_cast<std::size_t>(c));
        QPushButton* button = buttons_.at(static_cast<std::size_t>(c));
        button->setText(name);
        // Room for the bold text of the marked button, so "Center" is never cut.
        QFont bold = button->font();
        bold.setBold(true);
        button->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(name) + kButtonFramePx);
        button->setToolTip(pick(page_text::kDelayButtonTip).arg(name));
        button->setAccessibleName(ChannelAccessibleName(
            Tr("Page", "Delay channel %1 %2", "accessible name"), c, name, language_));
        controls::ValueField* field = fields_.at(static_cast<std::size_t>(c));
        field->setToolTip(pick(page_text::kDelayFieldTip).arg(name));
        field->setAccessibleName(ChannelAccessibleName(
            Tr("Page", "Channel %1 %2 delay", "accessible name"), c, name, language_));
    }
}

}  // namespace corva::pages
