// The window on the simulated processor: start-up connection and full read with the progress
// window, the connect button's looks and device choice, hot-plug, the factory reset, the
// delayed end of a batch, and the firmware update's close rule.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QThread>
#include <algorithm>
#include <thread>

#include "ShellTestSupport.h"
#include "controls/ConnectButton.h"
#include "controls/FlatButton.h"
#include "controls/GlyphButton.h"
#include "model/ChannelEditor.h"
#include "shell/app/ShellTexts.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/ProgressWindow.h"
#include "shell/panels/PanelHost.h"
#include "shell/panels/SettingPage.h"
#include "shell/panels/SettingsPanel.h"
#include "shell/panels/UpgradePage.h"

namespace corva::shell {
namespace {

using test::Program;
using test::ShownMessage;
using test::WaitFor;

using test::Click;

class ConnectionFlowTest : public ::testing::Test {
protected:
    explicit ConnectionFlowTest(Timing timing = Timing{}) : program{timing} {}

    TopBar& bar() { return program.view().topBar(); }
    controls::ConnectButton* connectButton() { return bar().connectButton(); }
    ConnectionController& controller() { return program.context->controller(); }
    // Connected, read, and the progress window gone (the view takes no input before).
    bool StartAndSynchronise() {
        program.view().StartupConnect();
        return program.WaitSynchronised() &&
               WaitFor([this] { return !program.view().progress().running(); });
    }
    SettingsPanel* OpenSettings() {
        Click(bar().settingsButton());
        auto* panel =
            qobject_cast<SettingsPanel*>(program.view().panels().panel(PanelSlot::Settings));
        EXPECT_NE(panel, nullptr);
        return panel;
    }

    Program program;
};

TEST_F(ConnectionFlowTest, StartUpReadsTheProcessorBehindTheProgressWindow) {
    ProgressWindow& progress = program.view().progress();
    QSignalSpy finished(&progress, &ProgressWindow::Finished);
    bool viewEnabledWhileShown = true;
    QObject::connect(&progress, &ProgressWindow::Started, [&] {
        viewEnabledWhileShown = program.view().isEnabled();
        EXPECT_TRUE(progress.isVisible());
        EXPECT_EQ(progress.text(), QStringLiteral("Data processing. Please wait"));
    });
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Disconnected);

    program.view().StartupConnect();
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Reading);
    EXPECT_EQ(connectButton()->lamp(), controls::LampState::Waiting);
    ASSERT_TRUE(program.WaitSynchronised());
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Synchronised);
    EXPECT_EQ(connectButton()->lamp(), controls::LampState::On);
    EXPECT_EQ(connectButton()->text(), QStringLiteral("Disconnect"));

    ASSERT_TRUE(WaitFor([&] { return finished.count() == 1; }));
    EXPECT_FALSE(viewEnabledWhileShown);
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.text(), QStringLiteral("End of data transmission"));
    EXPECT_EQ(progress.maximum(), controller().bulk().progressCount());
    EXPECT_TRUE(program.view().isEnabled());
    EXPECT_TRUE(program.messages->shown.empty());  // a good start-up says nothing
}

TEST_F(ConnectionFlowTest, TheConnectButtonDisconnectsAndConnectsAgain) {
    ASSERT_TRUE(StartAndSynchronise());
    Click(connectButton());
    EXPECT_FALSE(controller().online());
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Disconnected);
    EXPECT_EQ(connectButton()->lamp(), controls::LampState::Off);
    EXPECT_EQ(connectButton()->text(), QStringLiteral("Connect"));
    EXPECT_FALSE(program.view().progress().isVisible());

    // The look follows the language in both states.
    program.context->language().Toggle();
    EXPECT_EQ(connectButton()->text(), QStringLiteral("连接"));
    program.context->language().Toggle();

    Click(connectButton());  // one free processor: no menu
    EXPECT_TRUE(controller().online());
    EXPECT_EQ(controller().devicePath(), kDemoDevicePath);
    ASSERT_TRUE(program.WaitSynchronised());
    EXPECT_EQ(connectButton()->lamp(), controls::LampState::On);
    EXPECT_TRUE(program.messages->shown.empty());
}

