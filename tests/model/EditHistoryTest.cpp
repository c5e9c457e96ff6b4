// The undo history without a processor: depth, nested steps, steps forgotten while open, and a
// bypass-all switch whose first move happens before its question is one step.
#include <gtest/gtest.h>

#include "model/ChannelEditor.h"
#include "model/TuningHistory.h"

namespace corva {
namespace {

TEST(EditHistoryTest, KeepsTheNewestStepsUpToItsDepth) {
    TuningModel model;
    ParameterImage image;
    EditHistory history(3);
    for (int gain = 1; gain <= 5; ++gain) {
        history.Begin(model, image);
        model.output(0).SetGain(gain);
        history.End(model, image);
    }
    EXPECT_EQ(history.undoCount(), 3u);
    // The oldest kept step goes back to the gain its edit replaced.
    for (int i = 0; i < 3; ++i) {
        auto back = history.TakeUndo(CaptureTuning(model, image));
        ASSERT_TRUE(back);
        model.output(0).RestoreValues(back->outputs[0], EditOrigin::Load);
    }
    EXPECT_EQ(model.output(0).gainCode(), 2);
    EXPECT_FALSE(history.TakeUndo(CaptureTuning(model, image)));
}

TEST(EditHistoryTest, NestedStepsAreOneAndAStepOpenAtAClearRecordsNothing) {
    TuningModel model;
    ParameterImage image;
    EditHistory history;
    history.Begin(model, image);
    history.Begin(model, image);
    model.output(1).SetDelay(10);
    history.End(model, image);
    EXPECT_FALSE(history.CanUndo());
    model.output(1).SetDelay(20);
    history.End(model, image);
    EXPECT_EQ(history.undoCount(), 1u);

    history.Begin(model, image);
    model.output(1).SetDelay(30);
    history.Clear();
    history.End(model, image);
    EXPECT_FALSE(history.CanUndo());
}

TEST(EditHistoryTest, UndoIsRefusedWhileADragIsOpen) {
    TuningSession session;
    ChannelEditor editor(session);
    TuningHistory history(session);
    editor.SetGain(0, 300);
    history.BeginStep();
    editor.SetGain(0, 310);
    EXPECT_FALSE(history.Undo());
    history.EndStep();
    EXPECT_TRUE(history.Undo());
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(session.Snapshot().outputs[0].gainCode, kChannelGainCodeDefault);
}

TEST(EditHistoryTest, BypassAllIsOneStepThatUndoesTheWholeSwitch) {
    TuningSession session;
    ChannelEditor editor(session);
    TuningHistory history(session);
    editor.SetBandGainDb(2, 0, 5.0);
    ASSERT_EQ(editor.SetBypassAll(2, OnOff::On, [](const UiText&) { return true; }), OnOff::On);
    EXPECT_TRUE(session.Snapshot().outputs[2].allBypassed);
    ASSERT_TRUE(history.Undo());
    EXPECT_FALSE(session.Snapshot().outputs[2].allBypassed);
    EXPECT_FALSE(session.Snapshot().outputs[2].bands[0].bypassed);
    EXPECT_EQ(history.UndoName()->In(UiLanguage::English), "SL band 1 gain");
    // Declined: nothing changed, so no step.
    editor.SetBypassAll(2, OnOff::On, [](const UiText&) { return false; });
    EXPECT_EQ(history.UndoName()->In(UiLanguage::English), "SL band 1 gain");
}

}  // namespace
}  // namespace corva
