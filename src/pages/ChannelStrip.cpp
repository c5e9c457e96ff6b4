#include "pages/ChannelStrip.h"

#include <QGridLayout>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/ControlColours.h"
#include "controls/LatchButton.h"
#include "controls/PaintCachedPushButton.h"
#include "controls/TypedNumber.h"
#include "controls/ValueField.h"
#include "controls/VerticalFader.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/ValueLabels.h"
#include "model/ChannelEditor.h"
#include "pages/EditGestures.h"
#include "pages/GraphPalette.h"
#include "pages/PageTexts.h"

namespace corva::pages {
namespace {

constexpr int kStripFaderPageStep = 10;  // 1 dB
constexpr int kSpinRepeatMs = 60;

QToolButton* SpinButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatInterval(kSpinRepeatMs);
    // The field itself steps with Up and Down; the arrows are for the mouse.
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(26, 18);
    return button;
}

}  // namespace

ChannelStrip::ChannelStrip(int channel, ChannelEditor& editor, QWidget* parent)
    : QWidget(parent),
      channel_{channel},
      editor_{editor},
      button_{new controls::PaintCachedPushButton(this)},
      fader_{new controls::VerticalFader(this)},
      gain_{new controls::ValueField(this)},
      up_{SpinButton(Qt::UpArrow, this)},
      down_{SpinButton(Qt::DownArrow, this)},
      polarity_{new controls::LatchButton(this)},
      mute_{new controls::LatchButton(this)} {
    const QColor colour = kChannelColours.at(static_cast<std::size_t>(channel));
    button_->setStyleSheet(QStringLiteral("QPushButton{border-left:4px solid %1;padding:3px 8px;}")
                               .arg(colour.name()));
    button_->setFocusPolicy(Qt::StrongFocus);

    fader_->setRange(0, kChannelGainCodeMax);
    fader_->setSingleStep(1);
    fader_->setPageStep(kStripFaderPageStep);
    std::vector<controls::VerticalFader::ScaleMark> scale;
    for (int db = 0; db >= -60; db -= 10) {
        scale.emplace_back(kChannelGainCodeMax + db * 10, QString::number(db));
    }
    fader_->SetScale(std::move(scale));
    gain_->SetSteps(kGainFineStepDb, kGainCoarseStepDb);
    gain_->SetRange(kLowestChannelGainDb, kHighestChannelGainDb);
    gain_->setMinimumWidth(76);
    polarity_->setMinimumWidth(76);
    mute_->setMinimumWidth(76);

    auto* spin = new QHBoxLayout;
    spin->setSpacing(2);
    spin->addWidget(up_);
    spin->addWidget(down_);
    spin->addStretch();

    auto* controlsColumn = new QVBoxLayout;
    controlsColumn->setSpacing(6);
    controlsColumn->addStretch();
    controlsColumn->addWidget(gain_);
    controlsColumn->addLayout(spin);
    controlsColumn->addSpacing(10);
    controlsColumn->addWidget(polarity_);
    controlsColumn->addWidget(mute_);
    controlsColumn->addStretch();

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addWidget(fader_, 0, Qt::AlignHCenter);
    body->addLayout(controlsColumn, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(button_);
    layout->addLayout(body, 1);

    connect(button_, &QPushButton::clicked, this, [this] { emit ChannelChosen(channel_); });
    connect(fader_, &QAbstractSlider::valueChanged, this, &ChannelStrip::CommitGainCode);
    connect(gain_, &controls::ValueField::TextCommitted, this, &ChannelStrip::CommitGainText);
    connect(gain_, &controls::ValueField::ValueStepped, this, &ChannelStrip::CommitGainDb);
    connect(up_, &QToolButton::clicked, this,
            [this] { CommitGainCode(std::min(shown_.gainCode + 1, kChannelGainCodeMax)); });
    connect(down_, &QToolButton::clicked, this,
            [this] { CommitGainCode(std::max(shown_.gainCode - 1, 0)); });
    ConnectGesture(fader_, editor_);
    ConnectGesture(gain_, editor_);
    ConnectGesture(up_, editor_);
    ConnectGesture(down_, editor_);
    connect(polarity_, &QAbstractButton::clicked, this, [this](bool inverted) {
        editor_.SetPolarity(channel_, PolarityOf(inverted));
        emit Edited();
    });
    connect(mute_, &QAbstractButton::clicked, this, [this](bool muted) {
        editor_.SetMuted(channel_, MuteStateOf(muted));
        emit Edited();
    });
    ShowTexts();
}

void ChannelStrip::Show(const OutputView& view, const QString& name) {
    // Texts are set only when they change: most refreshes follow a gain step.
    const bool textsChanged = name != name_ || view.polarity != shown_.polarity ||
                              view.on != shown_.on || view.linked != shown_.linked;
    shown_ = view;
    name_ = name;
    if (!textsChanged) {
        ShowGain(view.gainCode);
        return;
    }
    button_->setText(view.linked ? name + QStringLiteral(" ∞") : name);
    ShowGain(view.gainCode);
    {
        const QSignalBlocker blocker(polarity_);
        polarity_->setChecked(view.polarity != 0);
    }
    {
        const QSignalBlocker blocker(mute_);
        mute_->setChecked(!view.on);
    }
    ShowTexts();
}

void ChannelStrip::SetSelected(bool selected) {
    if (selected_ != selected) {
        selected_ = selected;
        update();
    }
}

void ChannelStrip::SetLanguage(UiLanguage language) {
    language_ = language;
    ShowTexts();
}

void ChannelStrip::ShowTexts() {
    const auto pick = [this](const UiText& text) { return Text(text.In(language_)).arg(name_); };
    polarity_->setText(Text(PolarityLabel(shown_.polarity).In(language_)));
    mute_->setText(Text(OnLabel(shown_.on ? 1 : 0).In(language_)));
    button_->setToolTip(pick(page_text::kStripButtonTip));
    gain_->setToolTip(pick(page_text::kStripGainTip));
    fader_->setToolTip(pick(page_text::kStripGainTip));
    up_->setToolTip(pick(page_text::kStripGainUpTip));
    down_->setToolTip(pick(page_text::kStripGainDownTip));
    polarity_->setToolTip(pick(page_text::kStripPolarityTip));
    mute_->setToolTip(pick(page_text::kStripMuteTip));

    const auto name = [this](const UiText& text) {
        return ChannelAccessibleName(text, channel_, name_, language_);
    };
    button_->setAccessibleName(name(Tr("Page", "Strip %1 %2", "accessible name")));
    gain_->setAccessibleName(name(Tr("Page", "Channel %1 %2 gain", "accessible name")));
    fader_->setAccessibleName(name(Tr("Page", "Channel %1 %2 gain fader", "accessible name")));
    up_->setAccessibleName(name(Tr("Page", "Channel %1 %2 gain up", "accessible name")));
    down_->setAccessibleName(name(Tr("Page", "Channel %1 %2 gain down", "accessible name")));
    polarity_->setAccessibleName(name(Tr("Page", "Channel %1 %2 polarity", "accessible name")));
    mute_->setAccessibleName(name(Tr("Page", "Channel %1 %2 mute", "accessible name")));
}

void ChannelStrip::ShowGain(int gainCode) {
    gain_->ShowValue(ChannelGainDb(gainCode), Text(ChannelGainLabel(gainCode)));
    const QSignalBlocker blocker(fader_);
    fader_->setValue(gainCode);
}

void ChannelStrip::CommitGainText(const QString& text) {
    const auto gainDb = controls::ParseTypedNumber(text);
    if (!gainDb) {
        ShowGain(shown_.gainCode);  // not a number: the old value stays
        return;
    }
    CommitGainDb(*gainDb);
}

void ChannelStrip::CommitGainDb(double gainDb) {
    const double appliedDb = editor_.SetGainDb(channel_, gainDb);
    ShowGain(ChannelGainCodeForDb(appliedDb));
    emit Edited();  // the session's change event shows the linked strips
}

void ChannelStrip::CommitGainCode(int gainCode) {
    editor_.SetGain(channel_, gainCode);
    emit Edited();  // the session's change event shows this strip and its linked strips
}

void ChannelStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    face_.Paint(
        painter, QRectF(rect()).adjusted(1, 1, -1, -1),
        selected_ ? QPen(controls::colour::kAccent, 2.0) : QPen(controls::colour::kBorder, 1.0),
        QBrush(Qt::white), 5.0);
}

}  // namespace corva::pages
