// The measurement tools of the "More" menu on the demonstration processor: auto-EQ from a
// measurement file, filter import from a REW text, alignment from distances; each previewed
// on the graph first, applied in one edit, and a file that cannot be read refused.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "ShellTestSupport.h"
#include "dsp/response/ResponseGrid.h"
#include "dsp/values/DelayCodes.h"
#include "model/TuningHistory.h"
#include "pages/FullInterfacePage.h"
#include "pages/ResponseGraph.h"
#include "shell/app/PageArea.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/ProgressWindow.h"
#include "shell/tools/AlignDialog.h"
#include "shell/tools/AutoEqDialog.h"
#include "shell/tools/ImportFiltersDialog.h"
#include "tuning/Measurement.h"
#include "tuning/ProcessorFit.h"

namespace corva::shell {
namespace {

using test::Program;
using test::WaitFor;

class MeasurementToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.view().StartupConnect();
        ASSERT_TRUE(program.WaitSynchronised() &&
                    WaitFor([this] { return !program.view().progress().running(); }));
    }
    QString WriteFile(const QString& name, const QByteArray& text) {
        const QString path = program.folders.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    static bool PreviewAndWait(ToolDialog& dialog) {
        QSignalSpy finished(&dialog, &ToolDialog::PreviewFinished);
        dialog.previewButton()->click();
        return WaitFor([&] { return finished.count() > 0; });
    }
    pages::FullInterfacePage& page() { return program.view().pageArea().page(); }
    OutputView Output(int channel) {
        return program.context->session().Snapshot().outputs.at(static_cast<std::size_t>(channel));
    }

    Program program;
};

TEST_F(MeasurementToolsTest, AutoEqPreviewsOnTheGraphThenAppliesTheFittedBands) {
    // A room peak: +6 dB around 250 Hz on a level of 80 dB.
    const Response peak = tuning::BandResponse({FilterType::Peaking, 1, 250, 260, 20});
    QByteArray text = "* measured\n";
    for (int i = 0; i < kGridPoints; ++i) {
        text += QByteArray::number(GridFrequencies()[static_cast<std::size_t>(i)], 'f', 2) + ' ' +
                QByteArray::number(80.0 + peak[static_cast<std::size_t>(i)], 'f', 3) + '\n';
    }
    page().SetCurrentChannel(2);
    QAction* entry = program.view().topBar().moreAction(MoreCommand::AutoEq);
    ASSERT_TRUE(entry->isEnabled());
    entry->trigger();
    AutoEqDialog* dialog = program.window->findChild<AutoEqDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->measurementField()->setText(WriteFile(QStringLiteral("room.txt"), text));
    ASSERT_TRUE(PreviewAndWait(*dialog));
    ASSERT_TRUE(dialog->result().has_value());
    EXPECT_LT(dialog->result()->after.rmsDb, 0.5);
    EXPECT_GT(dialog->result()->before.rmsDb, 1.0);
    EXPECT_TRUE(dialog->applyButton()->isEnabled());
    ASSERT_TRUE(page().graph().measurementOverlay(2).has_value());
    EXPECT_TRUE(page().graph().measurementOverlay(2)->preview.has_value());
    EXPECT_TRUE(Output(2).allBypassed);  // nothing applied by a preview

    dialog->applyButton()->click();
    EXPECT_FALSE(Output(2).allBypassed);
    EXPECT_FALSE(page().graph().measurementOverlay(2)->preview.has_value());
    EXPECT_TRUE(Output(0).allBypassed);  // only the channel it was made for
    EXPECT_FALSE(dialog->applyButton()->isEnabled());
    // The whole fit is one step.
    TuningHistory history(program.context->session());
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(Output(2).allBypassed);
    ASSERT_TRUE(history.Redo());
    EXPECT_FALSE(Output(2).allBypassed);

    dialog->hideButton()->click();
    EXPECT_FALSE(page().graph().measurementOverlay(2).has_value());
}

TEST_F(MeasurementToolsTest, AutoEqSmoothsTheMeasurementAsTheCommandLineDoes) {
    // Ripple a few hertz wide on a flat level: smoothing over 1/3 octave evens it out.
    QByteArray text;
    for (int hz = 20; hz <= 20000; hz += hz < 1000 ? 2 : 40) {
        text += QByteArray::number(hz) + ' ' + QByteArray::number(hz % 4 == 0 ? 83 : 77) + '\n';
    }
    const QString path = WriteFile(QStringLiteral("ripple.txt"), text);
    const tuning::MeasurementRead read = tuning::ReadMeasurementFile(path.toStdString());
    ASSERT_TRUE(read.status.ok());
    AutoEqDialog* dialog = program.window->OpenAutoEq();
    dialog->measurementField()->setText(path);
    dialog->smoothingField()->setValue(3);
    ASSERT_TRUE(PreviewAndWait(*dialog));
    ASSERT_TRUE(dialog->plan().has_value());
    EXPECT_EQ(dialog->plan()->measured, tuning::ResampleToGrid(read.points, 3));
    EXPECT_NE(dialog->plan()->measured, tuning::ResampleToGrid(read.points));
}

TEST_F(MeasurementToolsTest, AFileThatCannotBeReadIsRefusedAndNothingApplied) {
    AutoEqDialog* dialog = program.window->OpenAutoEq();
    dialog->measurementField()->setText(
        WriteFile(QStringLiteral("bad.txt"), "100 80\n90 81\n1000 80\n"));  // not increasing
    ASSERT_TRUE(PreviewAndWait(*dialog));
    EXPECT_FALSE(dialog->applyButton()->isEnabled());
    ASSERT_FALSE(program.messages->shown.empty());
    EXPECT_EQ(program.messages->shown.back().kind, test::ShownMessage::Kind::Plain);
    EXPECT_FALSE(page().graph().measurementOverlay(0).has_value());
}

TEST_F(MeasurementToolsTest, FilterImportListsEveryFilterAndAppliesThemInOneEdit) {
    const QString path = WriteFile(QStringLiteral("filters.txt"),
                                   "Filter Settings file\n"
                                   "Filter  1: ON  PK       Fc   100.0 Hz  Gain  -3.00 dB  Q  2.000\n"
                                   "Filter  2: ON  PK       Fc  2500,0 Hz  Gain   4.00 dB  Q  1.000\n"
                                   "Filter  3: OFF None\n");
    ImportFiltersDialog* dialog = program.window->OpenImportFilters();
    dialog->fileField()->setText(path);
    ASSERT_TRUE(PreviewAndWait(*dialog));
    ASSERT_TRUE(dialog->plan().has_value());
    EXPECT_FALSE(dialog->plan()->refused);
    const QStringList lines = dialog->filterList()->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("→  EQ1 100Hz"))) << lines[0].toStdString();
    ASSERT_TRUE(dialog->applyButton()->isEnabled());
    dialog->applyButton()->click();
    int shaping = 0;
    for (const BandView& band : Output(0).bands) {
        shaping += band.bypassed ? 0 : 1;
    }
    EXPECT_EQ(shaping, 2);
}

