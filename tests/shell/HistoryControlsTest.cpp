// The window's undo, redo and A/B controls and the snapshots list on the simulated processor:
// enabled only with something to do, tooltips naming the step in both languages, the
// shortcuts, the note after a new read, and restoring a snapshot after the question.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTableWidget>

#include "ShellTestSupport.h"
#include "controls/FlatButton.h"
#include "controls/ValueField.h"
#include "controls/VerticalFader.h"
#include "model/ChannelEditor.h"
#include "pages/EqBandColumn.h"
#include "pages/EqEditorPanel.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/HistoryControls.h"
#include "shell/app/PageArea.h"
#include "shell/dialogs/SnapshotsDialog.h"
#include "shell/panels/SafetyCopy.h"

namespace corva::shell {
namespace {

using test::Program;
using test::WaitFor;

class HistoryControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The data folder is the test program's: copies of earlier tests go.
        QDir(QString::fromStdString(history().snapshots().folder())).removeRecursively();
        program.view().StartupConnect();
        ASSERT_TRUE(program.WaitSynchronised());
        ASSERT_TRUE(Idle());
    }
    // The read's progress window has closed and the view takes input again.
    bool Idle() {
        return WaitFor([&] { return program.view().isEnabled(); });
    }
    HistoryControls& history() { return program.view().history(); }
    TuningSession& session() { return program.context->session(); }
    double BandGain(int channel, int band) {
        return session().Snapshot().outputs[static_cast<std::size_t>(channel)]
            .bands[static_cast<std::size_t>(band)]
            .gainDb;
    }
    // Saves what the controls look like when CORVA_SCREENSHOT_DIR names a folder.
    void Shoot(QWidget& widget, const QString& name) {
        const QString folder = qEnvironmentVariable("CORVA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            widget.grab().save(QDir(folder).filePath(name));
        }
    }

    Program program;
};

