// One band's column of the EQ editor panel: its label, gain field, gain fader, frequency
// field, Q field and "BY" switch. Edits go through the edit API for the panel's current
// channel; each control then shows the value the edit applied.
#pragma once

#include <functional>

#include <QWidget>

#include "core/UiText.h"
#include "model/TuningSnapshot.h"

class QLabel;

namespace corva {
class ChannelEditor;
}

namespace corva::controls {
class LatchButton;
class ValueField;
class VerticalFader;
}  // namespace corva::controls

namespace corva::pages {

class EqBandColumn : public QWidget {
    Q_OBJECT

public:
    // `band` is 0..30; `currentChannel` names the channel the panel edits.
    EqBandColumn(int band, ChannelEditor& editor, std::function<int()> currentChannel,
                 QWidget* parent = nullptr);

    // Shows the band as the engine holds it; `geqMode` picks the PEQ or GEQ label. Nothing
    // is touched when the band is shown as it is.
    void Show(const BandView& band, bool geqMode);
    // The selected band's column is marked (the same band the graph shows selected).
    void SetSelected(bool selected);
    bool selected() const { return selected_; }
    void SetLanguage(UiLanguage language);

    controls::ValueField* gainField() const { return gain_; }
    controls::VerticalFader* fader() const { return fader_; }
    controls::ValueField* frequencyField() const { return frequency_; }
    controls::ValueField* qField() const { return q_; }
    controls::LatchButton* bypassButton() const { return bypass_; }
    QLabel* label() const { return label_; }

signals:
    // An edit of this band went through (the page selects the band on the graph).
    void Edited();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CommitGainText(const QString& text);
    void CommitGainDb(double gainDb);
    void CommitGainPosition(int gainCode);
    void CommitFrequencyText(const QString& text);
    void CommitFrequencyHz(double frequencyHz);
    void CommitQText(const QString& text);
    void CommitBandwidthIndex(double bandwidthIndex);
    void CommitBypass(bool bypass);
    void ShowGain(const BandView& band);
    void ShowLabel();

    const int band_;
    ChannelEditor& editor_;
    std::function<int()> currentChannel_;
    UiLanguage language_ = UiLanguage::English;
    BandView shown_;
    bool geqMode_ = false;
    bool shownOnce_ = false;
    bool selected_ = false;

    QLabel* label_ = nullptr;
    controls::ValueField* gain_ = nullptr;
    controls::VerticalFader* fader_ = nullptr;
    controls::ValueField* frequency_ = nullptr;
    controls::ValueField* q_ = nullptr;
    controls::LatchButton* bypass_ = nullptr;
};

}  // namespace corva::pages
