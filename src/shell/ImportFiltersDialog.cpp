#include "shell/ImportFiltersDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dsp/values/BandCodes.h"
#include "dsp/values/ValueLabels.h"
#include "commands/FilterImportJob.h"
#include "pages/FullInterfacePage.h"
#include "pages/ResponseGraph.h"
#include "shell/AppContext.h"
#include "shell/BackgroundWork.h"
#include "shell/MeasurementTexts.h"
#include "tuning/FilterFile.h"

namespace corva::shell {
namespace {

const QString kFilterFileFilter =
    QStringLiteral("Filter files (*.txt *.cfg);;All files (*)");

}  // namespace

ImportFiltersDialog::ImportFiltersDialog(AppContext& context, pages::FullInterfacePage& page,
                                         QWidget* parent)
    : ToolDialog(context, page, text::kImportFiltersTitle, parent),
      file_{new QLineEdit(this)},
      applyRest_{new QCheckBox(this)},
      list_{new QPlainTextEdit(this)} {
    file_->setAccessibleName(QStringLiteral("Filter file"));
    applyRest_->setText(Pick(text::kApplyRest));
    applyRest_->setToolTip(Pick(text::kApplyRestTip));
    applyRest_->setAccessibleName(QStringLiteral("Apply the rest"));
    list_->setReadOnly(true);
    list_->setMinimumHeight(160);
    list_->setAccessibleName(QStringLiteral("Imported filters"));
    list_->setToolTip(Pick(text::kPreviewTip));
    form()->addRow(Pick(text::kFile), FileChooser(file_, text::kFilterFileTip, kFilterFileFilter));
    form()->addRow(QString(), applyRest_);
    form()->addRow(list_);
}

QString ImportFiltersDialog::Describe(const tuning::ImportedFilter& imported) const {
    const QString from = QString::fromStdString(tuning::DescribeFileFilter(imported.filter));
    if (imported.outcome != tuning::ImportOutcome::Applied) {
        const QString why = Pick(imported.note);
        return why.isEmpty() ? from : from + QStringLiteral("  —  ") + why;
    }
    QString became;
    if (imported.target == tuning::ImportTarget::Band) {
        const BandSetting& band = imported.bandSetting;
        became = QStringLiteral("EQ%1 %2 %3 %4")
                     .arg(imported.band + 1)
                     .arg(QString::fromStdString(FrequencyLabel(band.frequencyHz)),
                          QString::fromStdString(QText(band.bandwidthIndex)) + QStringLiteral("Q"),
                          QString::fromStdString(BandGainLabel(BandGainDb(band.gainCode), false)));
    } else {
        const CrossoverSetting& crossover = imported.crossoverSetting;
        became = QStringLiteral("%1 %2 %3")
                     .arg(imported.target == tuning::ImportTarget::HighPass ? QStringLiteral("HP")
                                                                            : QStringLiteral("LP"),
                          QString::fromStdString(FrequencyLabel(crossover.frequencyHz)),
                          QString::fromStdString(CrossoverSlopeLabel(crossover.slope)));
    }
    return from + QStringLiteral("  →  ") + became +
           QStringLiteral("  (±%1 dB)").arg(imported.deviationDb, 0, 'f', 2);
}

void ImportFiltersDialog::Preview() {
    const QString path = file_->text().trimmed();
    if (path.isEmpty()) {
        Refuse(Pick(text::kChooseFileFirst));
        return;
    }
    const tuning::FilterFileRead read =
        tuning::ReadFilterFile(QFile::encodeName(path).toStdString());
    if (!read.status.ok()) {
        list_->clear();
        Refuse(Pick(read.status.message()));
        return;
    }
    channel_ = page_.currentChannel();
    const TuningSnapshot snapshot = context_.session().Snapshot();
    const auto policy =
        applyRest_->isChecked() ? tuning::RestPolicy::ApplyRest : tuning::RestPolicy::RefuseAll;
    ShowResult(Pick(text::kWorking), false);
    previewButton()->setEnabled(false);
    RunInBackground(
        this,
        [read, channel = channel_, snapshot, policy] {
            return PlanFilterImportJob(snapshot, channel, read, policy);
        },
        [this](FilterImportPlan job) {
            const tuning::FilterImport& plan = job.import;
            previewButton()->setEnabled(true);
            QStringList lines;
            for (const tuning::ImportedFilter& imported : plan.filters) {
                lines << Describe(imported);
            }
            list_->setPlainText(lines.join(QLatin1Char('\n')));
            page_.graph().SetMeasurementOverlay(
                channel_, pages::MeasurementOverlay{std::nullopt, plan.fileResponse,
                                                    plan.processorResponse});
            QString summary = Pick(text::kForChannel).arg(page_.channelButton(channel_)->text());
            if (plan.refused) {
                summary += QStringLiteral("\n") + Pick(plan.refusal);
            } else {
                summary += QStringLiteral("\n") +
                           Pick(text::kImportSummary)
                               .arg(plan.bandsUsed)
                               .arg(plan.largestDeviationDb, 0, 'f', 2);
            }
            if (plan.preampDb) {
                summary += QStringLiteral("\n") +
                           Pick(text::kImportPreamp).arg(*plan.preampDb, 0, 'f', 1);
            }
            ShowResult(summary, !plan.refused);
            plan_ = std::move(job.import);
            emit PreviewFinished();
        });
}

void ImportFiltersDialog::Apply() {
    if (!plan_ || !ApplyFilterImport(context_.session(), {channel_, *plan_})) {
        return;
    }
    page_.graph().SetMeasurementOverlay(
        channel_, pages::MeasurementOverlay{std::nullopt, plan_->fileResponse, std::nullopt});
    page_.RefreshAll();
    ShowResult(resultLabel()->text() + QStringLiteral("\n") + Pick(text::kApplied), false);
}

}  // namespace corva::shell
