// The full interface page: a channel chooser, the output response graph and the EQ editor of
// the current channel. It reads one snapshot per session change and edits only through the
// edit API; protected tuning hides the editors and says how to unlock. Alt+1..Alt+6 choose the
// channel, and linked channels share a mark in the chooser.
#pragma once

#include <array>
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

namespace corva::pages {

class EqEditorPanel;
class ResponseGraph;

class FullInterfacePage : public QWidget {
    Q_OBJECT

public:
    // `confirm` asks the editors' questions (the program's yes/no box).
    FullInterfacePage(TuningSession& session, ConfirmQuestion confirm, QWidget* parent = nullptr);

    void SetCurrentChannel(int channel);
    int currentChannel() const { return channel_; }
    void SetLanguage(UiLanguage language);
    // Shows the editors, or hides them with the reason while the tuning is protected.
    void SetEditingVisible(bool visible);
    bool editingVisible() const { return editingVisible_; }

    ResponseGraph& graph() { return *graph_; }
    EqEditorPanel& eqEditor() { return *eqEditor_; }
    QAbstractButton* channelButton(int channel) const;

public slots:
    // Every session change refreshes from one snapshot; idle polls raise none.
    void OnSessionChanged(const corva::SessionEvent& event);
    void RefreshAll();

private:
    void Show(const TuningSnapshot& snapshot);
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
    QButtonGroup* channels_;
    QLabel* chooserLabel_;
    QLabel* lockedNotice_;
    ResponseGraph* graph_;
    EqEditorPanel* eqEditor_;
    std::array<QString, kOutputChannelCount> names_;
    std::array<std::vector<int>, kOutputChannelCount> linkPartners_;  // other channels, in order
    std::array<QShortcut*, kOutputChannelCount> shortcuts_{};
};

}  // namespace corva::pages
