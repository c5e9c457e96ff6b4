// The measurement window on the demonstration processor and its virtual car: a whole run
// over the six outputs, a run cancelled while the microphone is to be moved, and the
// one-step calibration undone in one step.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

#include "ShellTestSupport.h"
#include "dsp/values/DelayCodes.h"
#include "model/ChannelEditor.h"
#include "pages/FullInterfacePage.h"
#include "pages/ResponseGraph.h"
#include "shell/app/HistoryControls.h"
#include "shell/app/PageArea.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/ProgressWindow.h"
#include "shell/tools/ImpulseView.h"
#include "shell/tools/MeasureWindow.h"
#include "sim/VirtualCarAudio.h"

namespace corva::shell {
namespace {

using test::Program;
using test::WaitFor;

using Bytes = std::vector<std::uint8_t>;

class MeasureWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.view().StartupConnect();
        ASSERT_TRUE(program.WaitSynchronised() &&
                    WaitFor([this] { return !program.view().progress().running(); }));
        program.view().topBar().moreAction(MoreCommand::Measure)->trigger();
        window = program.window->OpenMeasure();
        ASSERT_NE(window, nullptr);
        window->sweepField()->setValue(0.3);  // short sweeps: the machine may be busy
    }

    TuningSession& session() { return program.context->session(); }
    pages::FullInterfacePage& page() { return program.view().pageArea().page(); }

    Bytes LiveOfProcessor() {
        Bytes live;
        program.devices().Device(kDemoDevicePath)->WithMemory([&](ParameterImage& memory) {
            live.assign(memory.Live().begin(), memory.Live().end());
        });
        return live;
    }
    bool Settled() {
        return WaitFor([this] { return session().NothingLeftToSend(); });
    }
    bool ClickAndWaitForTheEnd(QPushButton* button) {
        QSignalSpy ended(window, &MeasureWindow::RunEnded);
        button->click();
        return WaitFor([&] { return ended.count() > 0; }) && Settled();
    }
    double ArrivalMs(int channel) {
        return window->resultsTable()->item(channel, 1)->text().toDouble();
    }
    // Saves what the window looks like when CORVA_SCREENSHOT_DIR names a folder.
    void Shoot(const QString& name) {
        const QString folder = qEnvironmentVariable("CORVA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            window->grab().save(QDir(folder).filePath(name + QStringLiteral("-window.png")));
            program.window->grab().save(QDir(folder).filePath(name + QStringLiteral("-graph.png")));
        }
    }

    Program program;
    MeasureWindow* window = nullptr;
};

TEST_F(MeasureWindowTest, ARunOverSixChannelsFillsTheTableWithTheCarsArrivalTimes) {
    ChannelEditor(session()).CommitDelay(1, 30);  // a delay the table must see
    ASSERT_TRUE(Settled());
    // The virtual car's devices are offered and chosen.
    EXPECT_EQ(window->inputList()->currentText(), QString::fromLatin1(sim::kVirtualInputName));
    EXPECT_EQ(window->outputList()->currentText(), QString::fromLatin1(sim::kVirtualOutputName));
    const Bytes before = LiveOfProcessor();

    // The first press plays the quiet level test, then the sweeps.
    ASSERT_TRUE(ClickAndWaitForTheEnd(window->measureButton()))
        << window->statusLabel()->text().toStdString();
    EXPECT_TRUE(window->levelLabel()->text().startsWith(QStringLiteral("Level good")))
        << window->levelLabel()->text().toStdString() << window->inputMeter()->text().toStdString();
    EXPECT_EQ(window->runProgress()->value(), kOutputChannelCount);
    Shoot(QStringLiteral("measure-after-en"));

    const sim::VirtualCabin cabin = sim::TypicalCabin();
    const auto trueMs = [&](int c) {
        return 1000.0 * cabin.speakers[static_cast<std::size_t>(c)].distanceM /
                   sim::kSpeedOfSoundMPerS +
               (c == 1 ? DelayMilliseconds(30) : 0.0);
    };
    for (int c = 1; c < kOutputChannelCount; ++c) {
        EXPECT_NEAR(ArrivalMs(c) - ArrivalMs(0), trueMs(c) - trueMs(0), 1.0 / 48.0)
            << "channel " << c + 1;
        EXPECT_FALSE(window->resultsTable()->item(c, 3)->text().isEmpty());
        EXPECT_TRUE(window->impulseView()->hasChannel(c));
    }
    EXPECT_EQ(page().graph().measuredCurves().size(), std::size_t{kOutputChannelCount});
    // Measuring changes nothing in the processor, and the results are kept as files.
    EXPECT_EQ(LiveOfProcessor(), before);
    EXPECT_TRUE(
        QFile::exists(QDir(window->measurementFolder()).filePath(QStringLiteral("ULF.txt"))));
    EXPECT_TRUE(window->applyAlignmentButton()->isEnabled());

    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_EQ(window->measureButton()->text(), QStringLiteral("测量"));
    EXPECT_EQ(window->resultsTable()->horizontalHeaderItem(1)->text(),
              QStringLiteral("到达\n(毫秒)"));  // the unit under the words
    Shoot(QStringLiteral("measure-after-zh"));
}