TEST_F(MeasurementToolsTest, AlignmentGivesTheFarthestSpeakerNoDelay) {
    AlignDialog* dialog = program.window->OpenAlign();
    const char* distances[] = {"120", "95", "140", "140", "60", "100"};
    for (int c = 0; c < kOutputChannelCount; ++c) {
        dialog->distanceField(c)->setText(QString::fromLatin1(distances[c]));
    }
    ASSERT_TRUE(PreviewAndWait(*dialog));
    EXPECT_EQ(Output(4).delayCode, 0);  // a preview sends nothing
    dialog->applyButton()->click();
    // The open window, its result included, follows a language switch.
    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("按距离对齐"));
    EXPECT_EQ(dialog->previewButton()->text(), QStringLiteral("预览"));
    EXPECT_TRUE(dialog->resultLabel()->text().contains(QStringLiteral("毫秒")));
    EXPECT_TRUE(dialog->resultLabel()->text().endsWith(QStringLiteral("\n已应用。")));
    program.context->language().Set(UiLanguage::English);
    EXPECT_TRUE(dialog->resultLabel()->text().endsWith(QStringLiteral(" ms\nApplied.")));
    EXPECT_EQ(Output(2).delayCode, 0);
    EXPECT_EQ(Output(3).delayCode, 0);
    EXPECT_EQ(Output(4).delayCode, DelayCodeFromText("80", DelayUnit::Centimetres));
    EXPECT_EQ(Output(0).delayCode, DelayCodeFromText("20", DelayUnit::Centimetres));
    // All six delays are one step.
    ASSERT_TRUE(TuningHistory(program.context->session()).Undo());
    EXPECT_EQ(Output(4).delayCode, 0);
    EXPECT_EQ(Output(0).delayCode, 0);

    dialog->distanceField(1)->setText(QStringLiteral("-5"));
    ASSERT_TRUE(PreviewAndWait(*dialog));
    EXPECT_FALSE(dialog->applyButton()->isEnabled());
}

}  // namespace
}  // namespace corva::shell
