// The Program dialog and the "More" menu's file entries on the simulated processor: the list
// and its keyboard, Store's name checks, Delete, the PC buttons (complete files and music
// files) and the mode-file commands.
#include <gtest/gtest.h>

#include <QDir>

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>

#include "FileProgramFixture.h"
#include "controls/FlatButton.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/PresetNameField.h"
#include "shell/dialogs/ProgramDialog.h"
#include "shell/dialogs/ProgressWindow.h"
#include "shell/panels/TuningFileActions.h"

namespace corva::shell {
namespace {

using test::ShownMessage;
using test::WaitFor;

using test::Click;

class ProgramDialogTest : public test::FileProgramFixture {
protected:
    ProgramDialog* OpenFromMenu() {
        bar().moreAction(MoreCommand::ProgramDialog)->trigger();
        return program.window->findChild<ProgramDialog*>();
    }
    QAction* SubmenuEntry(MoreCommand command, int index) {
        return bar().moreAction(command)->menu()->actions().value(index);
    }

    QTemporaryDir elsewhere;
};

TEST_F(ProgramDialogTest, OpensOnPresetOneAndWalksTheListWithTheKeys) {
    ASSERT_TRUE(Synchronise());
    ProgramDialog* dialog = OpenFromMenu();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("File"));
    EXPECT_EQ(dialog->size(), QSize(490, 370));
    ASSERT_EQ(dialog->list()->rowCount(), 15);
    EXPECT_EQ(dialog->list()->item(14, 0)->text(), QStringLiteral("15"));
    EXPECT_EQ(dialog->list()->item(14, 1)->text(), QStringLiteral("Preset15"));
    EXPECT_EQ(dialog->selectedPreset(), 1);
    EXPECT_EQ(dialog->number()->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->nameField()->text(), QStringLiteral("Preset1"));
    EXPECT_TRUE(dialog->recallAllChoice()->isChecked());
    EXPECT_TRUE(dialog->storeAllChoice()->isChecked());

    QTest::keyClick(dialog->list(), Qt::Key_Down);
    QTest::keyClick(dialog->list(), Qt::Key_Down);
    EXPECT_EQ(dialog->selectedPreset(), 3);
    EXPECT_EQ(dialog->nameField()->text(), QStringLiteral("Preset3"));
    QTest::keyClick(dialog->list(), Qt::Key_Up);
    EXPECT_EQ(dialog->number()->text(), QStringLiteral("2"));

    // Enter and Escape leave it open; the texts follow the language.
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    program.context->language().Toggle();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("文件"));
    EXPECT_EQ(dialog->storePcButton()->text(), QStringLiteral("存储"));
    EXPECT_EQ(dialog->list()->horizontalHeaderItem(1)->text(), QStringLiteral("组名"));
    program.context->language().Toggle();
    dialog->close();
}

TEST_F(ProgramDialogTest, StoreChecksTheNameAndClearsARefusedOne) {
    ASSERT_TRUE(Synchronise());
    ProgramDialog* dialog = OpenFromMenu();
    ASSERT_NE(dialog, nullptr);
    dialog->SelectPreset(3);
    PresetNameField* field = dialog->nameField();

    field->clear();
    Click(dialog->storeButton());
    EXPECT_EQ(LastMessage(), QStringLiteral("The name can not be empty!"));

    field->setText(QStringLiteral("   "));
    Click(dialog->storeButton());
    EXPECT_EQ(LastMessage(), QStringLiteral("The name can not be all spaces!"));
    EXPECT_TRUE(field->text().isEmpty());

    field->setText(QStringLiteral("Preset7"));
    Click(dialog->storeButton());
    EXPECT_EQ(LastMessage(), QStringLiteral("Have been the same name!"));
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(StoredName(3), "Preset3");

    const std::size_t shown = program.messages->shown.size();
    field->setText(QStringLiteral("Door"));
    Click(dialog->storeButton());
    EXPECT_TRUE(WaitFor([this] { return StoredName(3) == "Door"; }));  // after its copy
    EXPECT_EQ(program.messages->shown.size(), shown);
    EXPECT_EQ(dialog->list()->item(2, 1)->text(), QStringLiteral("Door"));
    EXPECT_TRUE(WaitIdle());
    dialog->close();
}

TEST_F(ProgramDialogTest, DeleteAsksThenEmptiesTheName) {
    ASSERT_TRUE(Synchronise());
    ProgramDialog* dialog = OpenFromMenu();
    dialog->SelectPreset(6);
    program.messages->answerYes = false;
    Click(dialog->deleteButton());
    EXPECT_EQ(program.messages->shown.back().kind, ShownMessage::Kind::Question);
    // OK/Cancel, with the preset named on a second line.
    EXPECT_EQ(LastMessage(), QStringLiteral("Are you delete this Data?\nNo. 6  Preset6"));
    EXPECT_EQ(StoredName(6), "Preset6");

    program.messages->answerYes = true;
    Click(dialog->deleteButton());
    EXPECT_EQ(StoredName(6), "");
    EXPECT_TRUE(dialog->list()->item(5, 1)->text().isEmpty());
    EXPECT_TRUE(dialog->nameField()->text().isEmpty());
    EXPECT_TRUE(WaitIdle());
    dialog->close();
}

