#include "pages/EqBandColumn.h"

#include <algorithm>

#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "controls/ControlColours.h"
#include "controls/LatchButton.h"
#include "controls/TypedNumber.h"
#include "controls/ValueField.h"
#include "controls/VerticalFader.h"
#include "dsp/response/FilterResponse.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/ValueLabels.h"
#include "model/ChannelEditor.h"
#include "pages/EditGestures.h"
#include "pages/EqTexts.h"
#include "pages/FieldSteps.h"
#include "pages/PageTexts.h"

namespace corva::pages {
namespace {

constexpr int kBandFaderPageStep = 10;  // 1 dB
// A higher index is a wider band, so Up (more Q) steps the index down: one step of the Q
// table, five with Page Up/Down.
constexpr double kQFineStepIndex = -1.0;
constexpr double kQCoarseStepIndex = -5.0;

QString Numbered(const UiText& text, UiLanguage language, int number) {
    return Text(text.In(language)).arg(number);
}

// Four Han characters are wider than a column at a readable size: they go on two lines of two.
QString WrappedTypeLabel(QString label) {
    const bool fourHan =
        label.size() == 4 && std::all_of(label.cbegin(), label.cend(),
                                         [](QChar c) { return c.script() == QChar::Script_Han; });
    if (fourHan) {
        label.insert(2, QLatin1Char('\n'));
    }
    return label;
}

}  // namespace

EqBandColumn::EqBandColumn(int band, ChannelEditor& editor, std::function<int()> currentChannel,
                           QWidget* parent)
    : QWidget(parent), band_{band}, editor_{editor}, currentChannel_{std::move(currentChannel)} {
    label_ = new QLabel(this);
    label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label_->setWordWrap(true);

    gain_ = new controls::ValueField(this);
    gain_->SetSteps(kGainFineStepDb, kGainCoarseStepDb);
    gain_->SetRange(kLowestBandGainDb, kHighestBandGainDb);

    fader_ = new controls::VerticalFader(this);
    fader_->setRange(0, kBandGainCodeMax);
    fader_->setSingleStep(1);
    fader_->setPageStep(kBandFaderPageStep);
    // The dB scale of the faders is drawn once, beside the first column (EqUnitColumn).

    frequency_ = new controls::ValueField(this);
    UseFrequencySteps(*frequency_);

    q_ = new controls::ValueField(this);
    q_->SetSteps(kQFineStepIndex, kQCoarseStepIndex);
    q_->SetRange(0, kBandwidthIndexMax);

    bypass_ = new controls::LatchButton(this);
    bypass_->SetQuietWhenOn(true);  // an active band's "BY" is lit, a bypassed one grey
    bypass_->setText(Text(eq_text::kBandBypass.In(language_)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(label_);
    layout->addWidget(gain_);
    layout->addWidget(fader_, 1, Qt::AlignHCenter);
    layout->addWidget(frequency_);
    layout->addWidget(q_);
    layout->addWidget(bypass_);

    connect(gain_, &controls::ValueField::TextCommitted, this, &EqBandColumn::CommitGainText);
    connect(gain_, &controls::ValueField::ValueStepped, this, &EqBandColumn::CommitGainDb);
    connect(fader_, &QAbstractSlider::valueChanged, this, &EqBandColumn::CommitGainPosition);
    connect(frequency_, &controls::ValueField::TextCommitted, this,
            &EqBandColumn::CommitFrequencyText);
    connect(frequency_, &controls::ValueField::ValueStepped, this,
            &EqBandColumn::CommitFrequencyHz);
    connect(q_, &controls::ValueField::TextCommitted, this, &EqBandColumn::CommitQText);
    connect(q_, &controls::ValueField::ValueStepped, this, &EqBandColumn::CommitBandwidthIndex);
    connect(bypass_, &QAbstractButton::clicked, this, &EqBandColumn::CommitBypass);
    ConnectGesture(gain_, editor_);
    ConnectGesture(fader_, editor_);
    ConnectGesture(frequency_, editor_);
    ConnectGesture(q_, editor_);

    Show(shown_, geqMode_);
    SetLanguage(language_);
}

void EqBandColumn::Show(const BandView& band, bool geqMode) {
    if (shownOnce_ && band == shown_ && geqMode == geqMode_) {
        return;
    }
    shownOnce_ = true;
    shown_ = band;
    geqMode_ = geqMode;
    ShowGain(band);
    frequency_->ShowValue(band.frequencyHz, Text(FrequencyNumber(band.frequencyHz)));
    // A shelf has a slope, not a Q: its Q field stays empty and cannot be typed in.
    const bool shelf = band.type == static_cast<int>(FilterType::LowShelf) ||
                       band.type == static_cast<int>(FilterType::HighShelf);
    q_->ShowValue(band.bandwidthIndex, shelf ? QString() : Text(QText(band.bandwidthIndex)));
    q_->setEnabled(!shelf);
    const QSignalBlocker blocker(bypass_);
    bypass_->setChecked(band.bypassed);
    ShowLabel();
}

void EqBandColumn::SetSelected(bool selected) {
    if (selected != selected_) {
        selected_ = selected;
        update();
    }
}

void EqBandColumn::paintEvent(QPaintEvent* /*event*/) {
    if (!selected_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(controls::colour::kAccent, 1.0));
    painter.setBrush(controls::colour::kAccent.lighter(190));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3.0, 3.0);
}

void EqBandColumn::SetLanguage(UiLanguage language) {
    language_ = language;
    const int number = band_ + 1;
    gain_->setToolTip(Numbered(eq_text::kGainTip, language, number));
    fader_->setToolTip(Numbered(eq_text::kGainTip, language, number));
    frequency_->setToolTip(Numbered(eq_text::kFrequencyTip, language, number));
    q_->setToolTip(Numbered(eq_text::kQTip, language, number));
    bypass_->setToolTip(Numbered(eq_text::kBypassTip, language, number));
    gain_->setAccessibleName(
        Numbered(Tr("Page", "Band %1 gain", "accessible name"), language, number));
    fader_->setAccessibleName(
        Numbered(Tr("Page", "Band %1 gain fader", "accessible name"), language, number));
    frequency_->setAccessibleName(
        Numbered(Tr("Page", "Band %1 frequency", "accessible name"), language, number));
    q_->setAccessibleName(Numbered(Tr("Page", "Band %1 Q", "accessible name"), language, number));
    bypass_->setAccessibleName(
        Numbered(Tr("Page", "Band %1 bypass", "accessible name"), language, number));
    bypass_->setText(Text(eq_text::kBandBypass.In(language)));
    // Every column of a language keeps the height of the language's tallest label, so the
    // fields and faders of all 31 columns stay on one line. Measured on the labels themselves:
    // Han lines come from a fallback font taller than the column font's own line spacing.
    int tallest = 0;
    for (const FilterType kind :
         {FilterType::Peaking, FilterType::LowShelf, FilterType::HighShelf}) {
        for (const bool geq : {false, true}) {
            const QString label = Text(BandTypeLabel(static_cast<int>(kind), geq).In(language));
            const QString sample = QStringLiteral("31\n") + WrappedTypeLabel(label);
            tallest = std::max(tallest, label_->fontMetrics().size(0, sample).height());
        }
    }
    label_->setFixedHeight(tallest);
    ShowLabel();
}

void EqBandColumn::ShowLabel() {
    const QString type = Text(BandTypeLabel(shown_.type, geqMode_).In(language_));
    label_->setText(QStringLiteral("%1\n%2").arg(band_ + 1).arg(WrappedTypeLabel(type)));
    label_->setToolTip(type + QLatin1Char(' ') + QString::number(band_ + 1));
    label_->setAccessibleName(
        Numbered(Tr("Page", "Band %1 type", "accessible name"), language_, band_ + 1));
}

// A bypassed band reads 0.0 dB with the fader in the middle, whatever gain it keeps.
void EqBandColumn::ShowGain(const BandView& band) {
    const double shownDb = band.bypassed ? 0.0 : band.gainDb;
    gain_->ShowValue(shownDb, Text(BandGainNumber(band.gainDb, band.bypassed)));
    const QSignalBlocker blocker(fader_);
    fader_->setValue(band.bypassed ? kBandGainCodeFlat : BandGainCode(band.gainDb));
}

void EqBandColumn::CommitGainText(const QString& text) {
    const auto gainDb = controls::ParseTypedNumber(text);
    if (!gainDb) {
        ShowGain(shown_);  // not a number: the old value stays
        return;
    }
    CommitGainDb(*gainDb);
}

void EqBandColumn::CommitGainDb(double gainDb) {
    const double appliedDb = editor_.SetBandGainDb(currentChannel_(), band_, gainDb);
    gain_->ShowValue(appliedDb, Text(BandGainNumber(appliedDb, false)));
    emit Edited();  // the session's change event brings the bypass and the fader
}

void EqBandColumn::CommitGainPosition(int gainCode) {
    editor_.SetBandGainPosition(currentChannel_(), band_, gainCode);
    emit Edited();
}

void EqBandColumn::CommitFrequencyText(const QString& text) {
    const auto frequencyHz = controls::ParseTypedNumber(text);
    if (!frequencyHz) {
        frequency_->ShowValue(shown_.frequencyHz, Text(FrequencyNumber(shown_.frequencyHz)));
        return;
    }
    CommitFrequencyHz(*frequencyHz);
}

void EqBandColumn::CommitFrequencyHz(double frequencyHz) {
    const int appliedHz = editor_.SetBandFrequency(currentChannel_(), band_, frequencyHz);
    frequency_->ShowValue(appliedHz, Text(FrequencyNumber(appliedHz)));
    emit Edited();
}

void EqBandColumn::CommitQText(const QString& text) {
    const auto q = controls::ParseTypedNumber(text);
    if (!q) {
        q_->ShowValue(shown_.bandwidthIndex, Text(QText(shown_.bandwidthIndex)));
        return;
    }
    const double appliedQ = editor_.SetBandQ(currentChannel_(), band_, *q);
    q_->ShowValue(BandwidthIndexForQ(appliedQ), Text(QText(BandwidthIndexForQ(appliedQ))));
    emit Edited();
}

void EqBandColumn::CommitBandwidthIndex(double bandwidthIndex) {
    const int index = static_cast<int>(bandwidthIndex);
    editor_.SetBandBandwidthIndex(currentChannel_(), band_, index);
    q_->ShowValue(index, Text(QText(index)));
    emit Edited();
}

void EqBandColumn::CommitBypass(bool bypass) {
    const bool bypassed = editor_.SetBandBypass(currentChannel_(), band_, BandBypassOf(bypass)) ==
                          BandBypass::Bypassed;
    const QSignalBlocker blocker(bypass_);
    bypass_->setChecked(bypassed);
    emit Edited();
}

}  // namespace corva::pages
