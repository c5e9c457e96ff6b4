// The EQ editor panel on the demonstration processor: typed values reach the processor as
// band frames and are shown as applied, bypass and bypass-all with their questions, reset
// all, keyboard reach, the fit and the labels in both languages, and the edit before the
// full read.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QSignalSpy>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "ShellTestSupport.h"
#include "controls/FlatButton.h"
#include "controls/LatchButton.h"
#include "controls/ValueField.h"
#include "controls/VerticalFader.h"
#include "dsp/values/BandCodes.h"
#include "model/ChannelEditor.h"
#include "pages/EqBandColumn.h"
#include "pages/EqEditorPanel.h"
#include "pages/EqTexts.h"
#include "protocol/FrameLayout.h"
#include "shell/app/NoticePoster.h"
#include "sim/SimulatedProcessor.h"

namespace corva::pages {
namespace {

using shell::test::Program;
using shell::test::WaitFor;

constexpr int kBand = 6;  // shown as "Band 7"

struct BandRecord {
    int frequencyHz;
    int gainField;  // gain code + 400
    int bandwidthIndex;
};

int Le16(const std::vector<std::uint8_t>& frame, std::size_t at) {
    return static_cast<std::int16_t>(frame[at] | (frame[at + 1] << 8));
}

class EqEditorPanelTest : public ::testing::Test {
protected:
    EqEditorPanelTest()
        : editor{session()}, panel{session(), editor, [this](const UiText& question) {
                                       questions.push_back(question.In(UiLanguage::English));
                                       return answerYes;
                                   }} {
        // As on the page: the session's change event refreshes the panel.
        QObject::connect(&program.context->poster(), &shell::NoticePoster::SessionChanged, &panel,
                         [this] { panel.Refresh(session().Snapshot()); });
    }

    TuningSession& session() { return program.context->session(); }
    std::shared_ptr<sim::SimulatedProcessor> processor() {
        return program.devices().Device(shell::kDemoDevicePath);
    }
    bool Synchronise() {
        program.view().StartupConnect();
        if (!program.WaitSynchronised()) {
            return false;
        }
        panel.Refresh(session().Snapshot());
        return true;
    }
    EqBandColumn& column(int band = kBand) { return *panel.column(band); }
    BandView Band(int band = kBand) {
        return session().Snapshot().outputs.at(panel.currentChannel()).bands.at(band);
    }
    // Each helper lets the change event of the edit arrive, as the window's loop would.
    static void Type(controls::ValueField* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
        Key(field, Qt::Key_Return);
    }
    static void Key(QWidget* widget, Qt::Key key) {
        QTest::keyClick(widget, key);
        QCoreApplication::processEvents();
    }
    static void Press(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // The band records the processor was sent for one channel's band slot, in order.
    std::vector<BandRecord> SentRecords(int channel, int band) {
        std::vector<BandRecord> records;
        for (const auto& frame : processor()->ReceivedFrames()) {
            if (frame.size() >= frame::kOverhead + 8 && frame[frame::kCommand] == 0xA1 &&
                frame[frame::kBlockType] == 4 && frame[frame::kChannel] == channel &&
                frame[frame::kSlot] == band) {
                const std::size_t at = frame::kHeaderSize;
                records.push_back({Le16(frame, at), Le16(frame, at + 2), Le16(frame, at + 4)});
            }
        }
        return records;
    }
    bool Sent(int channel, int band, const std::function<bool(const BandRecord&)>& match) {
        return WaitFor([&] {
            const auto records = SentRecords(channel, band);
            return std::any_of(records.begin(), records.end(), match);
        });
    }

    Program program;
    ChannelEditor editor;
    std::vector<std::string> questions;
    bool answerYes = true;
    EqEditorPanel panel;
};

TEST_F(EqEditorPanelTest, TypedValuesReachTheProcessorAsTheBandsSlotFrames) {
    ASSERT_TRUE(Synchronise());
    panel.SetCurrentChannel(2);
    processor()->ClearReceivedFrames();

    Type(column().gainField(), QStringLiteral("6.5"));
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("6.5"));
    EXPECT_EQ(column().fader()->value(), 265);
    EXPECT_FALSE(column().bypassButton()->isChecked());
    EXPECT_TRUE(Sent(2, kBand, [](const BandRecord& r) { return r.gainField == 665; }));

    // Downwards a frequency goes out in one frame.
    const int lowerHz = std::max(20, Band().frequencyHz / 2);
    Type(column().frequencyField(), QString::number(lowerHz));
    EXPECT_EQ(column().frequencyField()->text(), QString::number(lowerHz));
    EXPECT_TRUE(Sent(2, kBand, [&](const BandRecord& r) { return r.frequencyHz == lowerHz; }));

