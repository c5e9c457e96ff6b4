// The current channel's settings that have no place on the page itself: name, EQ mode,
// limiter, input routing (behind a switch that says it changes which inputs feed the output),
// the type and shelf slope of each band, and the listening-position table with the position in
// use. Every edit goes through the edit API, is limited and undone like the page's own; while
// the tuning is protected everything is shown and nothing can be changed.
#pragma once

#include <array>
#include <vector>

#include <QDialog>

#include "core/UiText.h"
#include "dsp/values/DelayCodes.h"
#include "model/ChannelEditor.h"
#include "model/TuningSnapshot.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace corva::pages {

class ChannelSettingsDialog : public QDialog {
    Q_OBJECT

public:
    ChannelSettingsDialog(TuningSession& session, ChannelEditor& editor, QWidget* parent);

    void SetChannel(int channel, const QString& channelName);
    int channel() const { return channel_; }
    void SetLanguage(UiLanguage language);
    void SetDelayUnit(DelayUnit unit);
    void Show(const TuningSnapshot& snapshot);
    bool editable() const { return editable_; }

    QLineEdit* nameField() const { return name_; }
    QLabel* nameProblem() const { return nameProblem_; }
    QComboBox* eqModeList() const { return eqMode_; }
    QDoubleSpinBox* thresholdBox() const { return threshold_; }
    QComboBox* attackList() const { return attack_; }
    QComboBox* releaseList() const { return release_; }
    QCheckBox* routingSwitch() const { return routingSwitch_; }
    QSpinBox* shareBox(int input) const { return shares_.at(static_cast<std::size_t>(input - 1)); }
    QComboBox* bandTypeList(int band) const {
        return bandRows_.at(static_cast<std::size_t>(band)).type;
    }
    QComboBox* shelfSlopeList(int band) const {
        return bandRows_.at(static_cast<std::size_t>(band)).slope;
    }
    QLineEdit* positionField(int position, int channel) const;
    QComboBox* positionInUseList() const { return positionInUse_; }

signals:
    void Edited();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct BandRow {
        QLabel* number = nullptr;
        QLabel* frequency = nullptr;
        QComboBox* type = nullptr;
        QComboBox* slope = nullptr;
    };
    QWidget* BuildChannelTab();
    QWidget* BuildBandsTab();
    QWidget* BuildPositionsTab();
    void CommitName();
    void CommitPositionDelay(int position, int channel);
    void ShowValues();
    void ShowTexts();
    void ShowAccessibleNames();
    void ApplyEditable();
    void AfterEdit();

    TuningSession& session_;
    ChannelEditor& editor_;
    UiLanguage language_ = UiLanguage::English;
    DelayUnit unit_ = DelayUnit::Milliseconds;
    int channel_ = 0;
    QString channelName_;
    TuningSnapshot shown_;
    bool editable_ = true;
    bool showing_ = false;  // values being shown: the widgets' change signals are not edits

    QTabWidget* tabs_;
    QLabel* readOnly_;
    QLabel* nameLabel_;
    QLineEdit* name_;
    QLabel* nameProblem_;
    QLabel* eqModeLabel_;
    QComboBox* eqMode_;
    QLabel* limiterTitle_;
    QLabel* thresholdLabel_;
    QDoubleSpinBox* threshold_;
    QLabel* attackLabel_;
    QComboBox* attack_;
    QLabel* releaseLabel_;
    QComboBox* release_;
    QLabel* routingTitle_;
    QLabel* routingWarning_;
    QCheckBox* routingSwitch_;
    std::array<QLabel*, 4> shareLabels_{};
    std::array<QSpinBox*, 4> shares_{};
    std::array<QLabel*, 4> bandHeadings_{};
    std::array<BandRow, output_block::kBandSlots> bandRows_{};
    QLabel* positionsNote_;
    QLabel* positionInUseLabel_;
    QComboBox* positionInUse_;
    std::vector<QLabel*> positionRowLabels_;
    std::vector<QLabel*> positionColumnLabels_;
    std::vector<QLineEdit*> positionFields_;  // position-major, six per position
};

}  // namespace corva::pages
