// The lock command in the window on the simulated processor: the password dialog's two modes
// and its length rule, protecting, unlocking with a wrong and the right password, the reset
// with its question, and the lock button's looks.
#include <gtest/gtest.h>

#include <optional>

#include <QLineEdit>
#include <QPushButton>

#include "ShellTestSupport.h"
#include "controls/ConnectButton.h"
#include "controls/LockButton.h"
#include "model/ChannelEditor.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/PageArea.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/LockCommand.h"
#include "shell/dialogs/PasswordDialog.h"
#include "shell/dialogs/ProgressWindow.h"

namespace corva::shell {
namespace {

using test::Program;
using test::ShownMessage;
using test::WaitFor;

const QString kLengthMessage =
    QStringLiteral("the password length is incorrect! Please enter a 6-digit password!");
const QString kMismatchMessage =
    QStringLiteral("Password and enter the password to encrypt the file does not match!");

class LockCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.view().StartupConnect();
        ASSERT_TRUE(Settled());
        processor = program.devices().Device(kDemoDevicePath);
    }

    // Synchronised, every frame answered and the progress window gone.
    bool Settled() {
        return program.WaitSynchronised() && WaitFor([this] {
                   return program.context->session().NothingLeftToSend() &&
                          !program.view().progress().running();
               });
    }
    LockCommand& lock() { return program.window->lockCommand(); }
    TopBar& bar() { return program.view().topBar(); }
    bool PageEditable() { return program.view().pageArea().page().editingVisible(); }

    // Opens the dialog through the lock button, as the user does.
    PasswordDialog* OpenDialog() {
        QTest::mouseClick(bar().lockButton(), Qt::LeftButton);
        PasswordDialog* dialog = lock().dialog();
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }
    // A new password is typed twice; `repeated` is what goes into the second field.
    void Enter(PasswordDialog* dialog, const QString& password,
               const std::optional<QString>& repeated = std::nullopt) {
        dialog->field()->clear();
        QTest::keyClicks(dialog->field(), password);
        if (dialog->repeatField() != nullptr) {
            dialog->repeatField()->clear();
            QTest::keyClicks(dialog->repeatField(), repeated.value_or(password));
        }
        QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    }
    std::uint8_t ProcessorByte(int channel, std::size_t offset) {
        std::uint8_t value = 0;
        processor->WithMemory([&](ParameterImage& memory) {
            value = memory.Block(0, BlockType::Output, channel)[offset];
        });
        return value;
    }
    // Idle polls are read requests; any write since the last clear means something was sent.
    bool WriteSent() {
        for (const auto& frame : processor->ReceivedFrames()) {
            if (frame.size() > 4 && frame[4] == 0xA1) {
                return true;
            }
        }
        return false;
    }
    bool ProtectWith(const QString& password) {
        PasswordDialog* dialog = OpenDialog();
        if (dialog == nullptr || dialog->mode() != PasswordMode::Set) {
            return false;
        }
        Enter(dialog, password);
        return Settled() && WaitFor([this] { return bar().lockButton()->locked(); });
    }

    Program program;
    std::shared_ptr<sim::SimulatedProcessor> processor;
};

TEST_F(LockCommandTest, AFiveCharacterPasswordGivesTheLengthMessageAndTheDialogStays) {
    PasswordDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->mode(), PasswordMode::Set);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Prompted"));
    EXPECT_EQ(dialog->confirmButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog->otherButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(dialog->field()->echoMode(), QLineEdit::Password);
    processor->ClearReceivedFrames();

    Enter(dialog, QStringLiteral("12345"));
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_EQ(program.messages->shown[0].kind, ShownMessage::Kind::Timed);
    EXPECT_EQ(program.messages->shown[0].text, kLengthMessage);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->field()->text().isEmpty());
    EXPECT_EQ(dialog->focusWidget(), dialog->field());
    EXPECT_FALSE(program.context->session().IsProtected());

    // The entry takes no seventh character; six blanks are a password.
    QTest::keyClicks(dialog->field(), QStringLiteral("12345678"));
    EXPECT_EQ(dialog->field()->text(), QStringLiteral("123456"));
    Enter(dialog, QStringLiteral("      "));
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(Settled());
    EXPECT_TRUE(program.context->session().IsProtected());
    EXPECT_EQ(ProcessorByte(0, 288), '!');
    EXPECT_EQ(program.messages->shown.size(), 1u);
}