    Type(column().qField(), QStringLiteral("5.0"));
    EXPECT_EQ(column().qField()->text(), QStringLiteral("4.966"));
    EXPECT_EQ(Band().bandwidthIndex, 24);
    EXPECT_TRUE(Sent(2, kBand, [](const BandRecord& r) { return r.bandwidthIndex == 24; }));
    EXPECT_TRUE(SentRecords(0, kBand).empty());  // only the current channel
}

TEST_F(EqEditorPanelTest, FieldsShowTheValueAsApplied) {
    Type(column().frequencyField(), QStringLiteral("25000"));
    EXPECT_EQ(column().frequencyField()->text(), QStringLiteral("20000"));
    EXPECT_EQ(Band().frequencyHz, 20000);

    // Text that is no number leaves the band as it was.
    const BandView before = Band();
    Type(column().frequencyField(), QStringLiteral("loud"));
    EXPECT_EQ(column().frequencyField()->text(), QStringLiteral("20000"));
    EXPECT_EQ(Band().frequencyHz, before.frequencyHz);
}

TEST_F(EqEditorPanelTest, KeysWheelAndFaderEditThroughTheEditApi) {
    Type(column().gainField(), QStringLiteral("3"));
    Key(column().gainField(), Qt::Key_Up);
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("3.1"));
    Key(column().gainField(), Qt::Key_PageDown);
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("2.1"));

    Key(column().fader(), Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(Band().gainDb, 3.1);
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("3.1"));

    // Up on the Q field means more Q: a narrower band, a lower bandwidth index.
    Type(column().qField(), QStringLiteral("5"));
    Key(column().qField(), Qt::Key_Up);
    EXPECT_EQ(Band().bandwidthIndex, 23);
    EXPECT_EQ(column().qField()->text(), QString::fromStdString(QText(23)));
}

TEST_F(EqEditorPanelTest, ABandAtZeroDbStaysBypassed) {
    Type(column().gainField(), QStringLiteral("0"));
    ASSERT_TRUE(column().bypassButton()->isChecked());
    Press(column().bypassButton());
    EXPECT_TRUE(column().bypassButton()->isChecked());
    EXPECT_TRUE(Band().bypassed);

    // A band with gain is bypassed and back: 0.0 dB in the middle while out.
    Type(column().gainField(), QStringLiteral("3"));
    Press(column().bypassButton());
    EXPECT_TRUE(column().bypassButton()->isChecked());
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("0.0"));
    EXPECT_EQ(column().fader()->value(), 200);
    Press(column().bypassButton());
    EXPECT_FALSE(column().bypassButton()->isChecked());
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("3.0"));
    EXPECT_EQ(column().fader()->value(), 230);
}

TEST_F(EqEditorPanelTest, BypassAllAnsweredNoRestoresEveryBand) {
    ASSERT_TRUE(Synchronise());
    Type(panel.column(0)->gainField(), QStringLiteral("4"));
    Type(column().gainField(), QStringLiteral("-2"));
    const auto before = session().Snapshot().outputs[0];
    ASSERT_FALSE(panel.bypassAllButton()->isChecked());

    answerYes = false;
    Press(panel.bypassAllButton());
    ASSERT_EQ(questions, std::vector<std::string>{"Whether ByPass All EQ?"});
    EXPECT_FALSE(panel.bypassAllButton()->isChecked());
    const auto after = session().Snapshot().outputs[0];
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        EXPECT_EQ(after.bands[band].bypassed, before.bands[band].bypassed) << band;
        EXPECT_EQ(panel.column(band)->bypassButton()->isChecked(), before.bands[band].bypassed);
    }
    EXPECT_EQ(panel.column(0)->gainField()->text(), QStringLiteral("4.0"));

    answerYes = true;
    Press(panel.bypassAllButton());
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("0.0"));
    Press(panel.bypassAllButton());
    EXPECT_EQ(questions.back(), "Whether Restore All EQ?");
    EXPECT_FALSE(panel.bypassAllButton()->isChecked());
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("-2.0"));
}

TEST_F(EqEditorPanelTest, ResetAllAsksAndResetsOnlyOnYes) {
    Type(column().gainField(), QStringLiteral("5"));
    answerYes = false;
    Press(panel.resetAllButton());
    ASSERT_EQ(questions, std::vector<std::string>{"Whether the reset All EQ?"});
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("5.0"));

    answerYes = true;
    Press(panel.resetAllButton());
    EXPECT_EQ(column().gainField()->text(), QStringLiteral("0.0"));
    EXPECT_TRUE(column().bypassButton()->isChecked());
    EXPECT_EQ(column().frequencyField()->text(), QStringLiteral("2000"));
    EXPECT_EQ(panel.column(30)->frequencyField()->text(), QStringLiteral("20000"));
    EXPECT_TRUE(panel.bypassAllButton()->isChecked());
}

