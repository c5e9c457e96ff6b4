// Undo and redo against a simulated processor: a session of edits, a drag, a linked edit and a
// file load taken back to the start and forward to the end leaves the processor's memory byte
// for byte where it was; an undo sends the frames the edit sent; a reconnect forgets the steps.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/DeviceLock.h"
#include "commands/PresetFileCommands.h"
#include "commands/TuningFiles.h"
#include "files/ConnectedProcessorTest.h"
#include "model/TuningHistory.h"

namespace corva {
namespace {

using test::Bytes;
using test::Engine;

class UndoRedoTest : public test::ConnectedProcessorTest {
protected:
    // The live record and the main volume as the processor holds them.
    Bytes ProcessorTuning() {
        Bytes bytes;
        processor->WithMemory([&](ParameterImage& memory) {
            bytes.assign(memory.Live().begin(), memory.Live().end());
            bytes.insert(bytes.end(), memory.MainVolume().begin(), memory.MainVolume().end());
        });
        return bytes;
    }

    TuningHistory history{engine.session};
};

TEST_F(UndoRedoTest, EditsDragLinkAndLoadUndoneAndRedoneLeaveTheProcessorByteIdentical) {
    TuningSession source;
    test::FillTuning(source, 7);
    const std::string file = folder.PathOf("other.qvms");
    ASSERT_TRUE(WriteLiveAsSingleFile(source, file).ok());
    const Bytes start = ProcessorTuning();

    editor.SetBandGainDb(0, 6, 4.5);
    editor.SetCrossoverFrequency(1, CrossoverFilter::HighPass, 80);
    editor.SetGain(2, 500);
    history.BeginStep();  // a drag: press, moves, release
    for (int x = 100; x <= 300; x += 20) {
        const PlotValue value = PointerValue({x, 80}, {600, 300});
        editor.DragBandPoint(3, 2, value.frequencyHz, value.gainDb);
    }
    history.EndStep();
    editor.LinkPair(0, LinkDirection::LeftToRight);
    editor.SetBandFrequency(0, 10, 16000);  // linked: both front channels, in octave steps
    editor.SetMainVolume(30);
    Settle();
    PresetFileCommands files(engine.session, engine.controller);
    ASSERT_TRUE(files.OpenSingleFile(file).ok);
    Settle();
    const Bytes end = ProcessorTuning();
    ASSERT_NE(start, end);

    constexpr int kSteps = 8;
    for (int i = 0; i < kSteps; ++i) {
        ASSERT_TRUE(history.Undo()) << "undo " << i;
        Settle();
    }
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo());
    EXPECT_EQ(ProcessorTuning(), start);

    for (int i = 0; i < kSteps; ++i) {
        ASSERT_TRUE(history.Redo()) << "redo " << i;
    }
    Settle();
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(ProcessorTuning(), end);
}

TEST_F(UndoRedoTest, StepsAreNamedAfterWhatChanged) {
    editor.SetBandGainDb(0, 6, 3.0);
    EXPECT_EQ(history.UndoName()->In(UiLanguage::English), "FL band 7 gain");
    EXPECT_EQ(history.UndoTip().In(UiLanguage::English), "Undo: FL band 7 gain");
    editor.LinkPair(0, LinkDirection::LeftToRight);
    EXPECT_EQ(history.UndoName()->In(UiLanguage::English), "Link");
    editor.SetBandFrequency(1, 2, 200);
    EXPECT_EQ(history.UndoName()->In(UiLanguage::English), "FL+FR band 3 frequency");
    editor.SetMuted(4, MuteState::Muted);
    EXPECT_EQ(history.UndoName()->In(UiLanguage::English), "ULF mute");
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(history.RedoTip().In(UiLanguage::English), "Redo: ULF mute");
    EXPECT_EQ(history.UndoName()->In(UiLanguage::English), "FL+FR band 3 frequency");
}

TEST_F(UndoRedoTest, UndoOfOneBandEditSendsThatBandsSlotOnly) {
    editor.SetBandGainDb(2, 4, -6.0);
    Settle();
    processor->ClearReceivedFrames();
    ASSERT_TRUE(history.Undo());
    Settle();
    EXPECT_EQ(WritesSent(test::FrameDetail::Slot), std::vector<std::string>{"4/2/4"});
    processor->ClearReceivedFrames();
    ASSERT_TRUE(history.Redo());
    Settle();
    EXPECT_EQ(WritesSent(test::FrameDetail::Slot), std::vector<std::string>{"4/2/4"});
}

TEST_F(UndoRedoTest, AnEditThatChangesNothingIsNoStepAndANewEditDropsTheRedoSteps) {
    editor.SetGain(1, 500);
    editor.SetGain(1, 500);
    EXPECT_TRUE(history.Undo());
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.CanRedo());
    editor.CommitDelay(1, 40);
    EXPECT_FALSE(history.CanRedo());
}

TEST_F(UndoRedoTest, UndoAfterAReconnectDoesNothing) {
    editor.SetBandGainDb(0, 0, 2.0);
    Settle();
    ASSERT_TRUE(history.CanUndo());
    engine.controller.Disconnect();
    ASSERT_TRUE(engine.controller.ConnectToPath("dsp").ok());
    ASSERT_TRUE(engine.WaitSynchronised());
    Settle();
    const Bytes before = ProcessorTuning();
    processor->ClearReceivedFrames();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo());
    Settle();
    EXPECT_TRUE(WritesSent(test::FrameDetail::Slot).empty());
    EXPECT_EQ(ProcessorTuning(), before);
}

TEST_F(UndoRedoTest, ProtectingTheTuningForgetsTheStepsBeforeIt) {
    editor.SetBandGainDb(5, 1, -4.0);
    Settle();
    DeviceLock lock(engine.session, engine.controller);
    ASSERT_FALSE(lock.Protect("135790"));
    Settle();
    // A reset of the lock without the password must not lead back to the tuning it hid.
    ASSERT_FALSE(lock.Reset());
    Settle();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Undo());
}

}  // namespace
}  // namespace corva