TEST_F(ConnectionFlowTest, TwoFreeProcessorsAreOfferedAsUsbOneAndTwo) {
    program.devices().Plug("demo:processor-2");
    Click(connectButton());
    EXPECT_FALSE(controller().online());
    auto* chooser = program.view().findChild<QMenu*>("deviceChooser");
    ASSERT_NE(chooser, nullptr);
    ASSERT_EQ(chooser->actions().size(), 2);
    EXPECT_EQ(chooser->actions()[0]->text(), QStringLiteral("USB 1"));
    EXPECT_EQ(chooser->actions()[1]->text(), QStringLiteral("USB 2"));

    std::vector<std::string> order;
    for (const auto& device : program.devices().Enumerate()) {
        order.push_back(device.path);
    }
    chooser->actions()[1]->trigger();
    EXPECT_TRUE(controller().online());
    EXPECT_EQ(controller().devicePath(), order.at(1));
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Reading);
}

TEST_F(ConnectionFlowTest, NoProcessorGivesTheNoConnectionNoticeInTheCurrentLanguage) {
    program.devices().Unplug(kDemoDevicePath);
    Click(connectButton());
    program.context->language().Set(UiLanguage::Chinese);
    Click(connectButton());
    ASSERT_EQ(program.messages->shown.size(), 2u);
    const ShownMessage& english = program.messages->shown[0];
    EXPECT_EQ(english.kind, ShownMessage::Kind::Timed);
    EXPECT_EQ(english.text, QStringLiteral("No connection can be opened"));
    EXPECT_EQ(english.caption, QStringLiteral("Corva DSP"));
    EXPECT_EQ(program.messages->shown[1].text, QStringLiteral("没有连接可以打开"));
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Disconnected);
}

TEST_F(ConnectionFlowTest, PullingTheProcessorDisconnectsAndPluggingItInConnects) {
    ASSERT_TRUE(StartAndSynchronise());
    program.devices().Unplug(kDemoDevicePath);
    program.connection().PollDevices();
    EXPECT_FALSE(controller().online());
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Disconnected);
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_EQ(program.messages->shown[0].kind, ShownMessage::Kind::Timed);
    EXPECT_EQ(program.messages->shown[0].text, QStringLiteral("Connection failure!"));

    program.devices().Plug(kDemoDevicePath);
    program.connection().PollDevices();
    EXPECT_TRUE(controller().online());
    EXPECT_TRUE(program.WaitSynchronised());
    EXPECT_EQ(program.messages->shown.size(), 1u);  // arrival says nothing
}

TEST_F(ConnectionFlowTest, FactoryResetAsksAndWritesSystemFieldNinetySix) {
    ASSERT_TRUE(StartAndSynchronise());
    auto processor = program.devices().Device(kDemoDevicePath);
    SettingsPanel* panel = OpenSettings();
    ASSERT_NE(panel, nullptr);
    const auto resetWritten = [&] {
        for (const auto& frame : processor->ReceivedFrames()) {
            if (frame.size() > 8 && frame[4] == 0xA1 && frame[7] == 9 && frame[8] == 96) {
                return true;
            }
        }
        return false;
    };

    program.messages->answerYes = false;
    Click(panel->settingPage()->resetButton());
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_EQ(program.messages->shown[0].kind, ShownMessage::Kind::Question);
    EXPECT_EQ(program.messages->shown[0].text,
              QStringLiteral("Restore factory settings,Yes or No?"));

    program.messages->answerYes = true;
    Click(panel->settingPage()->resetButton());
    EXPECT_TRUE(WaitFor(resetWritten));
    EXPECT_FALSE(program.context->busy);
    EXPECT_EQ(program.view().panels().panel(PanelSlot::Settings), panel);
}

