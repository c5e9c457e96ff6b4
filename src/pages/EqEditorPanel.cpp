#include "pages/EqEditorPanel.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "controls/FlatButton.h"
#include "controls/LatchButton.h"
#include "controls/PixelFont.h"
#include "controls/ValueField.h"
#include "model/TuningSession.h"
#include "pages/EqBandColumn.h"
#include "pages/EqTexts.h"
#include "pages/EqUnitColumn.h"
#include "pages/PageTexts.h"

namespace corva::pages {
namespace {

// 31 columns of about 38 px at 1280 px need narrow digits: the fields show numbers alone
// ("20000", "-20.0") and the units column beside the first column names their units.
constexpr int kColumnFontPx = 11;
constexpr int kColumnSpacingPx = 1;
constexpr int kHeaderFontPx = 12;
constexpr int kNoteShownMs = 5000;

QFont ColumnFont(const QFont& base) {
    QFont font = controls::WithPixelSize(base, kColumnFontPx);
    font.setStretch(QFont::Condensed);
    return font;
}

}  // namespace

EqEditorPanel::EqEditorPanel(TuningSession& session, ChannelEditor& editor, ConfirmQuestion confirm,
                             QWidget* parent)
    : QWidget(parent), session_{session}, editor_{editor}, confirm_{std::move(confirm)} {
    title_ = new QLabel(this);
    const QFont headerFont = controls::WithPixelSize(font(), kHeaderFontPx);
    title_->setFont(headerFont);
    note_ = new QLabel(this);
    note_->setFont(headerFont);
    note_->setStyleSheet(QStringLiteral("color:#8a5a00;"));
    note_->hide();
    bypassAll_ = new controls::LatchButton(this);
    bypassAll_->setFont(headerFont);
    resetAll_ = new controls::FlatButton(controls::ButtonTone::Raised, this);
    resetAll_->setFont(headerFont);
    resetAll_->setFixedHeight(20);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(4, 0, 0, 0);
    header->setSpacing(8);
    header->addWidget(title_);
    header->addStretch(1);
    header->addWidget(note_);
    header->addWidget(bypassAll_);
    header->addWidget(resetAll_);

    auto* bands = new QHBoxLayout;
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(kColumnSpacingPx);
    const QFont columnFont = ColumnFont(font());
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        auto* column = new EqBandColumn(
            band, editor_, [this] { return channel_; }, this);
        column->setFont(columnFont);
        bands->addWidget(column, 1);
        connect(column, &EqBandColumn::Edited, this, [this, band] { emit BandEdited(band); });
        columns_.at(static_cast<std::size_t>(band)) = column;
    }
    units_ = new EqUnitColumn(*columns_.front(), this);
    units_->setFont(columnFont);
    bands->insertWidget(0, units_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 4, 2, 2);
    layout->setSpacing(4);
    layout->addLayout(header);
    layout->addLayout(bands, 1);

    connect(bypassAll_, &QAbstractButton::clicked, this, &EqEditorPanel::ToggleBypassAll);
    connect(resetAll_, &QAbstractButton::clicked, this, &EqEditorPanel::ResetAll);
    SetLanguage(language_);
    Refresh(session_.Snapshot());
}

void EqEditorPanel::SetCurrentChannel(int channel) {
    if (channel < 0 || channel >= kOutputChannelCount) {
        return;
    }
    channel_ = channel;
    Refresh(session_.Snapshot());
}

void EqEditorPanel::Refresh(const TuningSnapshot& snapshot) {
    shown_ = snapshot.outputs.at(static_cast<std::size_t>(channel_));
    ShowChannel();
}

void EqEditorPanel::ShowChannel() {
    for (std::size_t band = 0; band < columns_.size(); ++band) {
        columns_[band]->Show(shown_.bands.at(band), shown_.geqMode);
    }
    const QSignalBlocker blocker(bypassAll_);
    bypassAll_->setChecked(shown_.allBypassed);
}

std::vector<controls::ValueField*> EqEditorPanel::ValueFieldsInRingOrder() const {
    std::vector<controls::ValueField*> fields;
    fields.reserve(columns_.size() * 3);
    for (const auto* column : columns_) {
        fields.push_back(column->gainField());
        fields.push_back(column->frequencyField());
        fields.push_back(column->qField());
    }
    return fields;
}

void EqEditorPanel::SetLanguage(UiLanguage language) {
    language_ = language;
    title_->setText(Text(eq_text::kTitle.In(language)));
    bypassAll_->setText(Text(eq_text::kBypassAll.In(language)));
    bypassAll_->setToolTip(Text(eq_text::kBypassAllTip.In(language)));
    resetAll_->setText(Text(eq_text::kResetAll.In(language)));
    resetAll_->setToolTip(Text(eq_text::kResetAllTip.In(language)));
    setAccessibleName(Text(Tr("Page", "Output EQ", "accessible name").In(language)));
    bypassAll_->setAccessibleName(
        Text(Tr("Page", "Bypass all bands", "accessible name").In(language)));
    resetAll_->setAccessibleName(
        Text(Tr("Page", "Reset all bands", "accessible name").In(language)));
    units_->setAccessibleName(Text(Tr("Page", "EQ units", "accessible name").In(language)));
    for (auto* column : columns_) {
        column->SetLanguage(language);
    }
}

void EqEditorPanel::SetSelectedBand(int band) {
    for (std::size_t b = 0; b < columns_.size(); ++b) {
        columns_[b]->SetSelected(static_cast<int>(b) == band);
    }
}

// The switch has already flipped when this runs; the edit API asks, undoes a "No" and says
// where the switch belongs.
void EqEditorPanel::ToggleBypassAll(bool on) {
    const bool position = editor_.SetBypassAll(channel_, OnOffOf(on), confirm_) == OnOff::On;
    // Restoring a channel whose bands are all flat leaves every band bypassed: say so.
    const bool nothingRaised = std::none_of(shown_.bands.begin(), shown_.bands.end(),
                                            [](const BandView& band) { return !band.bypassed; });
    if (!on && position && nothingRaised) {
        note_->setText(Text(eq_text::kNothingRaised.In(language_)));
        note_->show();
        QTimer::singleShot(kNoteShownMs, note_, &QLabel::hide);
    }
    {
        const QSignalBlocker blocker(bypassAll_);
        bypassAll_->setChecked(position);
    }
}

void EqEditorPanel::ResetAll() {
    editor_.ResetAllEq(channel_, confirm_);
}

}  // namespace corva::pages
