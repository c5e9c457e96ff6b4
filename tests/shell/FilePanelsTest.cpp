// The save and open panels and the preset strip inside them, on the simulated processor: saving
// under a typed name and through a file dialog, the store-all that writes its file once the
// presets have arrived, what opening does with each kind of name, and the strip's save-as,
// delete and context menu, with the preset-name dialog's double-byte alignment.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "FileProgramFixture.h"
#include "commands/CompleteSnapshots.h"
#include "commands/DeviceLock.h"
#include "commands/FileFailureReason.h"
#include "commands/MachinePresets.h"
#include "commands/PresetFileCommands.h"
#include "commands/PresetFileMessages.h"
#include "commands/TuningFiles.h"
#include "commands/TuningSnapshots.h"
#include "controls/FlatButton.h"
#include "controls/PresetButton.h"
#include "files/JsonPresetWriter.h"
#include "platform/settings/UserDataFolder.h"
#include "protocol/TextField.h"
#include "shell/app/HistoryControls.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/PresetNameDialog.h"
#include "shell/dialogs/PresetNameField.h"
#include "shell/dialogs/ProgressWindow.h"
#include "shell/dialogs/SnapshotsDialog.h"
#include "shell/panels/FilePanels.h"
#include "shell/panels/FileTexts.h"
#include "shell/panels/PanelHost.h"
#include "shell/panels/PresetStrip.h"
#include "shell/panels/TuningFileActions.h"

namespace corva::shell {
namespace {

using test::ShownMessage;
using test::WaitFor;

using test::Click;

// Types text as keys carrying it (QTest's own typing knows only ASCII).
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Answers the next preset-name dialog with `typed` (OK), or cancels it when `typed` is null.
void AnswerNameDialog(const QString& typed, bool accept = true) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, typed, accept] {
        auto* dialog = qobject_cast<PresetNameDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        dialog->field()->clear();
        Type(dialog->field(), typed);
        accept ? dialog->accept() : dialog->reject();
    });
    poll->start(5);
}

std::vector<std::uint8_t> StoredPresetBytes(sim::SimulatedProcessor& processor);
void MarkStoredPresets(ParameterImage& image, int seed);

class FilePanelsTest : public test::FileProgramFixture {
protected:
    PanelHost& panels() { return program.view().panels(); }
    SavePanel* OpenSavePanel() {
        Click(bar().saveButton());
        return qobject_cast<SavePanel*>(panels().panel(PanelSlot::Save));
    }
    OpenPanel* OpenOpenPanel() {
        Click(bar().openButton());
        return qobject_cast<OpenPanel*>(panels().panel(PanelSlot::Open));
    }
    QString DataFile(const QString& name) const {
        return QDir(program.context->settings().DataFolder()).filePath(name);
    }
    static std::string NewestSnapshotId() {
        const auto list = TuningSnapshots(SnapshotFolder()).List();
        return list.empty() ? std::string() : list.front().id;
    }
    // Marks the processor's stored presets with `seed`, reads them and returns their bytes.
    std::vector<std::uint8_t> SynchroniseMarked(int seed) {
        program.devices().Device(kDemoDevicePath)->WithMemory([seed](ParameterImage& memory) {
            MarkStoredPresets(memory, seed);
        });
        EXPECT_TRUE(Synchronise());
        return StoredPresetBytes(*program.devices().Device(kDemoDevicePath));
    }
    // A complete file whose stored presets are marked with `seed`; empty when not written.
    QString MarkedCompleteFile(int seed) {
        ParameterImage image;
        MarkStoredPresets(image, seed);
        const QString file = scratch.filePath(QStringLiteral("marked-%1.qvma").arg(seed));
        return WriteCompleteJson(file.toStdString(), image, JsonHeaderRecord{}).ok() ? file
                                                                                     : QString();
    }

    QTemporaryDir scratch;
};

// ---- Save panel ----

