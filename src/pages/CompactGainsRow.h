// One line under the graph while the EQ is shown: the six channels' gain, polarity and mute,
// so levels can be matched while the EQ is being shaped. The edits are the strips' own (linked
// gains keep their offsets, a gain change unmutes, mute and polarity follow the sub pair).
#pragma once

#include <array>

#include <QWidget>

#include "core/UiText.h"
#include "model/ChannelEditor.h"
#include "model/TuningSnapshot.h"

namespace corva::controls {
class LatchButton;
class ValueField;
}  // namespace corva::controls

class QLabel;

namespace corva::pages {

class CompactGainsRow : public QWidget {
    Q_OBJECT

public:
    CompactGainsRow(ChannelEditor& editor, QWidget* parent = nullptr);

    void Show(const TuningSnapshot& snapshot, const std::array<QString, kOutputChannelCount>& names);
    void SetLanguage(UiLanguage language);

    controls::ValueField* gainField(int channel) const { return Cell(channel).gain; }
    controls::LatchButton* polarityButton(int channel) const { return Cell(channel).polarity; }
    controls::LatchButton* muteButton(int channel) const { return Cell(channel).mute; }

signals:
    void Edited();

private:
    struct ChannelCell {
        QLabel* name = nullptr;
        controls::ValueField* gain = nullptr;
        controls::LatchButton* polarity = nullptr;
        controls::LatchButton* mute = nullptr;
    };
    const ChannelCell& Cell(int channel) const {
        return cells_.at(static_cast<std::size_t>(channel));
    }
    void ShowTexts();

    ChannelEditor& editor_;
    UiLanguage language_ = UiLanguage::English;
    std::array<ChannelCell, kOutputChannelCount> cells_{};
    std::array<OutputView, kOutputChannelCount> shown_{};
    std::array<QString, kOutputChannelCount> names_;
};

}  // namespace corva::pages
