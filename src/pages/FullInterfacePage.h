// The full interface page: the channel chooser with the pair link buttons, the output response
// graph, the current channel's crossover, the delay page and the main volume, and below them
// either the EQ editor of the current channel or the six channel strips. It reads one snapshot
// per session change (and refreshes only the channels it names) and edits only through the
// edit API, which raises that change; protected tuning is shown read-only with a line that
// says how to unlock it. Alt+1..Alt+6 choose the channel, Alt+E and Alt+C the lower area, and
// linked channels share a mark in the chooser.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <QWidget>

#include "core/UiText.h"
#include "model/ChannelEditor.h"
#include "model/SessionEvents.h"
#include "model/TuningSnapshot.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QShortcut;

namespace corva::controls {
class ValueField;
}

namespace corva::pages {

class ChannelSettingsDialog;
class ChannelStrip;
class CompactGainsRow;
class CrossoverControls;
class DelayPanel;
class EqEditorPanel;
class MainVolumePanel;
class ResponseGraph;

// Asks which way a pair is copied before it is linked; nothing when the user cancels.
using LinkDirectionQuestion = std::function<std::optional<LinkDirection>(int pair)>;

// What the area under the graph shows.
enum class LowerArea { EqEditor, ChannelStrips };

class FullInterfacePage : public QWidget {
    Q_OBJECT

public:
    // `confirm` asks the editors' questions (the program's yes/no box).
    FullInterfacePage(TuningSession& session, ConfirmQuestion confirm, QWidget* parent = nullptr);

    // Choosing the current channel again changes nothing (the selected band stays).
    void SetCurrentChannel(int channel);
    int currentChannel() const { return channel_; }
    // Selects a band of the current channel on the graph and marks its EQ column.
    void SelectBand(int band);
    void SetLanguage(UiLanguage language);
    // Enables the editors, or disables them (values and curves stay shown) with the reason
    // while the tuning is protected.
    void SetEditingVisible(bool visible);
    bool editingVisible() const { return editingVisible_; }

    void ShowLowerArea(LowerArea area);
    LowerArea lowerArea() const { return lowerArea_; }
    // Replaces the link dialog (tests answer it themselves).
    void SetLinkDirectionQuestion(LinkDirectionQuestion question);
    // The pair link button: unlinks a linked pair, or asks the direction and links it.
    void TogglePairLink(int pair);

    ResponseGraph& graph() { return *graph_; }
    EqEditorPanel& eqEditor() { return *eqEditor_; }
    // The six gains, polarities and mutes in one line over the EQ editor.
    CompactGainsRow& gainsRow() { return *gainsRow_; }
    CrossoverControls& crossover() { return *crossover_; }
    DelayPanel& delayPanel() { return *delay_; }
    MainVolumePanel& mainVolume() { return *volume_; }
    ChannelStrip& strip(int channel) const { return *strips_.at(static_cast<std::size_t>(channel)); }
    QAbstractButton* channelButton(int channel) const;
    QAbstractButton* linkButton(int pair) const { return links_.at(static_cast<std::size_t>(pair)); }
    QAbstractButton* lowerAreaButton(LowerArea area) const;
    // "Channel settings...": name, limiter, EQ mode, routing, band types and listening
    // positions of the current channel, in a window of its own (made on first use).
    QAbstractButton* channelSettingsButton() const { return settingsButton_; }
    ChannelSettingsDialog& OpenChannelSettings();
    // Every value field of the page in the order the keyboard walks them.
    std::vector<controls::ValueField*> ValueFieldsInRingOrder() const;

public slots:
    // Every session change refreshes from one snapshot; idle polls raise none.
    void OnSessionChanged(const corva::SessionEvent& event);
    void RefreshAll();

private:
    void Show(const TuningSnapshot& snapshot);
    // After an edit of the channels in `channels`: only what they show, unless a link or a
    // name changed, which the whole page shows.
    void ShowOutputs(const TuningSnapshot& snapshot, std::uint8_t channels);
    bool LinksOrNamesChanged(const TuningSnapshot& snapshot) const;
    void ShowStrips(const TuningSnapshot& snapshot);
    void ShowCurrentCrossover(const TuningSnapshot& snapshot);
    void ShowSelectMarks(const TuningSnapshot& snapshot);
    void ReadNames(const TuningSnapshot& snapshot);
    // The graph selects the current channel's first band that is not bypassed (or band 1).
    void SelectFirstShapingBand(const TuningSnapshot& snapshot);
    void ShowTexts();
    // Outlines linked buttons alike and says in each button's description whom it is linked with.
    void ShowLinkMarks();

    TuningSession& session_;
    ChannelEditor editor_;
    UiLanguage language_ = UiLanguage::English;
    int channel_ = 0;
    bool editingVisible_ = true;
    LowerArea lowerArea_ = LowerArea::EqEditor;
    LinkDirectionQuestion linkQuestion_;
    QButtonGroup* channels_;
    QButtonGroup* lowerButtons_;
    QLabel* chooserLabel_;
    QLabel* lockedNotice_;
    QAbstractButton* settingsButton_;
    ChannelSettingsDialog* settings_ = nullptr;
    ResponseGraph* graph_;
    CrossoverControls* crossover_;
    DelayPanel* delay_;
    MainVolumePanel* volume_;
    QWidget* editorColumn_;  // crossover and delay page
    EqEditorPanel* eqEditor_;
    CompactGainsRow* gainsRow_;
    QWidget* stripsRow_;
    std::array<ChannelStrip*, kOutputChannelCount> strips_{};
    std::array<QAbstractButton*, kPairCount> links_{};
    std::array<QString, kOutputChannelCount> names_;
    // The link groups and record names the page last showed in full.
    std::array<int, kOutputChannelCount> shownGroups_{};
    std::array<std::string, kOutputChannelCount> shownRecordNames_;
    std::array<std::vector<int>, kOutputChannelCount> linkPartners_;  // other channels, in order
    std::array<QShortcut*, kOutputChannelCount + 2> shortcuts_{};  // channels, lower area
};

}  // namespace corva::pages