TEST_F(ConnectionFlowTest, FactoryResetWhileDisconnectedSendsNothingAndSaysSo) {
    SettingsPanel* panel = OpenSettings();
    ASSERT_NE(panel, nullptr);
    Click(panel->settingPage()->resetButton());
    EXPECT_TRUE(program.messages->Showed(
        QStringLiteral("Not connected: nothing was sent to the processor.")));
    EXPECT_FALSE(program.context->busy);
    std::lock_guard lock(program.context->session().engine().sendLock);
    EXPECT_EQ(program.context->session().engine().queue.count(), 0u);
}

TEST_F(ConnectionFlowTest, BatchDoneEndsTheBusyStateOnlyAfterItsDelay) {
    auto& bulk = controller().bulk();
    bulk.bulkBusy = true;
    program.connection().HandleNotice({NoticeId::BatchDone});
    EXPECT_TRUE(bulk.bulkBusy);
    EXPECT_TRUE(WaitFor([&] { return !bulk.bulkBusy; }));
}

// ---- Firmware update ----

class FirmwareUpdateTest : public ConnectionFlowTest {
protected:
    // Shorter pauses of the update protocol so the test does not idle for seconds.
    FirmwareUpdateTest() : ConnectionFlowTest(Timing{}.ScaledDown(4)) {}