TEST_F(LockCommandTest, ASecondPasswordThatDiffersChangesNothingAndTheDialogStays) {
    PasswordDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(dialog->repeatField(), nullptr);
    processor->ClearReceivedFrames();
    Enter(dialog, QStringLiteral("123456"), QStringLiteral("123465"));
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_TRUE(program.messages->shown[0].text.startsWith(QStringLiteral("The two passwords")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->field()->text().isEmpty());
    EXPECT_TRUE(dialog->repeatField()->text().isEmpty());
    EXPECT_FALSE(program.context->session().IsProtected());
    EXPECT_FALSE(WriteSent());
    Enter(dialog, QStringLiteral("123456"));
    ASSERT_TRUE(Settled());
    EXPECT_TRUE(program.context->session().IsProtected());
}

TEST_F(LockCommandTest, CancelAndTheCloseBoxChangeNothing) {
    PasswordDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    processor->ClearReceivedFrames();
    QTest::keyClicks(dialog->field(), QStringLiteral("123456"));
    QTest::mouseClick(dialog->otherButton(), Qt::LeftButton);
    EXPECT_FALSE(program.context->session().IsProtected());

    ASSERT_TRUE(ProtectWith(QStringLiteral("246810")));
    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->mode(), PasswordMode::Unlock);
    processor->ClearReceivedFrames();
    QTest::keyClicks(dialog->field(), QStringLiteral("246810"));
    dialog->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(program.context->session().IsProtected());
    EXPECT_FALSE(WriteSent());
    EXPECT_EQ(ProcessorByte(0, 288), '!');
    EXPECT_TRUE(program.messages->shown.empty());
}

TEST_F(LockCommandTest, ProtectShowsTheLockedLookAndUnlockNeedsTheRightPassword) {
    ChannelEditor(program.context->session()).SetGain(2, 420);
    ASSERT_TRUE(Settled());
    EXPECT_EQ(bar().lockButton()->text(), QStringLiteral("Unlocked"));
    EXPECT_EQ(bar().lockButton()->accessibleName(), QStringLiteral("Protect the tuning"));
    ASSERT_TRUE(ProtectWith(QStringLiteral("abc123")));
    EXPECT_EQ(ProcessorByte(0, 288), '!');
    EXPECT_EQ(ProcessorByte(0, 290), 'a' ^ kProtectionMask);
    EXPECT_EQ(bar().lockButton()->text(), QStringLiteral("Locked"));
    EXPECT_EQ(bar().lockButton()->accessibleName(), QStringLiteral("Unlock the tuning"));
    EXPECT_FALSE(bar().lockButton()->toolTip().isEmpty());
    EXPECT_TRUE(WaitFor([this] { return !PageEditable(); }));

    // A wrong password: the message, and nothing else changes or is sent.
    PasswordDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->confirmButton()->text(), QStringLiteral("Unlock"));
    EXPECT_EQ(dialog->otherButton()->text(), QStringLiteral("reset"));
    processor->ClearReceivedFrames();
    const TuningSnapshot before = program.context->session().Snapshot();
    Enter(dialog, QStringLiteral("abc124"));
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_EQ(program.messages->shown[0].kind, ShownMessage::Kind::Timed);
    EXPECT_EQ(program.messages->shown[0].text, kMismatchMessage);
    EXPECT_EQ(program.messages->shown[0].caption, QStringLiteral("Corva DSP"));
    QTest::qWait(50);  // a change would be raised and posted by now
    const TuningSnapshot after = program.context->session().Snapshot();
    EXPECT_TRUE(after.isProtected);
    EXPECT_EQ(after.liveRecord, before.liveRecord);
    EXPECT_FALSE(program.view().progress().running());
    EXPECT_TRUE(bar().lockButton()->locked());
    EXPECT_FALSE(PageEditable());
    EXPECT_FALSE(WriteSent());
    // The dialog stays open, its entry emptied for another try.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->field()->text().isEmpty());

    // The right one in the same dialog: it closes, the processor stores the tuning plain, the
    // page edits again.
    ASSERT_EQ(OpenDialog(), dialog);
    Enter(dialog, QStringLiteral("abc123"));
    EXPECT_TRUE(WaitFor([this] { return lock().dialog() == nullptr; }));
    ASSERT_TRUE(Settled());
    EXPECT_TRUE(WaitFor([this] { return !bar().lockButton()->locked() && PageEditable(); }));
    EXPECT_FALSE(program.context->session().IsProtected());
    EXPECT_EQ(ProcessorByte(0, 288), ' ');
    EXPECT_EQ(program.context->session().Snapshot().outputs[2].gainCode, 420);
    EXPECT_EQ(program.messages->shown.size(), 1u);
}

