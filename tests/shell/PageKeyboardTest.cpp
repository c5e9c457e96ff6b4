// The full interface page from the keyboard inside the main window: the ring of EQ value
// fields (Tab, Right, Left), the way back to the chooser and the graph, Alt+1..Alt+6; values
// typed at speed reaching the processor as typed, text that is no number, and the selected
// band shared by the graph and the EQ columns.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <cmath>

#include "ShellTestSupport.h"
#include "controls/ValueField.h"
#include "dsp/values/BandCodes.h"
#include "model/ChannelEditor.h"
#include "pages/CompactGainsRow.h"
#include "pages/CrossoverControls.h"
#include "pages/EqBandColumn.h"
#include "pages/EqEditorPanel.h"
#include "pages/FullInterfacePage.h"
#include "pages/MainVolumePanel.h"
#include "pages/ResponseGraph.h"
#include "protocol/FrameLayout.h"
#include "shell/app/PageArea.h"
#include "sim/SimulatedProcessor.h"

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
    EXPECT_EQ(gain->shownText(), QStringLiteral("5.0"));
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

// The page on a synchronised processor, typed into the way an installer types: a value, Tab,
// the next value, with the window's refresh of each edit running between the keys.
class PageTypingTest : public PageKeyboardTest {
protected:
    TuningSession& session() { return program.context->session(); }
    std::shared_ptr<sim::SimulatedProcessor> processor() {
        return program.devices().Device(kDemoDevicePath);
    }
    void Synchronise() {
        program.view().StartupConnect();
        ASSERT_TRUE(program.WaitSynchronised());
        ASSERT_TRUE(WaitFor([this] { return program.view().isEnabled(); }));
        ASSERT_TRUE(WaitFor([this] { return session().NothingLeftToSend(); }));
        processor()->ClearReceivedFrames();
        // The read's progress window took the activation; the keys go to the main window.
        program.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
        Focus(&page().graph());  // a click then moves the focus as in a window in use
    }
    void TypeThenTab(controls::ValueField* field, const QString& text) {
        ASSERT_EQ(QApplication::focusWidget(), field);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
        QTest::qWait(5);  // the change event's refresh, as between a user's keys
    }
    // Frequency, gain code + 400 and bandwidth index of every record sent for a band slot.
    std::vector<std::array<int, 3>> SentBandRecords(int channel, int band) {
        std::vector<std::array<int, 3>> records;
        for (const auto& frame : processor()->ReceivedFrames()) {
            if (frame.size() >= frame::kOverhead + 8 && frame[frame::kCommand] == 0xA1 &&
                frame[frame::kBlockType] == 4 && frame[frame::kChannel] == channel &&
                frame[frame::kSlot] == band) {
                const auto le16 = [&](std::size_t at) {
                    return static_cast<int>(static_cast<std::int16_t>(
                        frame[frame::kHeaderSize + at] | (frame[frame::kHeaderSize + at + 1] << 8)));
                };
                records.push_back({le16(0), le16(2), le16(4)});
            }
        }
        return records;
    }
    std::size_t WritesReceived() {
        EXPECT_TRUE(WaitFor([this] { return session().NothingLeftToSend(); }));
        const auto frames = processor()->ReceivedFrames();
        return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [](const auto& f) {
            return f.size() > frame::kCommand && f[frame::kCommand] == 0xA1;
        }));
    }
};