TEST_F(HistoryControlsTest, ButtonsFollowTheStepsAndTheirTooltipsNameThem) {
    EXPECT_FALSE(history().undoButton()->isEnabled());
    EXPECT_FALSE(history().redoButton()->isEnabled());
    ChannelEditor(session()).SetBandGainDb(0, 6, 3.0);
    ASSERT_TRUE(WaitFor([&] { return history().undoButton()->isEnabled(); }));
    EXPECT_EQ(history().undoButton()->toolTip(), QStringLiteral("Undo: FL band 7 gain"));
    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_EQ(history().undoButton()->toolTip(), QStringLiteral("撤销: FL 频段7 增益"));
    program.context->language().Set(UiLanguage::English);

    // Away from the value fields, whose own Ctrl+Z undoes typing.
    // The read's progress window had the activation.
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
    program.view().setFocus();
    ASSERT_TRUE(WaitFor([&] { return program.view().hasFocus(); }));
    QTest::keyClick(&program.view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(BandGain(0, 6), 0.0);
    EXPECT_FALSE(history().undoButton()->isEnabled());
    EXPECT_TRUE(history().redoButton()->isEnabled());
    EXPECT_EQ(history().redoButton()->toolTip(), QStringLiteral("Redo: FL band 7 gain"));
    QTest::keyClick(&program.view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(BandGain(0, 6), 3.0);
    QTest::keyClick(&program.view(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&program.view(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(BandGain(0, 6), 3.0);
}

// The controls open the step on the press and close it on the release.
TEST_F(HistoryControlsTest, AFaderPullAndAHeldKeyAreOneStepEach) {
    auto& page = program.view().pageArea().page();
    page.SetCurrentChannel(1);
    auto& column = *page.eqEditor().column(9);
    controls::VerticalFader* fader = column.fader();
    const int middleX = fader->width() / 2;
    const int middleY = fader->height() / 2;
    QTest::mousePress(fader, Qt::LeftButton, {}, QPoint(middleX, middleY));
    for (int pixels = 2; pixels <= 20; pixels += 2) {
        QTest::mouseMove(fader, QPoint(middleX, middleY - pixels));
    }
    QTest::mouseRelease(fader, Qt::LeftButton, {}, QPoint(middleX, middleY - 20));
    ASSERT_TRUE(WaitFor([&] { return history().undoButton()->isEnabled(); }));
    EXPECT_EQ(history().undoButton()->toolTip(), QStringLiteral("Undo: FR band 10 gain"));
    const double pulledDb = BandGain(1, 9);
    EXPECT_GT(pulledDb, 0.0);

    // Up held in the gain field: the first press, repeats, the release.
    controls::ValueField* gain = column.gainField();
    gain->setFocus(Qt::OtherFocusReason);
    for (int press = 0; press < 6; ++press) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), press > 0);
        QApplication::sendEvent(gain, &key);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(gain, &release);
    EXPECT_NEAR(BandGain(1, 9), pulledDb + 0.6, 1e-9);

    history().Undo();
    EXPECT_NEAR(BandGain(1, 9), pulledDb, 1e-9);
    history().Undo();
    EXPECT_DOUBLE_EQ(BandGain(1, 9), 0.0);
    EXPECT_FALSE(history().undoButton()->isEnabled());
}

TEST_F(HistoryControlsTest, ANewReadClearsTheStepsAndSaysSo) {
    ChannelEditor(session()).SetGainDb(1, -6.0);
    history().Refresh();
    ASSERT_TRUE(history().undoButton()->isEnabled());
    program.connection().Disconnect();
    program.connection().ConnectTo(kDemoDevicePath);
    ASSERT_TRUE(program.WaitSynchronised());
    ASSERT_TRUE(Idle());
    EXPECT_FALSE(history().undoButton()->isEnabled());
    EXPECT_TRUE(program.messages->Showed(
        QStringLiteral("Undo history cleared: the processor's tuning was read")));
}

TEST_F(HistoryControlsTest, TheAbButtonSwitchesBetweenTheKeptSlots) {
    EXPECT_FALSE(history().switchButton()->isEnabled());
    ChannelEditor editor(session());
    editor.SetBandGainDb(3, 2, 5.0);
    history().Keep(AbSlot::A);
    editor.SetBandGainDb(3, 2, -5.0);
    history().Keep(AbSlot::B);
    ASSERT_TRUE(history().switchButton()->isEnabled());
    EXPECT_EQ(history().switchButton()->text(), QStringLiteral("A/B: B"));
    QTest::mouseClick(history().switchButton(), Qt::LeftButton);
    ASSERT_TRUE(Idle());
    EXPECT_DOUBLE_EQ(BandGain(3, 2), 5.0);
    EXPECT_EQ(history().switchButton()->text(), QStringLiteral("A/B: A"));
    EXPECT_EQ(history().undoButton()->toolTip(), QStringLiteral("Undo: A/B switch"));
    Shoot(*program.window, QStringLiteral("history-en.png"));
    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_EQ(history().undoButton()->toolTip(), QStringLiteral("撤销: A/B切换"));
    Shoot(*program.window, QStringLiteral("history-zh.png"));
}

TEST_F(HistoryControlsTest, TheSnapshotsListRestoresOneAfterTheQuestion) {
    ChannelEditor editor(session());
    editor.SetBandGainDb(2, 4, 6.0);
    history().Keep(AbSlot::A);
    editor.SetBandGainDb(2, 4, -2.0);
    history().Keep(AbSlot::B);
    history().SwitchAb();  // keeps the tuning at -2 dB as a snapshot
    ASSERT_TRUE(Idle());
    ASSERT_DOUBLE_EQ(BandGain(2, 4), 6.0);

    SnapshotsDialog dialog(*program.context, history().snapshots(), program.view().fileActions(),
                           program.window.get());
    ASSERT_EQ(dialog.table()->rowCount(), 1);
    EXPECT_EQ(dialog.table()->item(0, 1)->text(), QStringLiteral("before A/B switch"));
    Shoot(dialog, QStringLiteral("snapshots-en.png"));
    program.messages->answerYes = false;
    EXPECT_FALSE(dialog.RestoreRow(0));
    EXPECT_DOUBLE_EQ(BandGain(2, 4), 6.0);
    program.messages->answerYes = true;
    EXPECT_TRUE(dialog.RestoreRow(0));
    EXPECT_DOUBLE_EQ(BandGain(2, 4), -2.0);
    program.context->language().Set(UiLanguage::Chinese);
    SnapshotsDialog chinese(*program.context, history().snapshots(), program.view().fileActions(),
                            program.window.get());
    ASSERT_EQ(chinese.table()->rowCount(), 2);  // the live tuning was kept before the restore
    EXPECT_EQ(chinese.table()->item(0, 1)->text(), QStringLiteral("打开文件前"));
    EXPECT_EQ(chinese.table()->item(1, 1)->text(), QStringLiteral("A/B切换前"));
    Shoot(chinese, QStringLiteral("snapshots-zh.png"));
}

TEST_F(HistoryControlsTest, ARestoreThatFailsSaysWhyUnderItsMessage) {
    ASSERT_TRUE(KeepSafetyCopy(*program.context, SnapshotReason::FactoryReset));
    SnapshotsDialog dialog(*program.context, history().snapshots(), program.view().fileActions(),
                           program.window.get());
    ASSERT_EQ(dialog.table()->rowCount(), 1);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(history().snapshots().List().front().path)));
    EXPECT_FALSE(dialog.RestoreRow(0));
    const QStringList lines = program.messages->shown.back().text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], QStringLiteral("The file does not exist (or its folder is missing)."));
    EXPECT_EQ(history().snapshots().List().size(), 0u);  // nothing kept for a restore that failed
}

TEST_F(HistoryControlsTest, AFailedSafetyCopyAsksBeforeGoingOn) {
    const QString folder = QString::fromStdString(history().snapshots().folder());
    ASSERT_TRUE(KeepSafetyCopy(*program.context, SnapshotReason::FactoryReset));
    EXPECT_TRUE(program.messages->shown.empty());
    ASSERT_EQ(history().snapshots().List().size(), 1u);

    // A file where the folder should be: the copy cannot be written.
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    program.messages->answerYes = false;
    EXPECT_FALSE(KeepSafetyCopy(*program.context, SnapshotReason::Firmware));
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_EQ(program.messages->shown[0].kind, test::ShownMessage::Kind::Question);
    EXPECT_TRUE(program.messages->shown[0].text.contains(QStringLiteral("Go on without it?")));
    program.messages->answerYes = true;
    EXPECT_TRUE(KeepSafetyCopy(*program.context, SnapshotReason::Firmware));
    QFile::remove(folder);
}

}  // namespace
}  // namespace corva::shell
