// "Auto-EQ...": the current channel's measurement and a target (flat, the house curve or a
// file) give the 31 bands the processor can hold that bring the channel closest to the target;
// the preview shows the measurement, the target and the predicted result on the graph with the
// error figures before anything is sent.
#pragma once

#include <optional>

#include "dsp/response/ResponseGrid.h"
#include "shell/ToolDialog.h"
#include "tuning/AutoEq.h"

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
    QPushButton* hideButton() const { return hide_; }
    const std::optional<tuning::AutoEqResult>& result() const { return result_; }

protected:
    void Preview() override;
    void Apply() override;

private:
    std::optional<Response> ReadLevels(const QString& path);
    std::optional<Response> ChosenTarget();

    QLineEdit* measurement_;
    QComboBox* targetList_;
    QLineEdit* targetFile_;
    QDoubleSpinBox* maxBoost_;
    QSpinBox* low_;
    QSpinBox* high_;
    QPushButton* hide_;
    int channel_ = 0;  // the channel the preview was made for
    std::optional<tuning::AutoEqResult> result_;
    Response measured_{};
    Response target_{};
};

}  // namespace corva::shell