TEST_F(FilePanelsTest, TheSaveButtonFirstOnlyFocusesTheNameField) {
    SavePanel* panel = OpenSavePanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->currentChoice()->isChecked());
    EXPECT_EQ(panel->nameField()->placeholderText(), QStringLiteral("Please enter a file name"));
    EXPECT_FALSE(panel->nameField()->everFocused());

    Click(panel->saveButton());
    EXPECT_TRUE(panel->nameField()->everFocused());
    EXPECT_TRUE(panel->nameField()->placeholderText().isEmpty());
    EXPECT_TRUE(program.messages->shown.empty());
    EXPECT_TRUE(QDir(program.context->settings().DataFolder()).entryList(QDir::Files).isEmpty());

    // From now on the button saves: an empty name is asked for under its own caption.
    Click(panel->saveButton());
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_EQ(program.messages->shown[0].kind, ShownMessage::Kind::Timed);
    EXPECT_EQ(program.messages->shown[0].text,
              QStringLiteral("Please enter a name for the scene!"));
    EXPECT_EQ(program.messages->shown[0].caption, QStringLiteral("prompt"));
    EXPECT_NE(panels().panel(PanelSlot::Save), nullptr);
}

TEST_F(FilePanelsTest, SavingUnderATypedNameWritesItInTheDataFolderAndSaysSo) {
    SavePanel* panel = OpenSavePanel();
    ASSERT_NE(panel, nullptr);
    QTest::mouseClick(panel->nameField(), Qt::LeftButton);
    ASSERT_TRUE(panel->nameField()->everFocused());
    QTest::keyClicks(panel->nameField(), QStringLiteral("Street"));
    Click(panel->saveButton());

    EXPECT_TRUE(QFile::exists(DataFile(QStringLiteral("Street.qvms"))));
    EXPECT_EQ(LastMessage(), QStringLiteral("Save music file successfully!"));
    EXPECT_NE(panels().panel(PanelSlot::Save), nullptr);  // it stays open

    // The name with its extension names the same file: no second extension.
    panel->nameField()->setText(QStringLiteral("Street.qvms"));
    Click(panel->saveButton());
    EXPECT_EQ(QDir(program.context->settings().DataFolder()).entryList(QDir::Files),
              QStringList{QStringLiteral("Street.qvms")});

    // Blanks only are refused.
    panel->nameField()->setText(QStringLiteral("   "));
    Click(panel->saveButton());
    EXPECT_EQ(LastMessage(), QStringLiteral("The machine sound name can not be all spaces!"));
}

TEST_F(FilePanelsTest, BrowseSavesTheCurrentTuningClosesAndRemembersTheFolder) {
    QTemporaryDir elsewhere;
    files->answers.push_back(elsewhere.filePath(QStringLiteral("door")));
    SavePanel* panel = OpenSavePanel();
    ASSERT_NE(panel, nullptr);
    Click(panel->browseButton());

    EXPECT_TRUE(QFile::exists(elsewhere.filePath(QStringLiteral("door.qvms"))));
    EXPECT_TRUE(WaitFor([this] { return panels().panel(PanelSlot::Save) == nullptr; }));
    ASSERT_EQ(files->asked.size(), 1u);
    EXPECT_TRUE(files->asked[0].save);
    EXPECT_EQ(files->asked[0].filter, QStringLiteral("*.qvms"));
    EXPECT_EQ(program.context->settings().GetPath(PathKind::SinglePreset), elsewhere.path());
    EXPECT_TRUE(program.messages->shown.empty());

    // A cancelled dialog writes nothing and the panel stays.
    panel = OpenSavePanel();
    Click(panel->browseButton());
    EXPECT_NE(panels().panel(PanelSlot::Save), nullptr);
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(FilePanelsTest, StoreAllWritesTheCompleteFileOnceThePresetsHaveArrived) {
    SavePanel* panel = OpenSavePanel();
    ASSERT_NE(panel, nullptr);
    Click(panel->allChoice());
    ASSERT_EQ(panel->mode(), SaveMode::All);

    // Without a processor nothing is asked and nothing is queued.
    Click(panel->browseButton());
    EXPECT_TRUE(files->asked.empty());
    EXPECT_EQ(LastMessage(),
              ToQString(ConnectionFailureMessage(program.context->controller().linkKind())
                            .text.In(UiLanguage::English)));
    panels().CloseAll();

    ASSERT_TRUE(Synchronise());
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath(QStringLiteral("car"));
    files->answers.push_back(chosen);
    panel = OpenSavePanel();
    Click(panel->allChoice());
    Click(panel->browseButton());
    EXPECT_TRUE(WaitFor([this] { return panels().panel(PanelSlot::Save) == nullptr; }));
    EXPECT_EQ(files->asked.back().filter, QStringLiteral("*.qvma"));
    EXPECT_EQ(program.context->settings().GetPath(PathKind::AllPresets), elsewhere.path());

    // Written only at the end, when the last stored preset's blocks are in.
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(chosen + QStringLiteral(".qvma")); }));
    EXPECT_FALSE(program.view().fileActions().presetFiles().pendingCompleteFile().has_value());
    EXPECT_EQ(program.view().progress().maximum(), 90);  // six outputs of 15 presets
    EXPECT_TRUE(WaitIdle());
    PresetFileCommands reader(program.context->session(), program.context->controller());
    EXPECT_TRUE(reader.OpenCompleteFile((chosen + QStringLiteral(".qvma")).toStdString()).ok);

    // The save button's store-all reads each preset's music input too, and the panel stays.
    panel = OpenSavePanel();
    Click(panel->allChoice());
    panel->nameField()->TakeFocus();
    panel->nameField()->setText(QStringLiteral("garage"));
    Click(panel->saveButton());
    EXPECT_NE(panels().panel(PanelSlot::Save), nullptr);
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(DataFile(QStringLiteral("garage.qvma"))); }));
    EXPECT_EQ(program.view().progress().maximum(), 105);
    EXPECT_TRUE(WaitIdle());
    // Besides the refusal while disconnected, each store-all ends naming the file it wrote.
    ASSERT_EQ(program.messages->shown.size(), 3u);
    EXPECT_EQ(
        program.messages->shown[1].text,
        QStringLiteral("Saved ") + QDir::toNativeSeparators(chosen + QStringLiteral(".qvma")));
    EXPECT_EQ(LastMessage(), QStringLiteral("Saved ") +
                                 QDir::toNativeSeparators(DataFile(QStringLiteral("garage.qvma"))));
}

