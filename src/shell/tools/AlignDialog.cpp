#include "shell/tools/AlignDialog.h"

#include <cmath>

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "commands/AlignmentJob.h"
#include "controls/TypedNumber.h"
#include "dsp/values/DelayCodes.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/AppContext.h"
#include "shell/app/Language.h"
#include "shell/app/NameAndTip.h"
#include "shell/tools/MeasurementTexts.h"

namespace corva::shell {

AlignDialog::AlignDialog(AppContext& context, pages::FullInterfacePage& page, QWidget* parent)
    : ToolDialog(context, page, text::kAlignTitle,
                 Tr("Window", "Align from distances", "accessible name"), parent),
      unit_{new QComboBox(this)} {
    BindItems(unit_, {text::kCentimetres, text::kInches});
    BindName(context_.language(), unit_, Tr("Window", "Distance unit", "accessible name"));
    BindTip(unit_, text::kDistanceUnitTip);
    AddRow(text::kDistanceUnit, unit_);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        auto* field = new QLineEdit(this);
        const QString name = page_.channelButton(c)->text();
        BindName(
            context_.language(), field,
            Tr("Window", "Distance to channel %1", "accessible name").Arg(std::to_string(c + 1)));
        context_.language().Bind(field, text::kDistanceTip, [field, name](const QString& tip) {
            field->setToolTip(tip.arg(name));
        });
        distances_.at(static_cast<std::size_t>(c)) = field;
        form()->addRow(name, field);
    }
}

void AlignDialog::Preview() {
    tuning::ChannelDistances distances{};
    bool any = false;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const QString typed = distances_.at(static_cast<std::size_t>(c))->text().trimmed();
        if (typed.isEmpty()) {
            continue;
        }
        const auto distance = controls::ParseTypedNumber(typed);
        if (!distance || !std::isfinite(*distance) || *distance < 0.0) {
            Refuse([name = page_.channelButton(c)->text()](const Language& language) {
                return language.Pick(text::kNotANumberDistance).arg(name);
            });
            return;
        }
        distances[static_cast<std::size_t>(c)] = *distance;
        any = true;
    }
    if (!any) {
        Refuse(text::kNoDistances);
        return;
    }
    const auto unit = unit_->currentIndex() == 1 ? tuning::DistanceUnit::Inches
                                                 : tuning::DistanceUnit::Centimetres;
    const tuning::TimeAlignment alignment = PlanAlignment(distances, unit);
    // One line per channel given a delay: its pattern, the channel's name and the delay.
    std::vector<std::pair<const UiText*, QStringList>> lines;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        const auto& aligned = alignment.channels[static_cast<std::size_t>(c)];
        if (!aligned.delayCode) {
            continue;
        }
        const QString shown =
            QString::fromStdString(DelayFieldText(*aligned.delayCode, DelayUnit::Milliseconds));
        lines.emplace_back(aligned.limited ? &text::kAlignedLimited : &text::kAlignedDelay,
                           QStringList{page_.channelButton(c)->text(), shown});
    }
    ShowResult(
        [lines](const Language& language) {
            QStringList shown;
            for (const auto& [pattern, values] : lines) {
                shown << language.Pick(*pattern).arg(values.at(0), values.at(1));
            }
            return shown.join(QLatin1Char('\n'));
        },
        true);
    alignment_ = alignment;
    emit PreviewFinished();
}

void AlignDialog::Apply() {
    if (!alignment_) {
        return;
    }
    ApplyAlignment(context_.session(), *alignment_);
    page_.RefreshAll();
    ShowApplied();
}

}  // namespace corva::shell
