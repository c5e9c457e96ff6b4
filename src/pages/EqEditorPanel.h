// The output EQ editor under the response graph: the 31 band columns of the current channel,
// the bypass-all switch and the reset-all button. It edits through the edit API; the page
// refreshes it from the snapshot of the session's change event (an edit shows once).
#pragma once

#include <array>
#include <vector>

#include <QWidget>

#include "core/UiText.h"
#include "model/ChannelEditor.h"
#include "model/TuningSnapshot.h"

class QLabel;

namespace corva {
class TuningSession;
}

namespace corva::controls {
class FlatButton;
class LatchButton;
class ValueField;
}  // namespace corva::controls

namespace corva::pages {

class EqBandColumn;
class EqUnitColumn;

inline constexpr int kEqPanelWidthPx = 1260;
inline constexpr int kEqPanelHeightPx = 260;

class EqEditorPanel : public QWidget {
    Q_OBJECT

public:
    // `confirm` asks the bypass-all and reset-all questions (the program's yes/no box).
    EqEditorPanel(TuningSession& session, ChannelEditor& editor, ConfirmQuestion confirm,
                  QWidget* parent = nullptr);

    // Output channel 0..5; the columns show it at once.
    void SetCurrentChannel(int channel);
    int currentChannel() const { return channel_; }
    // Shows the current channel as `snapshot` holds it.
    void Refresh(const TuningSnapshot& snapshot);
    // Marks the selected band's column.
    void SetSelectedBand(int band);
    void SetLanguage(UiLanguage language);

    EqBandColumn* column(int band) const { return columns_.at(static_cast<std::size_t>(band)); }
    // Every value field, band by band: gain, frequency, Q (the order the keyboard walks them).
    std::vector<controls::ValueField*> ValueFieldsInRingOrder() const;
    controls::LatchButton* bypassAllButton() const { return bypassAll_; }
    controls::FlatButton* resetAllButton() const { return resetAll_; }
    const QLabel* noteLabel() const { return note_; }

    QSize sizeHint() const override { return {kEqPanelWidthPx, kEqPanelHeightPx}; }

signals:
    // An edit in a band's column went through (the page selects that band on the graph).
    void BandEdited(int band);

private:
    void ShowChannel();
    void ToggleBypassAll(bool on);
    void ResetAll();

    TuningSession& session_;
    ChannelEditor& editor_;
    ConfirmQuestion confirm_;
    int channel_ = 0;
    UiLanguage language_ = UiLanguage::English;
    OutputView shown_;

    QLabel* title_ = nullptr;
    QLabel* note_ = nullptr;  // why the bypass-all switch changed nothing
    controls::LatchButton* bypassAll_ = nullptr;
    controls::FlatButton* resetAll_ = nullptr;
    std::array<EqBandColumn*, output_block::kBandSlots> columns_{};
    EqUnitColumn* units_ = nullptr;
};

}  // namespace corva::pages
