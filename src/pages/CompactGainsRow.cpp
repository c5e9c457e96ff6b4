#include "pages/CompactGainsRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "controls/LatchButton.h"
#include "controls/TypedNumber.h"
#include "controls/ValueField.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/ValueLabels.h"
#include "pages/EditGestures.h"
#include "pages/GraphPalette.h"
#include "pages/PageTexts.h"

namespace corva::pages {

CompactGainsRow::CompactGainsRow(ChannelEditor& editor, QWidget* parent)
    : QWidget(parent), editor_{editor} {
    setObjectName(QStringLiteral("compactGains"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(3);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        ChannelCell& cell = cells_.at(static_cast<std::size_t>(c));
        cell.name = new QLabel(this);
        cell.name->setStyleSheet(
            QStringLiteral("QLabel{border-left:4px solid %1;padding-left:4px;font-weight:bold;}")
                .arg(kChannelColours.at(static_cast<std::size_t>(c)).name()));
        cell.gain = new controls::ValueField(this);
        cell.gain->SetSteps(0.1, 1.0);
        cell.gain->SetRange(kLowestChannelGainDb, kHighestChannelGainDb);
        cell.gain->setFixedWidth(62);
        cell.name->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        cell.polarity = new controls::LatchButton(this);
        cell.mute = new controls::LatchButton(this);
        row->addWidget(cell.name);
        row->addWidget(cell.gain);
        row->addWidget(cell.polarity);
        row->addWidget(cell.mute);
        if (c + 1 < kOutputChannelCount) {
            row->addStretch(1);
        }
        const auto commitDb = [this, c](double gainDb) {
            editor_.SetGainDb(c, gainDb);
            emit Edited();
        };
        connect(cell.gain, &controls::ValueField::TextCommitted, this,
                [this, c, commitDb](const QString& text) {
                    if (const auto gainDb = controls::ParseTypedNumber(text)) {
                        commitDb(*gainDb);
                    } else {
                        Cell(c).gain->RestoreShownValue();  // not a number: the old value stays
                    }
                });
        connect(cell.gain, &controls::ValueField::ValueStepped, this, commitDb);
        ConnectGesture(cell.gain, editor_);  // a held arrow key is one undo step
        connect(cell.polarity, &QAbstractButton::clicked, this, [this, c](bool inverted) {
            editor_.SetPolarity(c, PolarityOf(inverted));
            emit Edited();
        });
        connect(cell.mute, &QAbstractButton::clicked, this, [this, c](bool muted) {
            editor_.SetMuted(c, MuteStateOf(muted));
            emit Edited();
        });
    }
}

void CompactGainsRow::Show(const TuningSnapshot& snapshot,
                           const std::array<QString, kOutputChannelCount>& names) {
    names_ = names;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const OutputView& view = snapshot.outputs.at(static_cast<std::size_t>(c));
        shown_.at(static_cast<std::size_t>(c)) = view;
        const ChannelCell& cell = Cell(c);
        cell.name->setText(names.at(static_cast<std::size_t>(c)));
        cell.gain->ShowValue(ChannelGainDb(view.gainCode), Text(ChannelGainLabel(view.gainCode)));
        const QSignalBlocker polarity(cell.polarity);
        cell.polarity->setChecked(view.polarity != 0);
        const QSignalBlocker mute(cell.mute);
        cell.mute->setChecked(!view.on);
    }
    ShowTexts();
}

void CompactGainsRow::SetLanguage(UiLanguage language) {
    language_ = language;
    ShowTexts();
}

void CompactGainsRow::ShowTexts() {
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const ChannelCell& cell = Cell(c);
        const OutputView& view = shown_.at(static_cast<std::size_t>(c));
        const QString& name = names_.at(static_cast<std::size_t>(c));
        const auto pick = [this, &name](const UiText& text) {
            return Text(text.In(language_)).arg(name);
        };
        cell.polarity->setText(Text(PolarityLabel(view.polarity).In(language_)));
        cell.mute->setText(Text(OnLabel(view.on ? 1 : 0).In(language_)));
        cell.gain->setToolTip(pick(page_text::kStripGainTip));
        cell.polarity->setToolTip(pick(page_text::kStripPolarityTip));
        cell.mute->setToolTip(pick(page_text::kStripMuteTip));
        const auto accessible = [this, c, &name](const UiText& text) {
            return ChannelAccessibleName(text, c, name, language_);
        };
        cell.gain->setAccessibleName(
            accessible(Tr("Page", "Channel %1 %2 gain (EQ row)", "accessible name")));
        cell.polarity->setAccessibleName(
            accessible(Tr("Page", "Channel %1 %2 polarity (EQ row)", "accessible name")));
        cell.mute->setAccessibleName(
            accessible(Tr("Page", "Channel %1 %2 mute (EQ row)", "accessible name")));
    }
}

}  // namespace corva::pages