TEST_F(ProgramDialogTest, ThePcButtonsStoreAndRecallBothKindsOfFile) {
    ASSERT_TRUE(Synchronise());
    ProgramDialog* dialog = OpenFromMenu();
    ASSERT_NE(dialog, nullptr);

    // Store all: the complete file once every stored preset has arrived.
    const QString all = elsewhere.filePath(QStringLiteral("car"));
    files->answers.push_back(all);
    Click(dialog->storePcButton());
    EXPECT_EQ(files->asked.back().filter, QStringLiteral("*.qvma"));
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(all + QStringLiteral(".qvma")); }));
    ASSERT_TRUE(WaitIdle());
    // The long read ends with a message naming the file it wrote.
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Saved ") + QDir::toNativeSeparators(all + QStringLiteral(".qvma")));
    program.messages->shown.clear();

    // Store single: a music file.
    const QString music = elsewhere.filePath(QStringLiteral("live.wkcs"));
    files->answers.push_back(music);
    Click(dialog->storeOneChoice());
    Click(dialog->storePcButton());
    EXPECT_TRUE(QFile::exists(music));
    EXPECT_EQ(files->asked.back().filter, QStringLiteral("*.wkcs"));

    // Recall single: the music file goes back to the processor.
    files->answers.push_back(music);
    Click(dialog->recallOneChoice());
    Click(dialog->recallPcButton());
    EXPECT_EQ(files->asked.back().filter, QStringLiteral("*.wkcs *.kpdm"));
    EXPECT_TRUE(WaitIdle());
    EXPECT_TRUE(program.messages->shown.empty());

    // Recall all takes complete files only.
    files->answers.push_back(music);
    Click(dialog->recallAllChoice());
    Click(dialog->recallPcButton());
    EXPECT_EQ(LastMessage(), QStringLiteral("Read all MusicFile Error"));
    // It asks first, then reads every stored preset for the complete copy, then sends.
    files->answers.push_back(all + QStringLiteral(".qvma"));
    Click(dialog->recallPcButton());
    ASSERT_EQ(program.messages->shown.size(), 2u);
    EXPECT_EQ(program.messages->shown.back().kind, ShownMessage::Kind::Question);
    EXPECT_TRUE(WaitFor([this] { return !program.view().fileActions().completeOpenPending(); }));
    EXPECT_TRUE(WaitIdle());
    dialog->close();
}

TEST_F(ProgramDialogTest, TheMoreMenuSavesAndOpensModeFiles) {
    QAction* saveMode = SubmenuEntry(MoreCommand::ModeFiles, 0);
    QAction* openMode = SubmenuEntry(MoreCommand::ModeFiles, 1);
    ASSERT_NE(saveMode, nullptr);
    ASSERT_NE(openMode, nullptr);
    EXPECT_TRUE(bar().moreAction(MoreCommand::ModeFiles)->isEnabled());
    EXPECT_EQ(saveMode->text(), QStringLiteral("Save a mode file..."));
    ASSERT_TRUE(Synchronise());

    const QString seat = elsewhere.filePath(QStringLiteral("seat"));
    files->answers.push_back(seat);
    saveMode->trigger();
    EXPECT_TRUE(QFile::exists(seat + QStringLiteral(".dat_d")));
    EXPECT_EQ(files->asked.back().filter, QStringLiteral("*.dat_d"));

    // A file of another kind is refused with the mode file's message.
    const QString music = elsewhere.filePath(QStringLiteral("live.wkcs"));
    files->answers.push_back(music);
    SubmenuEntry(MoreCommand::MusicFiles, 0)->trigger();
    ASSERT_TRUE(QFile::exists(music));
    files->answers.push_back(music);
    openMode->trigger();
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("Read Mode File  Error\n")));
    EXPECT_FALSE(program.view().fileActions().modeFilePending());

    // The processor's table is read first, then the file's row goes out.
    files->answers.push_back(seat + QStringLiteral(".dat_d"));
    openMode->trigger();
    EXPECT_EQ(program.messages->shown.size(), 1u);
    EXPECT_TRUE(WaitFor([this] { return !program.view().fileActions().modeFilePending(); }));
    EXPECT_TRUE(WaitIdle());
}

TEST_F(ProgramDialogTest, LoadingAMusicFileWhileDisconnectedSaysSo) {
    const QString music = elsewhere.filePath(QStringLiteral("live"));
    files->answers.push_back(music);
    SubmenuEntry(MoreCommand::MusicFiles, 0)->trigger();
    ASSERT_TRUE(QFile::exists(music + QStringLiteral(".wkcs")));
    EXPECT_TRUE(program.messages->shown.empty());

    files->answers.push_back(music + QStringLiteral(".wkcs"));
    SubmenuEntry(MoreCommand::MusicFiles, 1)->trigger();
    EXPECT_EQ(LastMessage(),
              ToQString(ConnectionFailureMessage(program.context->controller().linkKind())
                            .text.In(UiLanguage::English)));
    // A cancelled dialog does nothing.
    const std::size_t shown = program.messages->shown.size();
    SubmenuEntry(MoreCommand::MusicFiles, 1)->trigger();
    EXPECT_EQ(program.messages->shown.size(), shown);
}

}  // namespace
}  // namespace corva::shell
