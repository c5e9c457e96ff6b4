// The full interface page from the keyboard inside the main window: the ring of EQ value
// fields (Tab, Right, Left), the way back to the chooser and the graph, and Alt+1..Alt+6.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>

#include "ShellTestSupport.h"
#include "controls/ValueField.h"
#include "pages/CrossoverControls.h"
#include "pages/EqBandColumn.h"
#include "pages/EqEditorPanel.h"
#include "pages/CompactGainsRow.h"
#include "pages/FullInterfacePage.h"
#include "pages/MainVolumePanel.h"
#include "pages/ResponseGraph.h"
#include "shell/PageArea.h"

namespace corva::shell {
namespace {

using test::Program;
using test::WaitFor;

class PageKeyboardTest : public ::testing::Test {
protected:
    PageKeyboardTest() {
        program.window->activateWindow();
        windowActive = QTest::qWaitForWindowActive(program.window.get());
    }

    pages::FullInterfacePage& page() { return program.view().pageArea().page(); }
    pages::EqBandColumn& column(int band) { return *page().eqEditor().column(band); }
    bool FocusReaches(const QWidget* widget) {
        return WaitFor([&] { return QApplication::focusWidget() == widget; });
    }
    void Focus(QWidget* widget) {
        widget->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(FocusReaches(widget));
    }

    Program program;
    bool windowActive = false;
};

TEST_F(PageKeyboardTest, TabWalksEachBandGainFrequencyQThenTheNextBand) {
    ASSERT_TRUE(windowActive);
    Focus(column(0).gainField());
    QTest::keyClick(column(0).gainField(), Qt::Key_Tab);
    EXPECT_TRUE(FocusReaches(column(0).frequencyField()));
    QTest::keyClick(column(0).frequencyField(), Qt::Key_Tab);
    EXPECT_TRUE(FocusReaches(column(0).qField()));
    QTest::keyClick(column(0).qField(), Qt::Key_Tab);
    EXPECT_TRUE(FocusReaches(column(1).gainField()));  // the fader and "BY" are not stops
}

TEST_F(PageKeyboardTest, RightAndLeftMoveAlongTheRingAndWrapAtBothEnds) {
    ASSERT_TRUE(windowActive);
    auto& last = column(output_block::kBandSlots - 1);
    auto* highPass = page().crossover().frequencyField(CrossoverFilter::HighPass);
    Focus(last.qField());
    QTest::keyClick(last.qField(), Qt::Key_Right);
    EXPECT_TRUE(FocusReaches(highPass));  // the ring starts at the crossover
    QTest::keyClick(highPass, Qt::Key_Left);
    EXPECT_TRUE(FocusReaches(last.qField()));
    QTest::keyClick(last.qField(), Qt::Key_Left);
    EXPECT_TRUE(FocusReaches(last.frequencyField()));
    QTest::keyClick(last.frequencyField(), Qt::Key_Tab);
    EXPECT_TRUE(FocusReaches(last.qField()));

    // The hidden strips are skipped: from the volume to the gains over the EQ, then band 1.
    auto* volume = page().mainVolume().field();
    Focus(volume);
    QTest::keyClick(volume, Qt::Key_Right);
    EXPECT_TRUE(FocusReaches(page().gainsRow().gainField(0)));
    auto* lastGain = page().gainsRow().gainField(kOutputChannelCount - 1);
    Focus(lastGain);
    QTest::keyClick(lastGain, Qt::Key_Right);
    EXPECT_TRUE(FocusReaches(column(0).gainField()));
}

// The arrow leaves the field even while the user types; the typing is committed on the way.
TEST_F(PageKeyboardTest, AnArrowInATypedFieldCommitsTheTypingAndMovesOn) {
    ASSERT_TRUE(windowActive);
    auto* gain = column(2).gainField();
    Focus(gain);
    gain->selectAll();
    QTest::keyClicks(gain, QStringLiteral("5"));
    QTest::keyClick(gain, Qt::Key_Right);
    EXPECT_TRUE(FocusReaches(column(2).frequencyField()));
    EXPECT_EQ(gain->shownText(), QStringLiteral("5.0dB"));
    EXPECT_DOUBLE_EQ(program.context->session().Snapshot().outputs[0].bands[2].gainDb, 5.0);
}

TEST_F(PageKeyboardTest, TheChooserAndTheGraphComeBeforeTheFieldsInTheTabChain) {
    const QWidget* firstField = column(0).gainField();
    bool graphSeen = false;
    QWidget* widget = page().channelButton(0);
    for (int hop = 0; hop < 200 && widget != firstField; ++hop) {
        graphSeen = graphSeen || widget == &page().graph();
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(widget, firstField);
    EXPECT_TRUE(graphSeen);
}

TEST_F(PageKeyboardTest, AltDigitsChooseTheChannelAlsoFromAValueField) {
    ASSERT_TRUE(windowActive);
    Focus(column(0).gainField());
    QTest::keyClick(column(0).gainField(), Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(page().currentChannel(), 2);
    EXPECT_TRUE(page().channelButton(2)->isChecked());
    EXPECT_EQ(column(0).gainField()->text(), column(0).gainField()->shownText());  // no "3" typed

    QTest::keyClick(program.window.get(), Qt::Key_6, Qt::AltModifier);
    EXPECT_EQ(page().currentChannel(), 5);
    EXPECT_TRUE(page().channelButton(2)->toolTip().contains(QStringLiteral("Alt+3")));

    page().SetEditingVisible(false);  // protected tuning: still shown channel by channel
    QTest::keyClick(program.window.get(), Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(page().currentChannel(), 0);
}

}  // namespace
}  // namespace corva::shell
