// The rest of the full interface page on the demonstration processor: channel strips with
// linked gains, the delay page's units and sub-pair rule, the crossover controls' order and
// 6 dB/oct rules, pair linking with the master output held around the copy, the main volume
// panel, and protected tuning shown read-only after a full read.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "ShellTestSupport.h"
#include "commands/DeviceLock.h"
#include "controls/LatchButton.h"
#include "controls/ValueField.h"
#include "controls/VerticalFader.h"
#include "pages/ChannelSettingsDialog.h"
#include "pages/ChannelStrip.h"
#include "pages/CrossoverControls.h"
#include "pages/DelayPanel.h"
#include "pages/EqEditorPanel.h"
#include "pages/FullInterfacePage.h"
#include "pages/LinkDirectionDialog.h"
#include "pages/MainVolumePanel.h"
#include "pages/ResponseGraph.h"
#include "protocol/FrameLayout.h"
#include "shell/app/PageArea.h"
#include "shell/dialogs/ProgressWindow.h"
#include "sim/SimulatedProcessor.h"

namespace corva::pages {
namespace {

using shell::test::Program;
using shell::test::WaitFor;
using Frame = std::vector<std::uint8_t>;

constexpr std::uint8_t kOutputBlock = 4;
constexpr std::uint8_t kSystemBlock = 9;
constexpr std::uint8_t kStripSlot = 31;
constexpr std::uint8_t kMainVolumeId = 5;

std::size_t PayloadSize(const Frame& frame) {
    return static_cast<std::size_t>(frame[frame::kLength] | (frame[frame::kLength + 1] << 8));
}

std::uint8_t PayloadByte(const Frame& frame, std::size_t at) {
    return frame[frame::kHeaderSize + at];
}

bool IsWrite(const Frame& frame, std::uint8_t blockType, int channel) {
    return frame.size() > frame::kOverhead && frame[frame::kCommand] == 0xA1 &&
           frame[frame::kBlockType] == blockType && frame[frame::kChannel] == channel;
}

bool IsStripWrite(const Frame& frame, int channel) {
    return IsWrite(frame, kOutputBlock, channel) && frame[frame::kSlot] == kStripSlot &&
           PayloadSize(frame) == 8;
}

class PageStripsTest : public ::testing::Test {
protected:
    TuningSession& session() { return program.context->session(); }
    FullInterfacePage& page() { return program.view().pageArea().page(); }
    std::shared_ptr<sim::SimulatedProcessor> processor() {
        return program.devices().Device(shell::kDemoDevicePath);
    }
    void Synchronise() {
        program.view().StartupConnect();
        ASSERT_TRUE(program.WaitSynchronised());
        // The view takes input once the progress window is gone.
        ASSERT_TRUE(WaitFor([this] { return !program.view().progress().running(); }));
        ASSERT_TRUE(WaitFor([this] { return session().NothingLeftToSend(); }));
        processor()->ClearReceivedFrames();
    }
    // Waits until the queue is empty, then returns what the processor received.
    std::vector<Frame> Received() {
        EXPECT_TRUE(WaitFor([this] { return session().NothingLeftToSend(); }));
        return processor()->ReceivedFrames();
    }
    static void Type(controls::ValueField* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        QCoreApplication::processEvents();  // the edit's change event refreshes the page
    }
    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    OutputView Output(int channel) { return session().Snapshot().outputs.at(channel); }