TEST_F(MeasureWindowTest, ACancelledRunLeavesTheProcessorByteIdenticalAndAppliesNothing) {
    ChannelEditor(session()).SetMuted(2, MuteState::Muted);
    ASSERT_TRUE(Settled());
    const Bytes before = LiveOfProcessor();
    const std::size_t stepsBefore = session().engine().history.undoCount();

    // Two positions: the run waits in the middle for the microphone to be moved.
    window->positionsField()->setValue(2);
    QSignalSpy ended(window, &MeasureWindow::RunEnded);
    window->measureButton()->click();
    ASSERT_TRUE(WaitFor([&] { return window->nextPositionButton()->isEnabled(); }));
    EXPECT_TRUE(window->statusLabel()->text().contains(QStringLiteral("position 2")));
    EXPECT_FALSE(window->measureButton()->isEnabled());
    EXPECT_EQ(page().graph().measuredCurves().size(), std::size_t{kOutputChannelCount});
    Shoot(QStringLiteral("measure-during-en"));
    program.context->language().Set(UiLanguage::Chinese);
    // The status line on screen follows the switch.
    EXPECT_EQ(window->statusLabel()->text(),
              QStringLiteral("请将麦克风移到位置 2，然后按“下一位置”。"));
    EXPECT_EQ(window->levelLabel()->text(), QStringLiteral("电平合适。"));
    Shoot(QStringLiteral("measure-during-zh"));
    program.context->language().Set(UiLanguage::English);
    EXPECT_TRUE(window->statusLabel()->text().contains(QStringLiteral("position 2")));
    ASSERT_TRUE(window->cancelButton()->isEnabled());
    window->cancelButton()->click();
    ASSERT_TRUE(WaitFor([&] { return ended.count() > 0; }) && Settled());

    EXPECT_EQ(LiveOfProcessor(), before);
    EXPECT_EQ(session().engine().history.undoCount(), stepsBefore);
    EXPECT_TRUE(window->statusLabel()->text().startsWith(QStringLiteral("Stopped")));
    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_EQ(window->statusLabel()->text(),
              QStringLiteral("已停止；静音状态已恢复，未做任何更改。"));
    EXPECT_FALSE(window->applyAlignmentButton()->isEnabled());
}

TEST_F(MeasureWindowTest, CalibrateAllIsOneUndoStep) {
    const Bytes before = LiveOfProcessor();
    const std::size_t stepsBefore = session().engine().history.undoCount();
    ASSERT_TRUE(ClickAndWaitForTheEnd(window->levelTestButton()));
    ASSERT_TRUE(ClickAndWaitForTheEnd(window->calibrateAllButton()))
        << window->statusLabel()->text().toStdString();
    EXPECT_EQ(session().engine().history.undoCount(), stepsBefore + 1);
    EXPECT_NE(LiveOfProcessor(), before);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        // Before and after figures, and the check drawn over the first measurement.
        EXPECT_FALSE(window->resultsTable()->item(c, 4)->text().isEmpty());
        EXPECT_LT(window->resultsTable()->item(c, 5)->text().toDouble(),
                  window->resultsTable()->item(c, 4)->text().toDouble());
    }
    EXPECT_EQ(page().graph().measuredCurves().size(), std::size_t{2 * kOutputChannelCount});

    program.view().history().Undo();
    ASSERT_TRUE(Settled());
    EXPECT_EQ(LiveOfProcessor(), before);
    EXPECT_EQ(session().engine().history.undoCount(), stepsBefore);
}

}  // namespace
}  // namespace corva::shell