// A name typed into the panel, or completed with its extension after the file dialog, that is
// already a file is asked about: No leaves the file as it was.
TEST_F(FilePanelsTest, AnExistingFileIsReplacedOnlyAfterTheQuestion) {
    const QByteArray old("earlier tuning");
    const auto writeOld = [&](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(old) == old.size();
    };
    const auto bytesOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString typed = DataFile(QStringLiteral("Street.qvms"));
    QTemporaryDir elsewhere;
    const QString completed = elsewhere.filePath(QStringLiteral("door.qvms"));
    ASSERT_TRUE(writeOld(typed) && writeOld(completed));

    SavePanel* panel = OpenSavePanel();
    ASSERT_NE(panel, nullptr);
    panel->nameField()->TakeFocus();
    panel->nameField()->setText(QStringLiteral("Street"));
    program.messages->answerYes = false;
    Click(panel->saveButton());
    EXPECT_EQ(program.messages->shown.back().kind, ShownMessage::Kind::Question);
    EXPECT_TRUE(LastMessage().startsWith(QDir::toNativeSeparators(typed) +
                                         QStringLiteral(" already exists.")));
    EXPECT_EQ(bytesOf(typed), old);
    files->answers.push_back(elsewhere.filePath(QStringLiteral("door")));
    Click(panel->browseButton());
    EXPECT_TRUE(LastMessage().startsWith(QDir::toNativeSeparators(completed)));
    EXPECT_EQ(bytesOf(completed), old);
    EXPECT_NE(panels().panel(PanelSlot::Save), nullptr);

    program.messages->answerYes = true;
    Click(panel->saveButton());
    EXPECT_EQ(LastMessage(), QStringLiteral("Save music file successfully!"));
    EXPECT_NE(bytesOf(typed), old);
}

