#include "shell/tools/ImportFiltersDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "commands/FilterImportJob.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/ValueLabels.h"
#include "pages/FullInterfacePage.h"
#include "pages/ResponseGraph.h"
#include "shell/app/AppContext.h"
#include "shell/app/BackgroundWork.h"
#include "shell/app/Language.h"
#include "shell/app/NameAndTip.h"
#include "shell/tools/MeasurementTexts.h"
#include "tuning/FilterFile.h"

namespace corva::shell {
namespace {

const QString kFilterFileFilter = QStringLiteral("Filter files (*.txt *.cfg);;All files (*)");

}  // namespace

ImportFiltersDialog::ImportFiltersDialog(AppContext& context, pages::FullInterfacePage& page,
                                         QWidget* parent)
    : ToolDialog(context, page, text::kImportFiltersTitle,
                 Tr("Window", "Import filters", "accessible name"), parent),
      file_{new QLineEdit(this)},
      applyRest_{new QCheckBox(this)},
      list_{new QPlainTextEdit(this)} {
    context_.language().BindText(applyRest_, text::kApplyRest);
    BindTip(applyRest_, text::kApplyRestTip);
    BindName(context_.language(), applyRest_, Tr("Window", "Apply the rest", "accessible name"));
    list_->setReadOnly(true);
    list_->setMinimumHeight(160);
    BindName(context_.language(), list_, Tr("Window", "Imported filters", "accessible name"));
    BindTip(list_, text::kPreviewTip);
    listText_ = new ComposedText(
        context_.language(), [this](const QString& value) { list_->setPlainText(value); }, this);
    AddRow(text::kFile, FileChooser(file_, Tr("Window", "Filter file", "accessible name"),
                                    text::kFilterFileTip, kFilterFileFilter));
    form()->addRow(QString(), applyRest_);
    form()->addRow(list_);
}

QString ImportFiltersDialog::Describe(const Language& language,
                                      const tuning::ImportedFilter& imported) {
    const QString from = QString::fromStdString(tuning::DescribeFileFilter(imported.filter));
    if (imported.outcome != tuning::ImportOutcome::Applied) {
        const QString why = language.Pick(imported.note);
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
        Refuse(text::kChooseFileFirst);
        return;
    }
    const tuning::FilterFileRead read =
        tuning::ReadFilterFile(QFile::encodeName(path).toStdString());
    if (!read.status.ok()) {
        listText_->Clear();
        Refuse(read.status.message());
        return;
    }
    channel_ = page_.currentChannel();
    const TuningSnapshot snapshot = context_.session().Snapshot();
    const auto policy =
        applyRest_->isChecked() ? tuning::RestPolicy::ApplyRest : tuning::RestPolicy::RefuseAll;
    ShowResult(text::kWorking, false);
    previewButton()->setEnabled(false);
    RunInBackground(
        this,
        [read, channel = channel_, snapshot, policy] {
            return PlanFilterImportJob(snapshot, channel, read, policy);
        },
        [this](FilterImportPlan job) {
            const tuning::FilterImport& plan = job.import;
            previewButton()->setEnabled(true);
            listText_->Show([filters = plan.filters](const Language& language) {
                QStringList lines;
                for (const tuning::ImportedFilter& imported : filters) {
                    lines << Describe(language, imported);
                }
                return lines.join(QLatin1Char('\n'));
            });
            page_.graph().SetMeasurementOverlay(
                channel_,
                pages::MeasurementOverlay{std::nullopt, plan.fileResponse, plan.processorResponse});
            ShowResult(
                [name = page_.channelButton(channel_)->text(), refused = plan.refused,
                 refusal = plan.refusal, bands = plan.bandsUsed,
                 deviationDb = plan.largestDeviationDb,
                 preampDb = plan.preampDb](const Language& language) {
                    QString summary = language.Pick(text::kForChannel).arg(name);
                    if (refused) {
                        summary += QStringLiteral("\n") + language.Pick(refusal);
                    } else {
                        summary += QStringLiteral("\n") + language.Pick(text::kImportSummary)
                                                              .arg(bands)
                                                              .arg(deviationDb, 0, 'f', 2);
                    }
                    if (preampDb) {
                        summary += QStringLiteral("\n") +
                                   language.Pick(text::kImportPreamp).arg(*preampDb, 0, 'f', 1);
                    }
                    return summary;
                },
                !plan.refused);
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
    ShowApplied();
}

}  // namespace corva::shell
