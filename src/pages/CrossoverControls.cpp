#include "pages/CrossoverControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "controls/TypedNumber.h"
#include "controls/ValueField.h"
#include "dsp/response/FilterResponse.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/ValueLabels.h"
#include "pages/EditGestures.h"
#include "pages/FieldSteps.h"
#include "pages/FocusedWheel.h"
#include "pages/PageTexts.h"

namespace corva::pages {
namespace {

constexpr int kKindCount = 3;
// The page offers 6..30 dB/oct; steeper slopes and OFF come only from the processor or a file
// and are then shown as one more entry, so the list never claims a slope the channel lacks.
constexpr int kOfferedSlopes = 5;

const UiText& FilterName(CrossoverFilter filter) {
    return filter == CrossoverFilter::HighPass ? page_text::kHighPass : page_text::kLowPass;
}

struct CrossoverNames {
    UiText frequency;
    UiText kind;
    UiText slope;
};

const CrossoverNames& AccessibleNames(CrossoverFilter filter) {
    static const CrossoverNames kHighPass{Tr("Page", "High pass frequency", "accessible name"),
                                          Tr("Page", "High pass kind", "accessible name"),
                                          Tr("Page", "High pass slope", "accessible name")};
    static const CrossoverNames kLowPass{Tr("Page", "Low pass frequency", "accessible name"),
                                         Tr("Page", "Low pass kind", "accessible name"),
                                         Tr("Page", "Low pass slope", "accessible name")};
    return filter == CrossoverFilter::HighPass ? kHighPass : kLowPass;
}

}  // namespace

CrossoverControls::CrossoverControls(ChannelEditor& editor, QWidget* parent)
    : QWidget(parent), editor_{editor}, title_{new QLabel(this)} {
    title_->setStyleSheet(QStringLiteral("font-weight:bold;"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(title_, 0, 0, 1, 4);
    BuildRow(CrossoverFilter::HighPass, 1);
    BuildRow(CrossoverFilter::LowPass, 2);
    grid->setColumnStretch(1, 1);
    ShowTexts();
}

CrossoverControls::FilterRow& CrossoverControls::Row(CrossoverFilter filter) {
    return rows_[filter == CrossoverFilter::HighPass ? 0 : 1];
}

const CrossoverControls::FilterRow& CrossoverControls::Row(CrossoverFilter filter) const {
    return rows_[filter == CrossoverFilter::HighPass ? 0 : 1];
}

controls::ValueField* CrossoverControls::frequencyField(CrossoverFilter filter) const {
    return Row(filter).frequency;
}

QComboBox* CrossoverControls::kindList(CrossoverFilter filter) const {
    return Row(filter).kind;
}

QComboBox* CrossoverControls::slopeList(CrossoverFilter filter) const {
    return Row(filter).slope;
}

void CrossoverControls::BuildRow(CrossoverFilter filter, int gridRow) {
    FilterRow& row = Row(filter);
    row.label = new QLabel(this);
    row.frequency = new controls::ValueField(this);
    UseFrequencySteps(*row.frequency);
    ConnectGesture(row.frequency, editor_);
    row.frequency->setMinimumWidth(70);
    row.kind = new QComboBox(this);
    FocusedWheel::Apply(row.kind);
    for (int kind = 0; kind < kKindCount; ++kind) {
        row.kind->addItem(QString(), kind);
    }
    row.slope = new QComboBox(this);
    FocusedWheel::Apply(row.slope);
    for (int slope = 0; slope < kOfferedSlopes; ++slope) {
        row.slope->addItem(Text(CrossoverSlopeLabel(slope)), slope);
    }

    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(row.label, gridRow, 0);
    grid->addWidget(row.frequency, gridRow, 1);
    grid->addWidget(row.kind, gridRow, 2);
    grid->addWidget(row.slope, gridRow, 3);

    connect(row.frequency, &controls::ValueField::TextCommitted, this,
            [this, filter](const QString& text) {
                const auto frequencyHz = controls::ParseTypedNumber(text);
                if (!frequencyHz) {
                    ShowRow(filter, Row(filter).shown);  // not a number: the old value stays
                    return;
                }
                CommitFrequency(filter, *frequencyHz);
            });
    connect(row.frequency, &controls::ValueField::ValueStepped, this,
            [this, filter](double frequencyHz) { CommitFrequency(filter, frequencyHz); });
    // Any change of the entry takes effect (mouse, keyboard or a screen reader's choice);
    // refreshes from the model block the signal.
    connect(row.kind, &QComboBox::currentIndexChanged, this, [this, filter](int index) {
        if (index < 0) {
            return;
        }
        editor_.SetCrossoverKind(
            channel_, filter,
            ChoiceOfCode<CrossoverKind>(Row(filter).kind->itemData(index).toInt()));
        emit Edited();
    });
    connect(row.slope, &QComboBox::currentIndexChanged, this, [this, filter](int index) {
        if (index < 0) {
            return;
        }
        editor_.SetCrossoverSlope(
            channel_, filter,
            ChoiceOfCode<CrossoverSlope>(Row(filter).slope->itemData(index).toInt()),
            SixDbSlopeRule::ForcesLinkwitzRiley);
        emit Edited();
    });
}

void CrossoverControls::CommitFrequency(CrossoverFilter filter, double frequencyHz) {
    // A high-pass above the low-pass (or the reverse) comes back as the other's frequency.
    const int appliedHz = editor_.SetCrossoverFrequency(channel_, filter, frequencyHz);
    Row(filter).frequency->ShowValue(appliedHz, Text(FrequencyLabel(appliedHz)));
    emit Edited();
}

void CrossoverControls::Show(const OutputView& view) {
    ShowRow(CrossoverFilter::HighPass, view.highPass);
    ShowRow(CrossoverFilter::LowPass, view.lowPass);
}

void CrossoverControls::ShowRow(CrossoverFilter filter, const CrossoverView& view) {
    FilterRow& row = Row(filter);
    row.shown = view;
    row.frequency->ShowValue(view.frequencyHz, Text(FrequencyLabel(view.frequencyHz)));
    {
        const QSignalBlocker blocker(row.kind);
        row.kind->setCurrentIndex(view.kind >= 0 && view.kind < kKindCount ? view.kind : -1);
    }
    const QSignalBlocker blocker(row.slope);
    while (row.slope->count() > kOfferedSlopes) {
        row.slope->removeItem(row.slope->count() - 1);
    }
    if (view.slope >= kOfferedSlopes) {
        row.slope->addItem(Text(CrossoverSlopeLabel(view.slope)), view.slope);
    }
    row.slope->setCurrentIndex(row.slope->findData(view.slope));
    // 6 dB/oct exists only as Linkwitz-Riley on this page.
    row.kind->setEnabled(view.slope != 0);
}

void CrossoverControls::SetLanguage(UiLanguage language) {
    language_ = language;
    ShowTexts();
}

void CrossoverControls::ShowTexts() {
    title_->setText(Text(page_text::kCrossoverTitle.In(language_)));
    for (const CrossoverFilter filter : {CrossoverFilter::HighPass, CrossoverFilter::LowPass}) {
        FilterRow& row = Row(filter);
        const QString name = Text(FilterName(filter).In(language_));
        row.label->setText(name);
        row.frequency->setToolTip(Text(page_text::kCrossoverFrequencyTip.In(language_)).arg(name));
        row.kind->setToolTip(Text(page_text::kCrossoverKindTip.In(language_)).arg(name));
        row.slope->setToolTip(Text(page_text::kCrossoverSlopeTip.In(language_)).arg(name));
        const CrossoverNames& names = AccessibleNames(filter);
        row.frequency->setAccessibleName(Text(names.frequency.In(language_)));
        row.kind->setAccessibleName(Text(names.kind.In(language_)));
        row.slope->setAccessibleName(Text(names.slope.In(language_)));
        for (int kind = 0; kind < kKindCount; ++kind) {
            row.kind->setItemText(kind, Text(CrossoverKindLabel(kind).In(language_)));
        }
    }
}

}  // namespace corva::pages