TEST_F(FilePanelsTest, ProtectedTuningIsNotSavedToFiles) {
    ASSERT_TRUE(Synchronise());
    DeviceLock lock(program.context->session(), program.context->controller());
    ASSERT_FALSE(lock.Protect("482913"));
    ASSERT_TRUE(WaitIdle());
    const QString refusal = ToQString(ProtectedTuningRefusal().In(UiLanguage::English));

    SavePanel* panel = OpenSavePanel();
    Click(panel->browseButton());
    EXPECT_EQ(LastMessage(), refusal);
    Click(panel->allChoice());
    Click(panel->browseButton());
    EXPECT_EQ(program.messages->shown.size(), 2u);
    EXPECT_EQ(LastMessage(), refusal);
    EXPECT_TRUE(files->asked.empty());  // refused before any dialog
    panel->nameField()->TakeFocus();
    panel->nameField()->setText(QStringLiteral("Night"));
    Click(panel->saveButton());
    EXPECT_EQ(LastMessage(), refusal);
    EXPECT_TRUE(QDir(program.context->settings().DataFolder()).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(program.view().fileActions().presetFiles().pendingCompleteFile());
}

// ---- Open panel ----

TEST_F(FilePanelsTest, ANameInCapitalsIsNotOpenedAndSaysWhyTheRightOneLoads) {
    ASSERT_TRUE(Synchronise());
    QTemporaryDir elsewhere;
    const QString single = elsewhere.filePath(QStringLiteral("live.qvms"));
    ASSERT_TRUE(program.view().fileActions().presetFiles().SaveCurrentAs(single.toStdString()).ok);
    const QString capitals = elsewhere.filePath(QStringLiteral("LIVE.QVMS"));
    ASSERT_TRUE(QFile::copy(single, capitals));

    files->answers.push_back(capitals);
    OpenPanel* panel = OpenOpenPanel();
    ASSERT_NE(panel, nullptr);
    Click(panel->openButton());
    EXPECT_EQ(files->asked.back().filter, QStringLiteral("*.qvms *.qvma"));
    ASSERT_EQ(program.messages->shown.size(), 1u);  // says why, and loads nothing
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("LIVE.QVMS was not opened")));
    EXPECT_NE(panels().panel(PanelSlot::Open), nullptr);
    EXPECT_FALSE(program.context->controller().bulk().bulkBusy);

    files->answers.push_back(single);
    Click(panel->openButton());
    EXPECT_TRUE(WaitFor([this] { return panels().panel(PanelSlot::Open) == nullptr; }));
    EXPECT_EQ(program.messages->shown.size(), 1u);
    EXPECT_TRUE(WaitIdle());
}

TEST_F(FilePanelsTest, AFileThatCannotBeReadKeepsTheOpenPanelWithTheMessage) {
    QTemporaryDir elsewhere;
    const QString broken = elsewhere.filePath(QStringLiteral("broken.qvms"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a preset");
    file.close();
    files->answers.push_back(broken);
    OpenPanel* panel = OpenOpenPanel();
    const std::string newest = NewestSnapshotId();
    Click(panel->openButton());
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("Read MusicFile  Error\n")));
    EXPECT_GT(LastMessage().size(), QStringLiteral("Read MusicFile  Error\n").size());
    EXPECT_NE(panels().panel(PanelSlot::Open), nullptr);
    EXPECT_EQ(NewestSnapshotId(), newest);  // no copy for an open that did not happen
}

// A file opened with no processor attached becomes the program's tuning, to be prepared and
// saved offline; the message says the processor was not changed.
TEST_F(FilePanelsTest, ASingleFileOpenedOfflineLoadsAndSaysTheProcessorWasNotChanged) {
    TuningSession source;
    source.engine().model.output(2).SetDelay(201);
    source.engine().model.WriteAllToImage(source.engine().image);
    QTemporaryDir elsewhere;
    const QString single = elsewhere.filePath(QStringLiteral("prepared.qvms"));
    ASSERT_TRUE(
        WriteSingleJson(single.toStdString(), source.engine().image, JsonHeaderRecord{}).ok());

    files->answers.push_back(single);
    OpenPanel* panel = OpenOpenPanel();
    Click(panel->openButton());
    EXPECT_TRUE(WaitFor([this] { return panels().panel(PanelSlot::Open) == nullptr; }));
    EXPECT_EQ(program.context->session().Snapshot().outputs[2].delayCode, 201);
    EXPECT_EQ(LastMessage(), ToQString(SingleLoadedOfflineMessage().text.In(UiLanguage::English)));
    EXPECT_TRUE(program.context->session().NothingLeftToSend());
}

// An unreadable music file's box says why, below the failure's own text.
TEST_F(FilePanelsTest, AMusicFileThatIsMissingNamesTheReason) {
    QTemporaryDir elsewhere;
    files->answers.push_back(elsewhere.filePath(QStringLiteral("gone.wkcs")));
    EXPECT_FALSE(program.view().fileActions().LoadMusicFile(nullptr));
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Read MusicFile  Error\n") +
                  ToQString(ReadFailureReason("/nothing/here.wkcs").In(UiLanguage::English)));
}

