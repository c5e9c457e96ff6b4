#include "pages/MainVolumePanel.h"

#include <vector>

#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "controls/LatchButton.h"
#include "controls/TypedNumber.h"
#include "controls/ValueField.h"
#include "controls/VerticalFader.h"
#include "dsp/values/EntryLimits.h"
#include "dsp/values/ValueLabels.h"
#include "model/ChannelEditor.h"
#include "pages/EditGestures.h"
#include "pages/PageTexts.h"

namespace corva::pages {
namespace {

constexpr int kVolumeCodeMax = 66;  // +6 dB
constexpr int kVolumeFaderPageStep = 6;

}  // namespace

MainVolumePanel::MainVolumePanel(ChannelEditor& editor, QWidget* parent)
    : QWidget(parent),
      editor_{editor},
      title_{new QLabel(this)},
      field_{new controls::ValueField(this)},
      fader_{new controls::VerticalFader(this)},
      mute_{new controls::LatchButton(this)} {
    title_->setAlignment(Qt::AlignHCenter);
    title_->setStyleSheet(QStringLiteral("font-weight:bold;"));
    // The field steps in codes: one step is 1 dB, and code 0 is OFF.
    field_->SetSteps(1.0, kVolumeFaderPageStep);
    field_->SetRange(0, kVolumeCodeMax);
    field_->setMinimumWidth(64);
    fader_->setRange(0, kVolumeCodeMax);
    fader_->setSingleStep(1);
    fader_->setPageStep(kVolumeFaderPageStep);
    // dB marks every 10 dB and at the top, like the channel strips' faders; code 0 is OFF.
    std::vector<controls::VerticalFader::ScaleMark> scale;
    for (int code = kVolumeCodeMax; code > 0; code -= code == kVolumeCodeMax ? 6 : 10) {
        const int db = MainVolumeDb(code);
        scale.emplace_back(code, db > 0 ? QStringLiteral("+%1").arg(db) : QString::number(db));
    }
    fader_->SetScale(std::move(scale));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(title_);
    layout->addWidget(field_);
    layout->addWidget(fader_, 1, Qt::AlignHCenter);
    layout->addWidget(mute_);

    connect(field_, &controls::ValueField::TextCommitted, this, &MainVolumePanel::CommitText);
    connect(field_, &controls::ValueField::ValueStepped, this,
            [this](double code) { CommitCode(static_cast<int>(code)); });
    connect(fader_, &QAbstractSlider::valueChanged, this, &MainVolumePanel::CommitCode);
    ConnectGesture(field_, editor_);
    ConnectGesture(fader_, editor_);
    connect(mute_, &QAbstractButton::clicked, this, [this] {
        // The button is pressed while the master output is muted; a press turns it over.
        editor_.SetMasterOn(OnOffOf(!masterOn_));
        emit Edited();
    });
    ShowVolume(code_, masterOn_);
    ShowTexts();
}

void MainVolumePanel::Show(const TuningSnapshot& snapshot) {
    ShowVolume(snapshot.mainVolumeCode, snapshot.masterOn);
}

void MainVolumePanel::SetLanguage(UiLanguage language) {
    language_ = language;
    ShowTexts();
    ShowVolume(code_, masterOn_);
}

// Each commit shows back what the engine holds; the session's change event brings the mute
// button (a new volume also unmutes).
void MainVolumePanel::CommitText(const QString& text) {
    std::optional<int> applied;
    if (IsMainVolumeOffText(text.toStdString(), MainVolumeLabel(0).In(language_))) {
        applied = editor_.SetMainVolumeDb(std::nullopt);
    } else if (const auto volumeDb = controls::ParseTypedNumber(text)) {
        applied = editor_.SetMainVolumeDb(*volumeDb);
    }
    // Text that is no number keeps the volume: a stray key must not jump it to 0 dB.
    if (applied) {
        ShowVolume(*applied, masterOn_);
    }
    emit Edited();
}

void MainVolumePanel::CommitCode(int volumeCode) {
    if (volumeCode != code_) {
        editor_.SetMainVolume(volumeCode);
        emit Edited();
    }
}

void MainVolumePanel::ShowVolume(int volumeCode, bool masterOn) {
    code_ = volumeCode;
    masterOn_ = masterOn;
    field_->ShowValue(volumeCode, Text(MainVolumeLabel(volumeCode).In(language_)));
    {
        const QSignalBlocker blocker(fader_);
        fader_->setValue(volumeCode);
    }
    const QSignalBlocker blocker(mute_);
    mute_->setChecked(!masterOn);
}

void MainVolumePanel::ShowTexts() {
    const auto pick = [this](const UiText& text) { return Text(text.In(language_)); };
    title_->setText(pick(page_text::kVolumeTitle));
    field_->setToolTip(pick(page_text::kVolumeTip));
    fader_->setToolTip(pick(page_text::kVolumeTip));
    mute_->setText(pick(page_text::kMasterMute));
    mute_->setToolTip(pick(page_text::kMasterMuteTip));
    field_->setAccessibleName(pick(Tr("Page", "Main volume", "accessible name")));
    fader_->setAccessibleName(pick(Tr("Page", "Main volume fader", "accessible name")));
    mute_->setAccessibleName(pick(Tr("Page", "Master mute", "accessible name")));
}

}  // namespace corva::pages