    Program program;
};

TEST_F(PageStripsTest, AGainEditOnALinkedChannelMovesBothStripsAndSendsBothChannels) {
    Synchronise();
    ChannelEditor editor(session());
    editor.SetGainDb(2, -10.0);
    editor.SetGainDb(3, -4.0);
    editor.SetMuted(3, MuteState::Muted);
    editor.LinkPair(1, LinkDirection::LeftToRight);
    page().ShowLowerArea(LowerArea::ChannelStrips);
    page().RefreshAll();
    processor()->ClearReceivedFrames();

    Type(page().strip(2).gainField(), QStringLiteral("-12.5"));
    EXPECT_EQ(page().strip(2).gainField()->text(), QStringLiteral("-12.5dB"));
    EXPECT_EQ(page().strip(3).gainField()->text(), QStringLiteral("-6.5dB"));
    EXPECT_EQ(page().strip(3).fader()->value(), 535);
    // The muted partner is switched on by the same edit.
    EXPECT_FALSE(page().strip(3).muteButton()->isChecked());
    const auto frames = Received();
    const auto sentFor = [&](int channel, int gainCode) {
        return std::any_of(frames.begin(), frames.end(), [&](const Frame& f) {
            return IsStripWrite(f, channel) && PayloadByte(f, 0) == 1 &&
                   (PayloadByte(f, 2) | (PayloadByte(f, 3) << 8)) == gainCode;
        });
    };
    EXPECT_TRUE(sentFor(2, 475));
    EXPECT_TRUE(sentFor(3, 535));

    // Both strips of the group carry the select mark once one of them is current.
    page().SetCurrentChannel(3);
    EXPECT_TRUE(page().strip(2).selected());
    EXPECT_TRUE(page().strip(3).selected());
    EXPECT_FALSE(page().strip(0).selected());

    // The spin steps by 0.1 dB; polarity on channel 3 stays its own.
    Click(page().strip(2).gainUpButton());
    EXPECT_EQ(page().strip(2).gainField()->text(), QStringLiteral("-12.4dB"));
    Click(page().strip(2).polarityButton());
    EXPECT_EQ(Output(2).polarity, 1);
    EXPECT_EQ(Output(3).polarity, 0);
    EXPECT_EQ(page().strip(2).polarityButton()->text(), QStringLiteral("Pol-"));
}

TEST_F(PageStripsTest, DelayFieldsConvertTheirUnitAndMoveTheLinkedSubPair) {
    Synchronise();
    DelayPanel& delay = page().delayPanel();
    delay.SetUnit(DelayUnit::Centimetres);
    EXPECT_EQ(delay.unitList()->currentText(), QStringLiteral("Cm"));
    Type(delay.field(0), QStringLiteral("100"));
    EXPECT_EQ(Output(0).delayCode, 139);
    EXPECT_EQ(delay.field(0)->text(), QStringLiteral("100"));
    delay.SetUnit(DelayUnit::Milliseconds);
    EXPECT_EQ(delay.field(0)->text(), QStringLiteral("2.896"));

    ChannelEditor editor(session());
    editor.CommitDelay(4, 100);
    editor.CommitDelay(5, 250);
    editor.LinkPair(2, LinkDirection::LeftToRight);
    page().RefreshAll();
    Type(delay.field(4), QStringLiteral("2.5"));  // code 120: +20
    EXPECT_EQ(Output(4).delayCode, 120);
    EXPECT_EQ(Output(5).delayCode, 259);  // limited
    EXPECT_EQ(delay.field(5)->text(), QStringLiteral("5.396"));
    // Channels 1..4 never carry a delay over.
    Type(delay.field(0), QStringLiteral("1"));
    EXPECT_EQ(Output(1).delayCode, 0);

    // The delay page's buttons choose the channel and mark the linked sub pair together.
    Click(delay.channelButton(5));
    EXPECT_EQ(page().currentChannel(), 5);
    EXPECT_TRUE(delay.channelButton(4)->isChecked());
    EXPECT_TRUE(delay.channelButton(5)->isChecked());
    EXPECT_FALSE(delay.channelButton(0)->isChecked());
    EXPECT_EQ(delay.positionLabel()->text(), QStringLiteral("Position: L&Front"));
}

TEST_F(PageStripsTest, CrossoverControlsKeepTheOrderAndTheSixDbRule) {
    Synchronise();
    CrossoverControls& crossover = page().crossover();
    page().SetCurrentChannel(1);
    Type(crossover.frequencyField(CrossoverFilter::LowPass), QStringLiteral("200"));
    Type(crossover.frequencyField(CrossoverFilter::HighPass), QStringLiteral("250"));
    EXPECT_EQ(crossover.frequencyField(CrossoverFilter::HighPass)->text(), QStringLiteral("200Hz"));
    EXPECT_EQ(Output(1).highPass.frequencyHz, 200);

    QComboBox* slope = crossover.slopeList(CrossoverFilter::HighPass);
    QComboBox* kind = crossover.kindList(CrossoverFilter::HighPass);
    kind->setCurrentIndex(1);
    emit kind->activated(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(Output(1).highPass.kind, 1);
    slope->setCurrentIndex(0);
    emit slope->activated(0);  // "6dB/Oct"
    QCoreApplication::processEvents();
    EXPECT_EQ(slope->currentText(), QStringLiteral("6dB/Oct"));
    EXPECT_EQ(Output(1).highPass.kind, 0);
    EXPECT_EQ(kind->currentText(), QStringLiteral("Link_Ril"));
    EXPECT_FALSE(kind->isEnabled());
    slope->setCurrentIndex(3);
    emit slope->activated(3);
    QCoreApplication::processEvents();
    EXPECT_TRUE(kind->isEnabled());

    // A slope the page does not offer is still shown as the channel holds it.
    ChannelEditor(session()).SetCrossoverSlope(1, CrossoverFilter::LowPass, CrossoverSlope::Off,
                                               SixDbSlopeRule::KeepsKind);
    page().RefreshAll();
    EXPECT_EQ(crossover.slopeList(CrossoverFilter::LowPass)->currentText(), QStringLiteral("OFF"));
}

TEST_F(PageStripsTest, LinkingCopiesTheChosenSideWithTheMasterOutputMutedAroundTheCopy) {
    Synchronise();
    ChannelEditor editor(session());
    editor.SetBandGainDb(1, 4, 6.0);
    editor.SetCrossoverFrequency(1, CrossoverFilter::HighPass, 90);
    editor.SetGainDb(0, -3.0);
    ASSERT_TRUE(WaitFor([this] { return session().NothingLeftToSend(); }));
    processor()->ClearReceivedFrames();
    std::vector<int> asked;
    page().SetLinkDirectionQuestion([&](int pair) {
        asked.push_back(pair);
        return std::optional{LinkDirection::RightToLeft};
    });

    // The link marks change no size: nothing on the page moves.
    const auto layout = [this] {
        std::vector<QRect> places{page().graph().geometry(), page().eqEditor().geometry()};
        for (int c = 0; c < kOutputChannelCount; ++c) {
            places.push_back(page().channelButton(c)->geometry());
        }
        return places;
    };
    page().grab();  // lays the page out
    const auto before = layout();
    Click(page().linkButton(0));
    page().grab();
    EXPECT_EQ(layout(), before);
    EXPECT_EQ(asked, std::vector<int>{0});
    EXPECT_TRUE(page().linkButton(0)->isChecked());
    EXPECT_EQ(Output(0).bands[4].gainDb, 6.0);
    EXPECT_EQ(Output(0).highPass.frequencyHz, 90);
    EXPECT_DOUBLE_EQ(Output(0).gainDb, -3.0);  // the gain is not copied
    EXPECT_EQ(Output(0).linkGroup, 1);

    // Master output off, channel 1's whole block, master output back on: in that order.
    const auto frames = Received();
    const auto find = [&](auto match, std::size_t from = 0) {
        return std::find_if(frames.begin() + static_cast<long>(from), frames.end(), match) -
               frames.begin();
    };
    const auto volumeWith = [](std::uint8_t on) {
        return [on](const Frame& f) {
            return IsWrite(f, kSystemBlock, kMainVolumeId) && PayloadByte(f, 6) == on;
        };
    };
    const auto muted = static_cast<std::size_t>(find(volumeWith(0)));
    const auto block = static_cast<std::size_t>(find(
        [](const Frame& f) { return IsWrite(f, kOutputBlock, 0) && PayloadSize(f) > 8; }, muted));
    const auto restored = static_cast<std::size_t>(find(volumeWith(1), block));
    EXPECT_LT(muted, frames.size());
    EXPECT_LT(block, frames.size());
    EXPECT_LT(restored, frames.size());
    EXPECT_TRUE(session().Snapshot().masterOn);

    // Pressed again, the pair comes apart at once and nothing is sent.
    processor()->ClearReceivedFrames();
    Click(page().linkButton(0));
    EXPECT_FALSE(page().linkButton(0)->isChecked());
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(Received().empty());

    // A cancelled dialog links nothing.
    page().SetLinkDirectionQuestion([](int) { return std::optional<LinkDirection>{}; });
    Click(page().linkButton(2));
    EXPECT_FALSE(page().linkButton(2)->isChecked());
    EXPECT_FALSE(Output(4).linked);
}

TEST(LinkDirectionDialogTest, OffersLeftToRightFirstAndNamesThePairInBothLanguages) {
    LinkDirectionDialog english(QStringLiteral("SL"), QStringLiteral("SR"), UiLanguage::English);
    EXPECT_EQ(english.direction(), LinkDirection::LeftToRight);
    EXPECT_EQ(english.leftToRightChoice()->text(), QStringLiteral("Copy SL to SR (left to right)"));
    english.rightToLeftChoice()->click();
    EXPECT_EQ(english.direction(), LinkDirection::RightToLeft);

    LinkDirectionDialog chinese(QStringLiteral("SL"), QStringLiteral("SR"), UiLanguage::Chinese);
    EXPECT_EQ(chinese.rightToLeftChoice()->text(), QStringLiteral("把 SR 复制到 SL（右到左）"));
}

TEST_F(PageStripsTest, MainVolumeLimitsTypedValuesAndAFaderMoveUnmutes) {
    Synchronise();
    MainVolumePanel& volume = page().mainVolume();
    Type(volume.field(), QStringLiteral("3.7"));
    EXPECT_EQ(session().Snapshot().mainVolumeCode, 63);
    EXPECT_EQ(volume.field()->text(), QStringLiteral("3dB"));
    Type(volume.field(), QStringLiteral("-100"));
    EXPECT_EQ(session().Snapshot().mainVolumeCode, 0);
    EXPECT_EQ(volume.field()->text(), QStringLiteral("OFF"));
    Type(volume.field(), QStringLiteral("-20"));
    Type(volume.field(), QStringLiteral("loud"));  // no number: the volume stays
    EXPECT_EQ(session().Snapshot().mainVolumeCode, 40);
    EXPECT_EQ(volume.field()->text(), QStringLiteral("-20dB"));

    Click(volume.muteButton());
    EXPECT_TRUE(volume.muteButton()->isChecked());
    EXPECT_FALSE(session().Snapshot().masterOn);
    processor()->ClearReceivedFrames();
    volume.fader()->setValue(50);
    QCoreApplication::processEvents();
    EXPECT_FALSE(volume.muteButton()->isChecked());
    const auto frames = Received();
    // One write carries both the new volume and the master output switched on.
    EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [](const Frame& f) {
        return IsWrite(f, kSystemBlock, kMainVolumeId) && PayloadByte(f, 0) == 50 &&
               PayloadByte(f, 6) == 1;
    }));

