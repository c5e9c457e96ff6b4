// The main volume panel: a field and a vertical fader for the master volume (OFF, then -59
// to +6 dB) and the master mute button. A new volume also unmutes; the edit API sends each
// change while the processor is connected.
#pragma once

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

class MainVolumePanel : public QWidget {
    Q_OBJECT

public:
    MainVolumePanel(ChannelEditor& editor, QWidget* parent = nullptr);

    void Show(const TuningSnapshot& snapshot);
    void SetLanguage(UiLanguage language);

    controls::ValueField* field() const { return field_; }
    controls::VerticalFader* fader() const { return fader_; }
    controls::LatchButton* muteButton() const { return mute_; }

signals:
    void Edited();

private:
    void CommitText(const QString& text);
    void CommitCode(int volumeCode);
    void ShowVolume(int volumeCode, bool masterOn);
    void ShowTexts();

    ChannelEditor& editor_;
    UiLanguage language_ = UiLanguage::English;
    int code_ = 0;
    bool masterOn_ = true;

    QLabel* title_;
    controls::ValueField* field_;
    controls::VerticalFader* fader_;
    controls::LatchButton* mute_;
};

}  // namespace corva::pages
