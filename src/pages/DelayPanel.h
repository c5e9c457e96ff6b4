// The delay page: one field per output channel in the chosen unit (milliseconds or
// centimetres), the unit list, a button per channel that makes it the current channel, and
// the listening position the processor uses. Typed delays go through the edit API, which
// moves channels 5 and 6 together while they are linked.
#pragma once

#include <array>

#include <QWidget>

#include "core/UiText.h"
#include "dsp/values/DelayCodes.h"
#include "model/TuningSnapshot.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace corva {
class ChannelEditor;
}

namespace corva::controls {
class ValueField;
}

namespace corva::pages {

class DelayPanel : public QWidget {
    Q_OBJECT

public:
    DelayPanel(ChannelEditor& editor, QWidget* parent = nullptr);

    void Show(const TuningSnapshot& snapshot, const std::array<QString, kOutputChannelCount>& names);
    // Marks the buttons of the current channel (and of its sub-pair partner while linked).
    void SetMarkedChannels(unsigned channelMask);
    void SetLanguage(UiLanguage language);
    // The unit of the fields; it starts in milliseconds on every run.
    DelayUnit unit() const { return unit_; }
    void SetUnit(DelayUnit unit);

    controls::ValueField* field(int channel) const { return fields_.at(static_cast<std::size_t>(channel)); }
    QPushButton* channelButton(int channel) const {
        return buttons_.at(static_cast<std::size_t>(channel));
    }
    QComboBox* unitList() const { return unitList_; }
    QLabel* positionLabel() const { return position_; }

signals:
    void ChannelChosen(int channel);
    void UnitChanged(corva::DelayUnit unit);

private:
    void ShowFields();
    void ShowCode(int channel, int code);
    void ShowTexts();

    ChannelEditor& editor_;
    DelayUnit unit_ = DelayUnit::Milliseconds;
    UiLanguage language_ = UiLanguage::English;
    std::array<int, kOutputChannelCount> codes_{};
    std::array<QString, kOutputChannelCount> names_;
    int positionInUse_ = 0;

    QLabel* title_;
    QComboBox* unitList_;
    QLabel* position_;
    std::array<QPushButton*, kOutputChannelCount> buttons_{};
    std::array<controls::ValueField*, kOutputChannelCount> fields_{};
};

}  // namespace corva::pages