TEST_F(EqEditorPanelTest, RestoringAChannelWithNoRaisedBandSaysWhyNothingChanged) {
    ASSERT_TRUE(Synchronise());
    Press(panel.resetAllButton());
    ASSERT_TRUE(panel.bypassAllButton()->isChecked());
    ASSERT_TRUE(panel.noteLabel()->isHidden());
    questions.clear();

    panel.SetLanguage(UiLanguage::Chinese);
    Press(panel.bypassAllButton());
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(panel.bypassAllButton()->isChecked());
    EXPECT_FALSE(panel.noteLabel()->isHidden());
    EXPECT_EQ(panel.noteLabel()->text().toStdString(),
              eq_text::kNothingRaised.In(UiLanguage::Chinese));
    const auto bands = session().Snapshot().outputs[0].bands;
    EXPECT_TRUE(std::all_of(bands.begin(), bands.end(),
                            [](const BandView& band) { return band.bypassed; }));
}

TEST_F(EqEditorPanelTest, AnEditBeforeTheFullReadSendsNothing) {
    program.view().StartupConnect();
    Type(column().gainField(), QStringLiteral("7.5"));  // the read has not finished yet
    ASSERT_TRUE(program.WaitSynchronised());
    ASSERT_TRUE(WaitFor([&] { return session().NothingLeftToSend(); }));
    EXPECT_TRUE(SentRecords(0, kBand).empty());

    panel.Refresh(session().Snapshot());
    Type(column().gainField(), QStringLiteral("7.5"));
    EXPECT_TRUE(Sent(0, kBand, [](const BandRecord& r) { return r.gainField == 675; }));
}

TEST_F(EqEditorPanelTest, TabReachesEveryControlOfEveryBand) {
    std::vector<QWidget*> tabbed;
    for (int band = 0; band < output_block::kBandSlots; ++band) {
        EqBandColumn& c = *panel.column(band);
        for (QWidget* w : std::initializer_list<QWidget*>{
                 c.gainField(), c.fader(), c.frequencyField(), c.qField(), c.bypassButton()}) {
            EXPECT_FALSE(w->toolTip().isEmpty() || w->accessibleName().isEmpty());
            tabbed.push_back(w);
        }
    }
    // Tab goes through them band by band, in this order, from the first gain field.
    std::vector<QWidget*> visited;
    for (QWidget* at = tabbed.front(); visited.size() < tabbed.size() && at != &panel;
         at = at->nextInFocusChain()) {
        if (at->focusPolicy() & Qt::TabFocus) {
            visited.push_back(at);
        }
    }
    EXPECT_EQ(visited, tabbed);
}

TEST_F(EqEditorPanelTest, ThirtyOneLabelledColumnsFitUnderTheGraphInBothLanguages) {
    TuningSnapshot snapshot = session().Snapshot();
    snapshot.outputs[0].geqMode = true;
    panel.Refresh(snapshot);
    panel.resize(kEqPanelWidthPx, kEqPanelHeightPx);
    for (const UiLanguage language : {UiLanguage::English, UiLanguage::Chinese}) {
        panel.SetLanguage(language);
        EXPECT_EQ(column().label()->text(), language == UiLanguage::English
                                                ? QStringLiteral("7\nGEQ")
                                                : QStringLiteral("7\n图示\n均衡"));
        panel.grab();  // lays the panel out
        for (int band = 0; band < output_block::kBandSlots; ++band) {
            EqBandColumn& c = *panel.column(band);
            EXPECT_GE(c.width(), 38);
            const QFontMetrics metrics(c.gainField()->font());
            EXPECT_GE(c.gainField()->font().pixelSize(), 11);
            EXPECT_GE(c.label()->font().pixelSize(), 11);
            EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("20000")),
                      c.frequencyField()->width() - 2);
            EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("-19.9")),
                      c.gainField()->width() - 2);
            EXPECT_GE(c.fader()->height(), 60);
        }
        EXPECT_LE(panel.column(30)->geometry().right(), kEqPanelWidthPx);
        // Every column's fields sit on one line, whatever its type's label.
        for (int band = 1; band < output_block::kBandSlots; ++band) {
            EXPECT_EQ(panel.column(band)->gainField()->y(), panel.column(0)->gainField()->y());
        }
    }
}

}  // namespace
}  // namespace corva::pages
