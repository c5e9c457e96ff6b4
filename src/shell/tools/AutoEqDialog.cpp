#include "shell/tools/AutoEqDialog.h"

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
#include "shell/app/AppContext.h"
#include "shell/app/BackgroundWork.h"
#include "shell/app/Language.h"
#include "shell/app/NameAndTip.h"
#include "shell/tools/MeasurementTexts.h"

namespace corva::shell {
namespace {

enum TargetChoice { kFlat, kHouse, kFromFile };

const QString kMeasurementFilter = QStringLiteral("Measurements (*.txt *.frd);;All files (*)");

QString Decibels(double value) {
    return QString::number(value, 'f', 2);
}

}  // namespace

AutoEqDialog::AutoEqDialog(AppContext& context, pages::FullInterfacePage& page, QWidget* parent)
    : ToolDialog(context, page, text::kAutoEqTitle, Tr("Window", "Auto-EQ", "accessible name"),
                 parent),
      measurement_{new QLineEdit(this)},
      targetList_{new QComboBox(this)},
      targetFile_{new QLineEdit(this)},
      maxBoost_{new QDoubleSpinBox(this)},
      low_{new QSpinBox(this)},
      high_{new QSpinBox(this)},
      smoothing_{new QSpinBox(this)},
      hide_{new QPushButton(this)} {
    const tuning::AutoEqOptions defaults;
    BindName(context_.language(), targetList_, Tr("Window", "Target", "accessible name"));
    BindTip(targetList_, text::kTargetTip);
    BindItems(targetList_, {text::kTargetFlat, text::kTargetHouse, text::kTargetFile});
    BindName(context_.language(), maxBoost_, Tr("Window", "Largest boost", "accessible name"));
    BindTip(maxBoost_, text::kMaxBoostTip);
    maxBoost_->setRange(0.0, 20.0);
    maxBoost_->setDecimals(1);
    maxBoost_->setValue(defaults.maxBoostDb);
    for (QSpinBox* edge : {low_, high_}) {
        edge->setRange(20, 20000);
    }
    low_->setValue(static_cast<int>(defaults.lowHz));
    high_->setValue(static_cast<int>(defaults.highHz));
    BindName(context_.language(), low_, Tr("Window", "Fit range low", "accessible name"));
    BindName(context_.language(), high_, Tr("Window", "Fit range high", "accessible name"));
    BindTip(low_, text::kRangeLowTip);
    BindTip(high_, text::kRangeHighTip);
    smoothing_->setRange(0, kSmoothingFractionMax);
    smoothing_->setValue(0);
    BindName(context_.language(), smoothing_, Tr("Window", "Smoothing", "accessible name"));
    BindTip(smoothing_, text::kSmoothingTip);
    context_.language().BindText(hide_, text::kHideMeasurement);
    BindTip(hide_, text::kHideMeasurementTip);
    BindName(context_.language(), hide_, Tr("Window", "Hide measurement", "accessible name"));

    auto* range = new QWidget(this);
    auto* rangeLayout = new QHBoxLayout(range);
    rangeLayout->setContentsMargins(0, 0, 0, 0);
    rangeLayout->addWidget(low_);
    rangeLayout->addWidget(new QLabel(QStringLiteral("–"), range));
    rangeLayout->addWidget(high_);
    rangeLayout->addStretch();
    AddRow(text::kFile,
           FileChooser(measurement_, Tr("Window", "Measurement file", "accessible name"),
                       text::kMeasurementFileTip, kMeasurementFilter));
    AddRow(text::kTarget, targetList_);
    form()->addRow(QString(),
                   FileChooser(targetFile_, Tr("Window", "Target file", "accessible name"),
                               text::kTargetFileTip, kMeasurementFilter));
    AddRow(text::kMaxBoost, maxBoost_);
    AddRow(text::kRange, range);
    AddRow(text::kSmoothing, smoothing_);
    form()->addRow(QString(), hide_);
    targetFile_->parentWidget()->setEnabled(false);
    connect(targetList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { targetFile_->parentWidget()->setEnabled(index == kFromFile); });
    connect(hide_, &QPushButton::clicked, this, [this] {
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
        Refuse(checked.message());
        return;
    }
    if (request.measurementFile.empty() ||
        (request.target == AutoEqTarget::File && request.targetFile.empty())) {
        Refuse(text::kChooseFileFirst);
        return;
    }
    const AutoEqInputs inputs = ReadAutoEqInputs(request);
    if (!inputs.status.ok()) {
        Refuse(inputs.status.message());
        return;
    }
    const TuningSnapshot snapshot = context_.session().Snapshot();
    ShowResult(text::kWorking, false);
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
                plan.channel,
                pages::MeasurementOverlay{plan.measured, plan.target, plan.predicted});
            const tuning::AutoEqResult& result = plan.result;
            ShowResult(
                [name = page_.channelButton(plan.channel)->text(),
                 figures =
                     QStringList{Decibels(result.before.rmsDb), Decibels(result.before.largestDb),
                                 Decibels(result.after.rmsDb), Decibels(result.after.largestDb)},
                 bands = result.bandsUsed](const Language& language) {
                    return language.Pick(text::kForChannel).arg(name) + QStringLiteral("\n") +
                           language.Pick(text::kFitFigures)
                               .arg(figures.at(0), figures.at(1), figures.at(2), figures.at(3))
                               .arg(bands);
                },
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
    ShowApplied();
}

}  // namespace corva::shell