    program.context->language().Toggle();
    volume.field()->setFocus();
    volume.field()->setText(QStringLiteral("关闭"));
    volume.field()->Commit();
    EXPECT_EQ(volume.field()->text(), QStringLiteral("关闭"));
}

TEST_F(PageStripsTest, AFullReadOfProtectedTuningShowsItsValuesWithTheEditorsDisabled) {
    Synchronise();
    ChannelEditor(session()).SetGainDb(1, -7.5);
    page().ShowLowerArea(LowerArea::ChannelStrips);
    EXPECT_TRUE(page().strip(0).isVisible());
    EXPECT_TRUE(page().delayPanel().isVisible());
    DeviceLock lock(session(), program.context->controller());
    ASSERT_FALSE(lock.Protect("123456"));
    ASSERT_TRUE(WaitFor([this] { return session().NothingLeftToSend(); }));
    program.connection().Disconnect();
    ASSERT_TRUE(WaitFor([this] { return !program.connection().online(); }));
    program.connection().ConnectTo(shell::kDemoDevicePath);
    ASSERT_TRUE(program.WaitSynchronised());
    ASSERT_TRUE(WaitFor([this] { return !page().editingVisible(); }));

    // The unscrambled values are on screen; nothing that would change them takes input.
    EXPECT_TRUE(page().strip(1).isVisible());
    EXPECT_FALSE(page().strip(1).isEnabled());
    EXPECT_EQ(page().strip(1).gainField()->text(), QStringLiteral("-7.5dB"));
    EXPECT_TRUE(page().delayPanel().isVisible());
    EXPECT_FALSE(page().delayPanel().field(0)->isEnabled());
    EXPECT_TRUE(page().crossover().isVisible());
    EXPECT_FALSE(page().crossover().isEnabled());
    EXPECT_FALSE(page().linkButton(0)->isEnabled());
    ChannelSettingsDialog& settings = page().OpenChannelSettings();
    EXPECT_FALSE(settings.editable());
    EXPECT_FALSE(settings.thresholdBox()->isEnabled());
    EXPECT_FALSE(settings.bandTypeList(0)->isEnabled());
    settings.close();
    // The volume stays in reach: it is not part of the tuning.
    EXPECT_TRUE(page().mainVolume().isEnabledTo(&page()));
}

TEST_F(PageStripsTest, TheLowerAreaSwitchesFromTheKeyboardAndEveryControlIsNamed) {
    program.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
    QTest::keyClick(program.window.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(page().lowerArea(), LowerArea::ChannelStrips);
    EXPECT_TRUE(page().strip(5).isVisible());
    QTest::keyClick(program.window.get(), Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(page().lowerArea(), LowerArea::EqEditor);
    EXPECT_FALSE(page().strip(5).isVisible());

    page().ShowLowerArea(LowerArea::ChannelStrips);
    for (const bool chinese : {false, true}) {
        if (chinese) {
            program.context->language().Toggle();
        }
        for (QWidget* control : page().findChildren<QWidget*>()) {
            const bool interactive = control->focusPolicy() != Qt::NoFocus ||
                                     qobject_cast<QAbstractButton*>(control) != nullptr;
            if (!control->isVisible() || !interactive || qobject_cast<QLabel*>(control)) {
                continue;
            }
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
            EXPECT_FALSE(control->toolTip().isEmpty()) << control->accessibleName().toStdString();
            // Nothing is squeezed below its own size: texts are not cut.
            EXPECT_GE(control->width(), control->minimumSizeHint().width())
                << control->accessibleName().toStdString();
        }
    }
}

}  // namespace
}  // namespace corva::pages
