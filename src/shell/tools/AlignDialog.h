// "Align from distances...": the distance from the listening seat to each speaker gives the
// six delays (the farthest none, the others the time their sound arrives early), converted as
// the delay fields convert typed values; the preview lists them before anything is sent.
#pragma once

#include <array>
#include <optional>

#include "protocol/ImageLayout.h"
#include "shell/tools/ToolDialog.h"
#include "tuning/TimeAlignment.h"

class QComboBox;
class QLineEdit;

namespace corva::shell {

class AlignDialog : public ToolDialog {
    Q_OBJECT

public:
    AlignDialog(AppContext& context, pages::FullInterfacePage& page, QWidget* parent);

    QLineEdit* distanceField(int channel) const {
        return distances_.at(static_cast<std::size_t>(channel));
    }
    QComboBox* unitList() const { return unit_; }
    const std::optional<tuning::TimeAlignment>& alignment() const { return alignment_; }

protected:
    void Preview() override;
    void Apply() override;

private:
    std::array<QLineEdit*, kOutputChannelCount> distances_{};
    QComboBox* unit_;
    std::optional<tuning::TimeAlignment> alignment_;
};

}  // namespace corva::shell
