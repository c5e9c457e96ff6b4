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

#include "pages/FullInterfacePage.h"
#include "pages/ResponseGraph.h"
#include "shell/AppContext.h"
#include "shell/BackgroundWork.h"
#include "shell/MeasurementTexts.h"

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
      smoothing_{new QSpinBox(this)},
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
    smoothing_->setRange(0, kSmoothingFractionMax);
    smoothing_->setValue(0);
    smoothing_->setAccessibleName(QStringLiteral("Smoothing"));
    smoothing_->setToolTip(Pick(text::kSmoothingTip));
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
    form()->addRow(Pick(text::kSmoothing), smoothing_);
    form()->addRow(QString(), hide_);
    targetFile_->parentWidget()->setEnabled(false);
    connect(targetList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { targetFile_->parentWidget()->setEnabled(index == kFromFile); });
    connect(hide_, &QPushButton::clicked, this,
            [this] {
                page_.graph().SetMeasurementOverlay(plan_ ? plan_->channel : page_.currentChannel(),
                                                    std::nullopt);
            });
}

AutoEqRequest AutoEqDialog::Request() const {
    AutoEqRequest request;
    request.measurementFile = QFile::encodeName(measurement_->text().trimmed()).toStdString();
    request.channel = page_.currentChannel();
    switch (targetList_->currentIndex()) {
        case kHouse:
            request.target = AutoEqTarget::House;
            break;
        case kFromFile:
            request.target = AutoEqTarget::File;
            request.targetFile = QFile::encodeName(targetFile_->text().trimmed()).toStdString();
            break;
        default:
            request.target = AutoEqTarget::Flat;
            break;
    }
    request.smoothingFraction = smoothing_->value();
    request.fit.maxBoostDb = maxBoost_->value();
    request.fit.lowHz = low_->value();
    request.fit.highHz = high_->value();
    return request;
}

void AutoEqDialog::Preview() {
    const AutoEqRequest request = Request();
    if (const Status checked = CheckAutoEqRequest(request); !checked.ok()) {
        Refuse(Pick(checked.message()));
        return;
    }
    if (request.measurementFile.empty() ||
        (request.target == AutoEqTarget::File && request.targetFile.empty())) {
        Refuse(Pick(text::kChooseFileFirst));
        return;
    }
    const AutoEqInputs inputs = ReadAutoEqInputs(request);
    if (!inputs.status.ok()) {
        Refuse(Pick(inputs.status.message()));
        return;
    }
    const TuningSnapshot snapshot = context_.session().Snapshot();
    ShowResult(Pick(text::kWorking), false);
    previewButton()->setEnabled(false);
    // A fit takes a moment: the window goes on meanwhile.
    RunInBackground(
        this,
        [snapshot, inputs, request] {
            return PlanAutoEq(snapshot, request.channel, inputs, request.fit);
        },
        [this](AutoEqPlan plan) {
            previewButton()->setEnabled(true);
            page_.graph().SetMeasurementOverlay(
                plan.channel, pages::MeasurementOverlay{plan.measured, plan.target, plan.predicted});
            const tuning::AutoEqResult& result = plan.result;
            ShowResult(Pick(text::kForChannel).arg(page_.channelButton(plan.channel)->text()) +
                           QStringLiteral("\n") +
                           Pick(text::kFitFigures)
                               .arg(Decibels(result.before.rmsDb), Decibels(result.before.largestDb),
                                    Decibels(result.after.rmsDb), Decibels(result.after.largestDb))
                               .arg(result.bandsUsed),
                       true);
            plan_ = std::move(plan);
            emit PreviewFinished();
        });
}

void AutoEqDialog::Apply() {
    if (!plan_) {
        return;
    }
    ApplyAutoEq(context_.session(), *plan_);
    // The channel now holds the bands: the prediction follows its own response again.
    page_.graph().SetMeasurementOverlay(
        plan_->channel, pages::MeasurementOverlay{plan_->measured, plan_->target, std::nullopt});
    page_.RefreshAll();
    ShowResult(resultLabel()->text() + QStringLiteral("\n") + Pick(text::kApplied), false);
}

}  // namespace corva::shell