TEST_F(LockCommandTest, ResetAsksFirstThenRestoresTheDefaultOutputs) {
    ChannelEditor(program.context->session()).SetGain(1, 100);
    ASSERT_TRUE(Settled());
    ASSERT_TRUE(ProtectWith(QStringLiteral("999999")));

    program.messages->answerYes = false;
    PasswordDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->otherButton(), Qt::LeftButton);
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_EQ(program.messages->shown[0].kind, ShownMessage::Kind::Question);
    EXPECT_TRUE(program.context->session().IsProtected());
    EXPECT_EQ(program.context->session().Snapshot().outputs[1].gainCode, 100);

    program.messages->answerYes = true;
    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->otherButton(), Qt::LeftButton);
    ASSERT_TRUE(Settled());
    EXPECT_FALSE(program.context->session().IsProtected());
    EXPECT_EQ(program.context->session().Snapshot().outputs[1].gainCode, 600);
    EXPECT_EQ(ProcessorByte(0, 288), ' ');
    EXPECT_TRUE(WaitFor([this] { return !bar().lockButton()->locked() && PageEditable(); }));
}

TEST_F(LockCommandTest, WhileDisconnectedTheFailureIsShownAndNothingChanges) {
    QTest::mouseClick(bar().connectButton(), Qt::LeftButton);
    ASSERT_FALSE(program.context->controller().online());
    PasswordDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Enter(dialog, QStringLiteral("123456"));
    EXPECT_TRUE(program.messages->Showed(QStringLiteral("Connection failure!")));
    EXPECT_FALSE(program.context->session().IsProtected());
    EXPECT_FALSE(bar().lockButton()->locked());
}

// A processor that stops answering midway through a protect: after the link's failure the
// window says the protect did not finish and how to repair it; a protect that arrives says
// nothing of the kind.
TEST_F(LockCommandTest, AProtectCutOffMidwaySaysItDidNotFinish) {
    const auto unfinished = [this] {
        for (const auto& message : program.messages->shown) {
            if (message.text.startsWith(QStringLiteral("The protect did not finish"))) {
                return true;
            }
        }
        return false;
    };
    sim::SimFaults faults = processor->Faults();
    faults.writesBeforeSilence = 3;  // the name and two output blocks
    processor->SetFaults(faults);
    PasswordDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Enter(dialog, QStringLiteral("abc123"));
    EXPECT_TRUE(WaitFor(unfinished));
    EXPECT_TRUE(program.messages->Showed(QStringLiteral("Connection failure!")));
}

TEST_F(LockCommandTest, ChineseDialogAndLookUseTheChineseTexts) {
    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_EQ(bar().lockButton()->text(), QStringLiteral("未加密"));
    ASSERT_TRUE(ProtectWith(QStringLiteral("654321")));
    EXPECT_EQ(bar().lockButton()->text(), QStringLiteral("已加密"));
    PasswordDialog* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("提示"));
    EXPECT_EQ(dialog->confirmButton()->text(), QStringLiteral("确定"));
    EXPECT_EQ(dialog->otherButton()->text(), QStringLiteral("清除数据"));
    Enter(dialog, QStringLiteral("1234"));
    EXPECT_TRUE(program.messages->Showed(QStringLiteral("输入密码格式不正确!请输入6位数密码!")));
    dialog->close();
}

}  // namespace
}  // namespace corva::shell
