#include "shell/AutoEqDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "model/ChannelEditor.h"
#include "pages/FullInterfacePage.h"
#include "pages/ResponseGraph.h"
#include "shell/AppContext.h"
#include "shell/BackgroundWork.h"
#include "shell/MeasurementTexts.h"
#include "tuning/Measurement.h"
#include "tuning/OverlayCurves.h"
#include "tuning/TargetCurves.h"

namespace corva::shell {
namespace {

enum TargetChoice { kFlat, kHouse, kFromFile };

const QString kMeasurementFilter = QStringLiteral("Measurements (*.txt *.frd);;All files (*)");

QString Decibels(double value) {
    return QString::number(value, 'f', 2);
}

}  // namespace

AutoEqDialog::AutoEqDialog(AppContext& context, pages::FullInterfacePage& page, QWidget* parent)
    : ToolDialog(context, page, text::kAutoEqTitle, parent),
      measurement_{new QLineEdit(this)},
      targetList_{new QComboBox(this)},
      targetFile_{new QLineEdit(this)},
      maxBoost_{new QDoubleSpinBox(this)},
      low_{new QSpinBox(this)},
      high_{new QSpinBox(this)},
      hide_{new QPushButton(this)} {
    const tuning::AutoEqOptions defaults;
    measurement_->setAccessibleName(QStringLiteral("Measurement file"));
    targetFile_->setAccessibleName(QStringLiteral("Target file"));
    targetList_->setAccessibleName(QStringLiteral("Target"));
    targetList_->setToolTip(Pick(text::kTargetTip));
    targetList_->addItems({Pick(text::kTargetFlat), Pick(text::kTargetHouse), Pick(text::kTargetFile)});
    maxBoost_->setAccessibleName(QStringLiteral("Largest boost"));
    maxBoost_->setToolTip(Pick(text::kMaxBoostTip));
    maxBoost_->setRange(0.0, 20.0);
    maxBoost_->setDecimals(1);
    maxBoost_->setValue(defaults.maxBoostDb);
    for (QSpinBox* edge : {low_, high_}) {
        edge->setRange(20, 20000);
    }
    low_->setValue(static_cast<int>(defaults.lowHz));
    high_->setValue(static_cast<int>(defaults.highHz));
    low_->setAccessibleName(QStringLiteral("Fit range low"));
    high_->setAccessibleName(QStringLiteral("Fit range high"));
    low_->setToolTip(Pick(text::kRangeLowTip));
    high_->setToolTip(Pick(text::kRangeHighTip));
    hide_->setText(Pick(text::kHideMeasurement));
    hide_->setToolTip(Pick(text::kHideMeasurementTip));
    hide_->setAccessibleName(QStringLiteral("Hide measurement"));

    auto* range = new QHBoxLayout;
    range->addWidget(low_);
    range->addWidget(new QLabel(QStringLiteral("–"), this));
    range->addWidget(high_);
    range->addStretch();
    form()->addRow(Pick(text::kFile),
                   FileChooser(measurement_, text::kMeasurementFileTip, kMeasurementFilter));
    form()->addRow(Pick(text::kTarget), targetList_);
    form()->addRow(QString(), FileChooser(targetFile_, text::kTargetFileTip, kMeasurementFilter));
    form()->addRow(Pick(text::kMaxBoost), maxBoost_);
    form()->addRow(Pick(text::kRange), range);
    form()->addRow(QString(), hide_);
    targetFile_->parentWidget()->setEnabled(false);
    connect(targetList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { targetFile_->parentWidget()->setEnabled(index == kFromFile); });
    connect(hide_, &QPushButton::clicked, this,
            [this] { page_.graph().SetMeasurementOverlay(channel_, std::nullopt); });
}

std::optional<Response> AutoEqDialog::ReadLevels(const QString& path) {
    if (path.trimmed().isEmpty()) {
        Refuse(Pick(text::kChooseFileFirst));
        return std::nullopt;
    }
    const tuning::MeasurementRead read =
        tuning::ReadMeasurementFile(QFile::encodeName(path.trimmed()).toStdString());
    if (!read.status.ok()) {
        Refuse(Pick(read.status.message()));
        return std::nullopt;
    }
    return tuning::ResampleToGrid(read.points);
}

std::optional<Response> AutoEqDialog::ChosenTarget() {
    switch (targetList_->currentIndex()) {
        case kHouse:
            return tuning::HouseTarget();
        case kFromFile:
            return ReadLevels(targetFile_->text());
        default:
            return tuning::FlatTarget();
    }
}

void AutoEqDialog::Preview() {
    tuning::AutoEqOptions options;
    options.maxBoostDb = maxBoost_->value();
    options.lowHz = low_->value();
    options.highHz = high_->value();
    if (const Status checked = tuning::CheckAutoEqOptions(options); !checked.ok()) {
        Refuse(Pick(checked.message()));
        return;
    }
    const auto measured = ReadLevels(measurement_->text());
    if (!measured) {
        return;
    }
    const auto target = ChosenTarget();
    if (!target) {
        return;
    }
    channel_ = page_.currentChannel();
    measured_ = *measured;
    target_ = *target;
    const OutputView current =
        context_.session().Snapshot().outputs[static_cast<std::size_t>(channel_)];
    const Response fixed = tuning::CrossoverPart(current);
    ShowResult(Pick(text::kWorking), false);
    previewButton()->setEnabled(false);
    // A fit takes a moment: the window goes on meanwhile.
    RunInBackground(
        this,
        [measured = measured_, target = target_, fixed, options] {
            return tuning::FitAutoEq(measured, target, fixed, options);
        },
        [this, fixed](tuning::AutoEqResult result) {
            previewButton()->setEnabled(true);
            Response preview = result.bandsResponse;
            for (std::size_t i = 0; i < preview.size(); ++i) {
                preview[i] += fixed[i];
            }
            page_.graph().SetMeasurementOverlay(channel_,
                                                pages::MeasurementOverlay{measured_, target_, preview});
            ShowResult(Pick(text::kForChannel).arg(page_.channelButton(channel_)->text()) +
                           QStringLiteral("\n") +
                           Pick(text::kFitFigures)
                               .arg(Decibels(result.before.rmsDb), Decibels(result.before.largestDb),
                                    Decibels(result.after.rmsDb), Decibels(result.after.largestDb))
                               .arg(result.bandsUsed),
                       true);
            result_ = std::move(result);
            emit PreviewFinished();
        });
}

void AutoEqDialog::Apply() {
    if (!result_) {
        return;
    }
    EqualizerSettings settings;
    settings.bands = result_->bands;
    ChannelEditor(context_.session()).ApplyEqualizer(channel_, settings);
    // The channel now holds the bands: the prediction follows its own response again.
    page_.graph().SetMeasurementOverlay(channel_,
                                        pages::MeasurementOverlay{measured_, target_, std::nullopt});
    page_.RefreshAll();
    ShowResult(resultLabel()->text() + QStringLiteral("\n") + Pick(text::kApplied), false);
}

}  // namespace corva::shell