// ---- Preset strip ----

TEST_F(FilePanelsTest, TheStripRefusesEverythingBeforeTheProcessorIsRead) {
    OpenPanel* panel = OpenOpenPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->strip()->action(), PresetAction::Load);
    Click(panel->strip()->button(2));
    EXPECT_EQ(LastMessage(), QStringLiteral("Not connected to device!"));
    EXPECT_EQ(panel->strip()->label(2)->text(), QStringLiteral("Preset2"));
    EXPECT_FALSE(panel->strip()->busy());
}

TEST_F(FilePanelsTest, SaveAsUnderAnotherPresetsNameIsRefusedAndUnderItsOwnAccepted) {
    ASSERT_TRUE(Synchronise());
    SavePanel* panel = OpenSavePanel();
    ASSERT_NE(panel, nullptr);
    PresetStrip* strip = panel->strip();
    EXPECT_EQ(strip->action(), PresetAction::SaveAs);
    EXPECT_EQ(strip->label(7)->text(), QStringLiteral("Preset7"));

    AnswerNameDialog(QStringLiteral("Preset7"));
    Click(strip->button(3));
    EXPECT_EQ(LastMessage(), QStringLiteral("Have been the same machine preset name!"));
    EXPECT_EQ(StoredName(3), "Preset3");
    EXPECT_NE(panels().panel(PanelSlot::Save), nullptr);  // held open by the box

    // Its own name is accepted: the preset is kept first, then stored again under it.
    const std::size_t shown = program.messages->shown.size();
    std::string newestBefore = NewestSnapshotId();
    AnswerNameDialog(QStringLiteral("Preset7"));
    Click(strip->button(7));
    EXPECT_TRUE(WaitFor([&] { return NewestSnapshotId() > newestBefore; }));
    EXPECT_TRUE(WaitIdle());
    EXPECT_EQ(program.messages->shown.size(), shown);
    EXPECT_EQ(StoredName(7), "Preset7");

    AnswerNameDialog(QStringLiteral("Street"));
    newestBefore = NewestSnapshotId();
    Click(strip->button(7));
    // The named preset is read and kept first; the store follows.
    EXPECT_TRUE(WaitFor([this] { return StoredName(7) == "Street"; }));
    EXPECT_EQ(program.messages->shown.size(), shown);
    EXPECT_EQ(strip->label(7)->text(), QStringLiteral("Street"));
    const auto kept = TuningSnapshots(SnapshotFolder()).List();  // newest first
    ASSERT_FALSE(kept.empty());
    EXPECT_GT(kept.front().id, newestBefore);
    EXPECT_TRUE(std::any_of(kept.begin(), kept.end(), [&](const SnapshotInfo& info) {
        return info.id > newestBefore && info.preset == 7 && info.presetName == "Preset7";
    }));
    EXPECT_TRUE(WaitIdle());

    // A cancelled dialog changes nothing.
    AnswerNameDialog(QStringLiteral("Other"), false);
    Click(strip->button(7));
    EXPECT_EQ(StoredName(7), "Street");
}

TEST_F(FilePanelsTest, AChineseCharacterAfterThreeLettersIsStoredWithABlankBeforeIt) {
    ASSERT_TRUE(Synchronise());
    SavePanel* panel = OpenSavePanel();
    AnswerNameDialog(QStringLiteral("abc") + QChar(0x4E2D));  // 中, D6 D0 in the code page
    Click(panel->strip()->button(5));
    EXPECT_TRUE(WaitFor([this] { return StoredName(5) == std::string("abc \xD6\xD0"); }));
    EXPECT_EQ(panel->strip()->label(5)->text(), QStringLiteral("abc ") + QChar(0x4E2D));
    EXPECT_TRUE(WaitIdle());
}