    QString WriteFirmwareFile(const QByteArray& bytes) {
        const QString path = program.folders.filePath(QStringLiteral("update.bin"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    UpgradePage* OpenUpgradePage() {
        SettingsPanel* panel = OpenSettings();
        if (panel == nullptr) {
            return nullptr;
        }
        panel->ShowPage(SettingsPage::Upgrade);
        return panel->upgradePage();
    }
};

TEST_F(FirmwareUpdateTest, CloseDoesNothingWhileAnUpdateRuns) {
    ASSERT_TRUE(StartAndSynchronise());
    QByteArray file("WMCU");
    file.append("\x01\x02\x03\x04");
    file.append(QByteArray(60, '\x5A'));
    UpgradePage* page = OpenUpgradePage();
    ASSERT_NE(page, nullptr);
    page->pathField()->setText(WriteFirmwareFile(file));
    Click(page->updateButton());  // asked first, answered Yes
    ASSERT_FALSE(program.messages->shown.empty());
    EXPECT_EQ(program.messages->shown.back().kind, ShownMessage::Kind::Question);
    ASSERT_TRUE(controller().updating());
    program.messages->answerYes = false;  // the offer to reconnect afterwards
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Updating);
    Click(connectButton());  // the update owns the link
    EXPECT_TRUE(controller().updating());
    EXPECT_FALSE(page->updateButton()->isEnabled());
    EXPECT_FALSE(page->browseButton()->isEnabled());
    EXPECT_GT(page->progressBar()->maximum(), 1);

    Click(bar().closeButton());
    EXPECT_TRUE(program.window->isVisible());
    EXPECT_FALSE(program.window->close());
    Click(page->updateButton());  // a second press starts nothing
    EXPECT_TRUE(controller().updating());

    ASSERT_TRUE(
        WaitFor([&] { return program.messages->Showed(QStringLiteral("Update successfully!")); }));
    EXPECT_FALSE(controller().updating());
    EXPECT_FALSE(program.context->busy);
    EXPECT_TRUE(page->updateButton()->isEnabled());
    EXPECT_EQ(page->progressBar()->value(), page->progressBar()->maximum());       // ends full
    EXPECT_EQ(program.messages->shown.back().kind, ShownMessage::Kind::Question);  // reconnect?
    EXPECT_TRUE(program.devices().Device(kDemoDevicePath)->Firmware().finished);
    EXPECT_EQ(bar().connectionLook(), ConnectionLook::Disconnected);  // the update ends offline
    EXPECT_EQ(program.context->settings().firmwareSettings().name, page->pathField()->text());
    // The status line left on the page follows a language switch.
    const QString english = page->statusLine()->text();
    ASSERT_FALSE(english.isEmpty());
    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_NE(page->statusLine()->text(), english);
    EXPECT_FALSE(page->statusLine()->text().isEmpty());
    program.context->language().Set(UiLanguage::English);
    EXPECT_EQ(page->statusLine()->text(), english);

    Click(bar().closeButton());
    EXPECT_FALSE(program.window->isVisible());
}

TEST_F(FirmwareUpdateTest, UpdateWithoutAFileAsksForOneUnderThePromptCaption) {
    UpgradePage* page = OpenUpgradePage();
    ASSERT_NE(page, nullptr);
    Click(page->updateButton());
    program.context->language().Set(UiLanguage::Chinese);
    Click(page->updateButton());
    ASSERT_EQ(program.messages->shown.size(), 2u);
    EXPECT_EQ(program.messages->shown[0].text, QStringLiteral("Please select upgrade file!"));
    EXPECT_EQ(program.messages->shown[0].caption, QStringLiteral("Corva DSP"));
    EXPECT_EQ(program.messages->shown[1].kind, ShownMessage::Kind::Timed);
    EXPECT_EQ(program.messages->shown[1].text, QStringLiteral("请选择升级文件！"));
    EXPECT_EQ(program.messages->shown[1].caption, QStringLiteral("提示"));
    EXPECT_FALSE(program.context->busy);
    EXPECT_FALSE(controller().updating());
}

TEST_F(FirmwareUpdateTest, AFileThatCannotBeReadIsForgottenAndABadOneIsKept) {
    UpgradePage* page = OpenUpgradePage();
    ASSERT_NE(page, nullptr);
    const QString missing = program.folders.filePath(QStringLiteral("gone.bin"));
    page->pathField()->setText(missing);
    Click(page->updateButton());
    EXPECT_TRUE(program.messages->Showed(QStringLiteral("Bin File error!")));
    EXPECT_TRUE(program.context->settings().firmwareSettings().name.isEmpty());
    EXPECT_TRUE(page->pathField()->text().isEmpty());

    const QString bad = WriteFirmwareFile(QByteArray("XXXX") + QByteArray(100, '\0'));
    page->pathField()->setText(bad);
    Click(page->updateButton());
    EXPECT_TRUE(program.messages->Showed(QStringLiteral("Update file error!")));
    EXPECT_EQ(program.context->settings().firmwareSettings().name, bad);
    EXPECT_EQ(page->pathField()->text(), bad);
    EXPECT_FALSE(controller().updating());
    EXPECT_FALSE(program.context->busy);
    EXPECT_TRUE(program.devices().Device(kDemoDevicePath)->ReceivedFrames().empty());
}

TEST_F(ConnectionFlowTest, SessionChangesReachTheWindowOnItsOwnThread) {
    std::vector<SessionChange> seen;
    bool onGuiThread = true;
    QObject::connect(&program.context->poster(), &NoticePoster::SessionChanged,
                     [&](const SessionEvent& event) {
                         onGuiThread = onGuiThread && QThread::currentThread() == qApp->thread();
                         seen.push_back(event.change);
                     });
    ASSERT_TRUE(StartAndSynchronise());
    const auto saw = [&](SessionChange change) {
        return std::find(seen.begin(), seen.end(), change) != seen.end();
    };
    EXPECT_TRUE(WaitFor([&] { return saw(SessionChange::Synchronised); }));
    EXPECT_TRUE(saw(SessionChange::Outputs));

    seen.clear();
    // An edit made from another thread still arrives on the window's thread.
    std::thread editing([&] { ChannelEditor(program.context->session()).SetGainDb(2, -9.0); });
    editing.join();
    EXPECT_TRUE(WaitFor([&] { return saw(SessionChange::Outputs); }));
    EXPECT_TRUE(onGuiThread);
    EXPECT_EQ(program.context->session().Snapshot().outputs[2].gainCode, 510);
}

}  // namespace
}  // namespace corva::shell