TEST_F(PageTypingTest, ValuesTypedWithTabBetweenThemReachTheProcessorAsTyped) {
    ASSERT_TRUE(windowActive);
    Synchronise();
    constexpr int kThreeDbField = 230 + 400;
    const std::array<int, 3> typed{2000, kThreeDbField, BandwidthIndexForQ(2.5)};
    int band = 3;
    for (const UiLanguage language : {UiLanguage::English, UiLanguage::Chinese}) {
        program.context->language().Set(language);
        for (const int channel : {1, 4}) {
            page().SetCurrentChannel(channel);
            for (int repeat = 0; repeat < 2; ++repeat, ++band) {
                // A click selects the whole text: the digits replace the value.
                QTest::mouseClick(column(band).gainField(), Qt::LeftButton);
                ASSERT_TRUE(FocusReaches(column(band).gainField()));
                TypeThenTab(column(band).gainField(), QStringLiteral("3"));
                TypeThenTab(column(band).frequencyField(), QStringLiteral("2000"));
                TypeThenTab(column(band).qField(), QStringLiteral("2.5"));
                ASSERT_TRUE(WaitFor([&] {
                    const auto records = SentBandRecords(channel, band);
                    return !records.empty() && records.back() == typed;
                })) << "channel " << channel << " band " << band << ": "
                    << ::testing::PrintToString(SentBandRecords(channel, band))
                    << column(band).gainField()->text().toStdString() << " "
                    << column(band).frequencyField()->text().toStdString() << " "
                    << column(band).qField()->text().toStdString();
                // Nothing on the way was ever louder than typed.
                for (const auto& record : SentBandRecords(channel, band)) {
                    EXPECT_LE(record[1], kThreeDbField);
                }
                EXPECT_EQ(column(band).qField()->text(), QString::fromStdString(QText(typed[2])));
            }
        }
    }
}

TEST_F(PageTypingTest, TextThatIsNoNumberChangesNoFieldAndSendsNothing) {
    ASSERT_TRUE(windowActive);
    Synchronise();
    const TuningSnapshot before = session().Snapshot();
    for (const auto area : {pages::LowerArea::EqEditor, pages::LowerArea::ChannelStrips}) {
        page().ShowLowerArea(area);
        for (controls::ValueField* field : page().ValueFieldsInRingOrder()) {
            if (!field->isVisible()) {
                continue;
            }
            const QString shown = field->text();
            Focus(field);
            QTest::keyClicks(field, QStringLiteral("abc"));
            QTest::keyClick(field, Qt::Key_Tab);
            EXPECT_EQ(field->text(), shown) << field->accessibleName().toStdString();
        }
    }
    QTest::qWait(5);
    const TuningSnapshot after = session().Snapshot();
    EXPECT_EQ(after.liveRecord, before.liveRecord);
    EXPECT_EQ(after.mainVolumeCode, before.mainVolumeCode);
    EXPECT_EQ(WritesReceived(), 0U);
}

TEST_F(PageTypingTest, TheGraphAndTheEqColumnsShareTheSelectedBand) {
    ASSERT_TRUE(windowActive);
    page().SelectBand(4);
    EXPECT_TRUE(column(4).selected());
    // An edit in a column selects its band on the graph.
    Focus(column(9).gainField());
    QTest::keyClicks(column(9).gainField(), QStringLiteral("2"));
    QTest::keyClick(column(9).gainField(), Qt::Key_Return);
    EXPECT_EQ(page().graph().currentBand(), 9);
    EXPECT_TRUE(column(9).selected());
    EXPECT_FALSE(column(4).selected());
    // A band chosen on the graph marks its column.
    Focus(&page().graph());
    QTest::keyClick(&page().graph(), Qt::Key_Right);
    EXPECT_TRUE(column(10).selected());
    EXPECT_FALSE(column(9).selected());
    // Choosing the current channel again keeps the band.
    page().SetCurrentChannel(page().currentChannel());
    EXPECT_EQ(page().graph().currentBand(), 10);

    // Eight raised bands, a selected one and a crossover pair, saved in both languages when
    // CORVA_SCREENSHOT_DIR names a folder.
    const QString folder = qEnvironmentVariable("CORVA_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        return;
    }
    ChannelEditor editor(program.context->session());
    for (int band = 0; band < 8; ++band) {
        editor.SetBandFrequency(0, 2 + 3 * band, 60.0 * std::pow(1.9, band));
        editor.SetBandGainDb(0, 2 + 3 * band, band % 2 == 0 ? 4.0 + band : -3.0 - band);
    }
    editor.SetCrossoverFrequency(0, CrossoverFilter::HighPass, 80);
    editor.SetCrossoverFrequency(0, CrossoverFilter::LowPass, 90);
    QTest::qWait(5);
    page().SelectBand(8);
    for (const UiLanguage language : {UiLanguage::English, UiLanguage::Chinese}) {
        program.context->language().Set(language);
        program.window->grab().save(
            folder + (language == UiLanguage::English ? "/page-en.png" : "/page-zh.png"));
    }
}

}  // namespace
}  // namespace corva::shell