TEST_F(FilePanelsTest, DeleteEmptiesTheNameAndTheLabelReadsPresetN) {
    ASSERT_TRUE(Synchronise());
    MachinePresets presets(program.context->session(), program.context->controller());
    ASSERT_FALSE(presets.SaveAs(4, "Street").has_value());
    ASSERT_TRUE(WaitIdle());
    OpenPanel* panel = OpenOpenPanel();
    PresetStrip* strip = panel->strip();
    ASSERT_EQ(strip->label(4)->text(), QStringLiteral("Street"));
    ASSERT_EQ(strip->button(4)->look(), controls::PresetLook::Named);

    strip->ChooseAction(4, PresetAction::Delete);
    ASSERT_FALSE(program.messages->shown.empty());
    EXPECT_EQ(program.messages->shown.back().kind, ShownMessage::Kind::Question);
    EXPECT_EQ(LastMessage(), QStringLiteral("Are you delete No.4 preset?"));
    EXPECT_EQ(StoredName(4), "");
    EXPECT_EQ(strip->label(4)->text(), QStringLiteral("Preset4"));
    EXPECT_EQ(strip->button(4)->look(), controls::PresetLook::Empty);
    EXPECT_EQ(strip->button(4)->accessibleName(), QStringLiteral("Preset4"));
    program.context->language().Toggle();
    EXPECT_EQ(strip->label(4)->text(), QStringLiteral("预置4"));
    EXPECT_EQ(strip->label(5)->text(), QStringLiteral("Preset5"));  // a name is shown as it is
    EXPECT_EQ(strip->menu()->actions()[2]->text(), QStringLiteral("删除 机器预置音效"));
}

TEST_F(FilePanelsTest, AClickInTheOpenPanelRecallsThePresetAndItsName) {
    ASSERT_TRUE(Synchronise());
    OpenPanel* panel = OpenOpenPanel();
    Click(panel->strip()->button(5));
    EXPECT_TRUE(program.messages->shown.empty());
    // The recall reads the preset's blocks again: until they are in (the notice is handled
    // on this thread, so not before the next turn of the event loop), the strip refuses.
    Click(panel->strip()->button(6));
    EXPECT_EQ(LastMessage(), QStringLiteral("Not connected to device!"));
    ASSERT_TRUE(program.WaitSynchronised());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(program.context->session().Snapshot().liveName, "Preset5");
}

