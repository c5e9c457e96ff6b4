// One output channel's strip on the full interface page: its channel button (which makes it
// the current channel), gain fader with field and spin, polarity and mute switches. Edits go
// through the edit API, which applies the linking and sub-pair rules; the strip then shows
// the values the engine applied.
#pragma once

#include <QWidget>

#include "controls/RoundedFace.h"
#include "core/UiText.h"
#include "model/TuningSnapshot.h"

class QPushButton;
class QToolButton;

namespace corva {
class ChannelEditor;
}

namespace corva::controls {
class LatchButton;
class ValueField;
class VerticalFader;
}  // namespace corva::controls

namespace corva::pages {

class ChannelStrip : public QWidget {
    Q_OBJECT

public:
    ChannelStrip(int channel, ChannelEditor& editor, QWidget* parent = nullptr);

    void Show(const OutputView& view, const QString& name);
    // The select mark: the current channel and every channel linked with it.
    void SetSelected(bool selected);
    bool selected() const { return selected_; }
    void SetLanguage(UiLanguage language);

    QPushButton* channelButton() const { return button_; }
    controls::VerticalFader* fader() const { return fader_; }
    controls::ValueField* gainField() const { return gain_; }
    QToolButton* gainUpButton() const { return up_; }
    QToolButton* gainDownButton() const { return down_; }
    controls::LatchButton* polarityButton() const { return polarity_; }
    controls::LatchButton* muteButton() const { return mute_; }

    QSize sizeHint() const override { return {196, 248}; }

signals:
    void ChannelChosen(int channel);
    // An edit went through; the page refreshes every strip from a new snapshot.
    void Edited();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CommitGainText(const QString& text);
    void CommitGainDb(double gainDb);
    void CommitGainCode(int gainCode);
    void ShowGain(int gainCode);
    void ShowTexts();

    const int channel_;
    ChannelEditor& editor_;
    UiLanguage language_ = UiLanguage::English;
    OutputView shown_;
    QString name_;
    bool selected_ = false;

    QPushButton* button_;
    controls::VerticalFader* fader_;
    controls::ValueField* gain_;
    QToolButton* up_;
    QToolButton* down_;
    controls::LatchButton* polarity_;
    controls::LatchButton* mute_;
    controls::RoundedFace face_;  // the strip's card, drawn once per size and selection
};

}  // namespace corva::pages
