// "Auto-EQ...": the current channel's measurement and a target (flat, the house curve or a
// file) give the 31 bands the processor can hold that bring the channel closest to the target;
// the preview shows the measurement, the target and the predicted result on the graph with the
// error figures before anything is sent.
#pragma once

#include <optional>

#include "commands/AutoEqJob.h"
#include "shell/tools/ToolDialog.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace corva::shell {

class AutoEqDialog : public ToolDialog {
    Q_OBJECT

public:
    AutoEqDialog(AppContext& context, pages::FullInterfacePage& page, QWidget* parent);

    QLineEdit* measurementField() const { return measurement_; }
    QComboBox* targetList() const { return targetList_; }
    QLineEdit* targetField() const { return targetFile_; }
    QDoubleSpinBox* maxBoostField() const { return maxBoost_; }
    QSpinBox* lowField() const { return low_; }
    QSpinBox* highField() const { return high_; }
    QSpinBox* smoothingField() const { return smoothing_; }
    QPushButton* hideButton() const { return hide_; }
    std::optional<tuning::AutoEqResult> result() const {
        return plan_ ? std::optional{plan_->result} : std::nullopt;
    }
    const std::optional<AutoEqPlan>& plan() const { return plan_; }

protected:
    void Preview() override;
    void Apply() override;

private:
    AutoEqRequest Request() const;

    QLineEdit* measurement_;
    QComboBox* targetList_;
    QLineEdit* targetFile_;
    QDoubleSpinBox* maxBoost_;
    QSpinBox* low_;
    QSpinBox* high_;
    QSpinBox* smoothing_;
    QPushButton* hide_;
    std::optional<AutoEqPlan> plan_;
};

}  // namespace corva::shell