TEST_F(FilePanelsTest, TheContextMenusDeleteStaysTheActionOfLaterClicks) {
    ASSERT_TRUE(Synchronise());
    program.messages->answerYes = false;  // every question is answered No
    OpenPanel* panel = OpenOpenPanel();
    PresetStrip* strip = panel->strip();
    emit strip->button(2)->customContextMenuRequested(QPoint(4, 4));
    ASSERT_TRUE(WaitFor([strip] { return strip->menu()->isVisible(); }));
    const QList<QAction*> entries = strip->menu()->actions();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Load Machine Preset"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("Save As Machine Preset"));
    EXPECT_EQ(entries[2]->text(), QStringLiteral("Delete Machine Preset"));
    strip->menu()->hide();
    entries[2]->trigger();
    EXPECT_EQ(LastMessage(), QStringLiteral("Are you delete No.2 preset?"));

    // The mode is in sight on the strip and in the panel's hint, in both languages.
    EXPECT_EQ(strip->modeLabel()->text(),
              ToQString(text::kStripModeDelete.In(UiLanguage::English)));
    EXPECT_TRUE(strip->modeLabel()->isVisible());
    auto* hint = panel->findChild<QLabel*>(QStringLiteral("openHint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->text(), ToQString(text::kOpenHintDelete.In(UiLanguage::English)));
    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_EQ(strip->modeLabel()->text(),
              ToQString(text::kStripModeDelete.In(UiLanguage::Chinese)));
    EXPECT_EQ(hint->text(), ToQString(text::kOpenHintDelete.In(UiLanguage::Chinese)));
    program.context->language().Set(UiLanguage::English);

    Click(strip->button(9));
    EXPECT_EQ(strip->action(), PresetAction::Delete);
    EXPECT_EQ(LastMessage(), QStringLiteral("Are you delete No.9 preset?"));
    EXPECT_EQ(StoredName(9), "Preset9");                          // answered No
    EXPECT_FALSE(program.context->controller().bulk().bulkBusy);  // nothing was loaded
}

TEST_F(FilePanelsTest, TheArrowKeysWalkThePresetsAndScrollThemIntoView) {
    OpenPanel* panel = OpenOpenPanel();
    PresetStrip* strip = panel->strip();
    ASSERT_TRUE(WaitFor([panel] { return panel->isActiveWindow(); }));
    strip->button(1)->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(strip->button(1)->hasFocus());
    QScrollBar* bar = strip->scrollArea()->horizontalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    for (int p = 1; p < kPresetCount; ++p) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    }
    EXPECT_TRUE(strip->button(15)->hasFocus());
    // The last preset is in view.
    const QWidget* viewport = strip->scrollArea()->viewport();
    const QRect last(strip->button(15)->mapTo(viewport, QPoint(0, 0)), strip->button(15)->size());
    EXPECT_TRUE(viewport->rect().contains(last));
    EXPECT_GT(bar->value(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);  // stops at the end
    EXPECT_TRUE(strip->button(15)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_TRUE(strip->button(14)->hasFocus());
    EXPECT_EQ(bar->singleStep(), 10);
    EXPECT_EQ(bar->pageStep(), 100);
}

TEST_F(FilePanelsTest, NameFieldsAlignOrRefuseDoubleByteCharacters) {
    const QString zhong(QChar(0x4E2D));
    PresetNameField aligned(DoubleByteRule::Align, nullptr);
    QTest::keyClicks(&aligned, QStringLiteral("abc"));
    Type(&aligned, zhong);
    EXPECT_EQ(aligned.text(), QStringLiteral("abc ") + zhong);
    Type(&aligned, QStringLiteral("d") + zhong);
    EXPECT_EQ(aligned.text(), QStringLiteral("abc ") + zhong + QStringLiteral("d ") + zhong);

    PresetNameField refusing(DoubleByteRule::Refuse, nullptr);
    QTest::keyClicks(&refusing, QStringLiteral("ab"));
    Type(&refusing, zhong);
    QTest::keyClicks(&refusing, QStringLiteral("c"));
    EXPECT_EQ(refusing.text(), QStringLiteral("abc"));
    QTest::keyClicks(&refusing, QStringLiteral("defghijklmnopq"));
    EXPECT_EQ(refusing.text(), QStringLiteral("abcdefghijklm"));  // 13 at most
}

// The six output blocks and the name (as text: its padding is the link's) of every stored
// preset in the processor's memory.
std::vector<std::uint8_t> StoredPresetBytes(sim::SimulatedProcessor& processor) {
    std::vector<std::uint8_t> bytes;
    processor.WithMemory([&](ParameterImage& memory) {
        for (int preset = 1; preset <= kPresetCount; ++preset) {
            const std::string name = TextFromField(memory.Record(preset).first(kNameFieldSize));
            bytes.insert(bytes.end(), name.begin(), name.end());
            bytes.push_back(0);
            for (int channel = 0; channel < kOutputChannelCount; ++channel) {
                const auto block = memory.Block(preset, BlockType::Output, channel);
                bytes.insert(bytes.end(), block.begin(), block.end());
            }
        }
    });
    return bytes;
}

// Stored presets that differ from preset to preset: a name on some, a delay on each output.
void MarkStoredPresets(ParameterImage& image, int seed) {
    constexpr std::size_t kDelayWord = 252;
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        if (preset % 3 == 0) {
            const std::string name = "Car" + std::to_string(seed + preset);
            auto field = image.Record(preset).first(kNameFieldSize);
            std::fill(field.begin(), field.end(), 0);
            std::copy(name.begin(), name.end(), field.begin());
        }
        for (int channel = 0; channel < kOutputChannelCount; ++channel) {
            image.Block(preset, BlockType::Output, channel)[kDelayWord] =
                static_cast<std::uint8_t>(seed + preset * 6 + channel);
        }
    }
}

bool WroteSomething(sim::SimulatedProcessor& processor) {
    for (const auto& frame : processor.ReceivedFrames()) {
        if (frame.size() > 4 && frame[4] == 0xA1) {
            return true;
        }
    }
    return false;
}

// A complete file replaces all 15 stored presets: the user is asked first (No sends nothing);
// Yes keeps a complete copy read from the processor before anything is sent, and that copy
// brings every stored preset back byte for byte.
TEST_F(FilePanelsTest, ACompleteFileAsksFirstAndItsSafetyCopyBringsEveryPresetBack) {
    auto processor = program.devices().Device(kDemoDevicePath);
    const std::vector<std::uint8_t> before = SynchroniseMarked(10);
    const QString file = MarkedCompleteFile(50);
    ASSERT_FALSE(file.isEmpty());
    // Copies are pruned to the newest ones: what is new is what sorts after the newest before.
    const auto newestComplete = [] {
        const auto copies = ListCompleteCopies(SnapshotFolder());
        return copies.empty() ? std::string() : copies.front().id;
    };
    const std::string newestBefore = newestComplete();

    program.messages->answerYes = false;
    processor->ClearReceivedFrames();
    files->answers.push_back(file);
    OpenPanel* panel = OpenOpenPanel();
    Click(panel->openButton());
    ASSERT_FALSE(program.messages->shown.empty());
    EXPECT_EQ(program.messages->shown.back().kind, ShownMessage::Kind::Question);
    EXPECT_TRUE(
        LastMessage().contains(QStringLiteral("(%1 of them named)")
                                   .arg(NamedStoredPresetCount(program.context->session()))));
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(WroteSomething(*processor));
    EXPECT_EQ(newestComplete(), newestBefore);
    EXPECT_NE(panels().panel(PanelSlot::Open), nullptr);

    program.messages->answerYes = true;
    files->answers.push_back(file);
    Click(panel->openButton());
    ASSERT_TRUE(WaitFor([&] { return newestComplete() > newestBefore; }));
    ASSERT_TRUE(WaitFor([&] { return StoredPresetBytes(*processor) != before; }));
    ASSERT_TRUE(WaitIdle());

    const SnapshotInfo copy = ListCompleteCopies(SnapshotFolder()).front();
    EXPECT_TRUE(copy.complete);
    EXPECT_EQ(FindAnySnapshot(SnapshotFolder(), copy.id)->path, copy.path);
    EXPECT_TRUE(program.view().fileActions().presetFiles().RecallAllPresets(copy.path).ok);
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(StoredPresetBytes(*processor) == before);
}

// The Snapshots dialog lists a complete copy as such and restores it whole: its question names
// how many named presets go, and every stored preset comes back.
TEST_F(FilePanelsTest, ACompleteCopyInTheSnapshotsDialogBringsEveryPresetBack) {
    auto processor = program.devices().Device(kDemoDevicePath);
    const std::vector<std::uint8_t> before = SynchroniseMarked(20);
    const QString file = MarkedCompleteFile(70);
    ASSERT_FALSE(file.isEmpty());
    ASSERT_TRUE(program.view().fileActions().OpenPresetFile(file));
    ASSERT_TRUE(WaitFor([&] { return StoredPresetBytes(*processor) != before; }));
    ASSERT_TRUE(WaitIdle());

    // The newest complete copy is the first row marked as one.
    SnapshotsDialog dialog(*program.context, program.view().history().snapshots(),
                           program.view().fileActions(), program.window.get());
    int row = 0;
    while (row < dialog.table()->rowCount() &&
           !dialog.table()->item(row, 1)->text().endsWith(
               QStringLiteral(", live tuning and all 15 presets"))) {
        ++row;
    }
    ASSERT_LT(row, dialog.table()->rowCount());
    program.messages->shown.clear();
    ASSERT_TRUE(dialog.RestoreRow(row));
    ASSERT_EQ(program.messages->shown.size(), 1u);
    EXPECT_TRUE(
        LastMessage().contains(QStringLiteral("(%1 of them named)")
                                   .arg(NamedStoredPresetCount(program.context->session()))));
    ASSERT_TRUE(WaitFor([&] { return StoredPresetBytes(*processor) == before; }));
    EXPECT_TRUE(WaitIdle());
}

// Loading a stored preset replaces the live tuning: a safety copy of it is kept first.
TEST_F(FilePanelsTest, ARecallFromTheStripKeepsASafetyCopyFirst) {
    ASSERT_TRUE(Synchronise());
    const TuningSnapshots snapshots(SnapshotFolder());
    const std::size_t before = snapshots.List().size();
    OpenPanel* panel = OpenOpenPanel();
    ASSERT_NE(panel, nullptr);
    Click(panel->strip()->button(2));
    ASSERT_TRUE(WaitIdle());
    const auto after = snapshots.List();
    ASSERT_EQ(after.size(), before + 1);
    EXPECT_EQ(after.front().reason, SnapshotReason::Recall);
}

}  // namespace
}  // namespace corva::shell
