// The current channel's crossover on the full interface page: for the high-pass and the
// low-pass a frequency field, a kind list and a slope list. The edit API keeps the order of
// the two frequencies, repeats every change on linked channels and makes 6 dB/oct
// Linkwitz-Riley; the controls show what it applied (the kind list is disabled at 6 dB/oct).
#pragma once

#include <array>
#include <vector>

#include <QWidget>

#include "core/UiText.h"
#include "model/ChannelEditor.h"
#include "model/TuningSnapshot.h"

class QComboBox;
class QLabel;

namespace corva::controls {
class ValueField;
}

namespace corva::pages {

class CrossoverControls : public QWidget {
    Q_OBJECT

public:
    CrossoverControls(ChannelEditor& editor, QWidget* parent = nullptr);

    void SetCurrentChannel(int channel) { channel_ = channel; }
    void Show(const OutputView& view);
    void SetLanguage(UiLanguage language);

    controls::ValueField* frequencyField(CrossoverFilter filter) const;
    QComboBox* kindList(CrossoverFilter filter) const;
    QComboBox* slopeList(CrossoverFilter filter) const;

signals:
    void Edited();

private:
    struct FilterRow {
        QLabel* label = nullptr;
        controls::ValueField* frequency = nullptr;
        QComboBox* kind = nullptr;
        QComboBox* slope = nullptr;
        CrossoverView shown;
    };

    FilterRow& Row(CrossoverFilter filter);
    const FilterRow& Row(CrossoverFilter filter) const;
    void BuildRow(CrossoverFilter filter, int gridRow);
    void ShowRow(CrossoverFilter filter, const CrossoverView& view);
    void CommitFrequency(CrossoverFilter filter, double frequencyHz);
    void ShowTexts();

    ChannelEditor& editor_;
    int channel_ = 0;
    UiLanguage language_ = UiLanguage::English;
    QLabel* title_;
    std::array<FilterRow, 2> rows_;  // high-pass, low-pass
};

}  // namespace corva::pages
