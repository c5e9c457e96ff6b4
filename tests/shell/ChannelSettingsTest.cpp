// The channel settings window on the demonstration processor: each of its controls reaches the
// processor as the slot the edit changes, and one undo takes it back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <array>
#include <functional>

#include "ShellTestSupport.h"
#include "controls/ValueField.h"
#include "pages/ChannelSettingsDialog.h"
#include "pages/EqBandColumn.h"
#include "pages/EqEditorPanel.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/HistoryControls.h"
#include "shell/app/PageArea.h"
#include "shell/dialogs/ProgressWindow.h"
#include "sim/SimulatedProcessor.h"

namespace corva::pages {
namespace {

using shell::test::Program;
using shell::test::WaitFor;

constexpr int kChannel = 1;  // FR: channel 1's name slot also carries the lock marker

class ChannelSettingsTest : public ::testing::Test {
protected:
    TuningSession& session() { return program.context->session(); }
    FullInterfacePage& page() { return program.view().pageArea().page(); }
    std::uint8_t ProcessorByte(int slot, int byte) {
        EXPECT_TRUE(WaitFor([this] { return session().NothingLeftToSend(); }));
        std::uint8_t value = 0;
        program.devices().Device(shell::kDemoDevicePath)->WithMemory([&](ParameterImage& memory) {
            value = memory.Block(0, BlockType::Output, kChannel)[static_cast<std::size_t>(slot * 8 + byte)];
        });
        return value;
    }
    std::array<std::uint8_t, kListeningTableSize> ProcessorTable() {
        EXPECT_TRUE(WaitFor([this] { return session().NothingLeftToSend(); }));
        std::array<std::uint8_t, kListeningTableSize> table{};
        program.devices().Device(shell::kDemoDevicePath)->WithMemory([&](ParameterImage& memory) {
            const auto bytes = memory.ListeningPositions();
            std::copy(bytes.begin(), bytes.end(), table.begin());
        });
        return table;
    }
    // Runs `edit`, checks the processor's byte took `edited`, undoes, checks it is back.
    void ExpectSentAndUndone(const char* what, int slot, int byte, std::uint8_t edited,
                             const std::function<void()>& edit) {
        SCOPED_TRACE(what);
        const std::uint8_t before = ProcessorByte(slot, byte);
        ASSERT_NE(before, edited);
        edit();
        EXPECT_EQ(ProcessorByte(slot, byte), edited);
        program.view().history().Undo();
        EXPECT_EQ(ProcessorByte(slot, byte), before);
    }

    Program program;
};

TEST_F(ChannelSettingsTest, EveryControlReachesTheProcessorAndUndoes) {
    program.view().StartupConnect();
    ASSERT_TRUE(program.WaitSynchronised());
    ASSERT_TRUE(WaitFor([this] { return !program.view().progress().running(); }));
    page().SetCurrentChannel(kChannel);
    ChannelSettingsDialog& settings = page().OpenChannelSettings();
    ASSERT_EQ(settings.channel(), kChannel);
    ASSERT_TRUE(settings.editable());

    ExpectSentAndUndone("name", 36, 0, 'D', [&] {
        settings.nameField()->setFocus();
        settings.nameField()->selectAll();
        QTest::keyClicks(settings.nameField(), QStringLiteral("Door"));
        QTest::keyClick(settings.nameField(), Qt::Key_Return);
    });
    // Too long for the slot: refused with the processor's message, nothing changes.
    settings.nameField()->setText(QStringLiteral("Doorways"));
    settings.nameField()->setModified(true);
    emit settings.nameField()->editingFinished();
    EXPECT_TRUE(settings.nameProblem()->isVisible());
    EXPECT_EQ(settings.nameProblem()->text(), QStringLiteral("char Len error!"));

    ExpectSentAndUndone("threshold", 35, 0, 250, [&] { settings.thresholdBox()->setValue(-5.0); });
    ExpectSentAndUndone("attack", 35, 2, 16,
                        [&] { settings.attackList()->setCurrentIndex(16); });  // 10 ms
    ExpectSentAndUndone("release", 35, 3, 2, [&] { settings.releaseList()->setCurrentIndex(2); });
    ExpectSentAndUndone("EQ mode", 31, 6, 1, [&] { settings.eqModeList()->setCurrentIndex(1); });

    // The shares wait behind their switch.
    EXPECT_FALSE(settings.shareBox(1)->isEnabled());
    settings.routingSwitch()->setChecked(true);
    ASSERT_TRUE(settings.shareBox(1)->isEnabled());
    ExpectSentAndUndone("routing", 33, 0, 40, [&] { settings.shareBox(1)->setValue(40); });

    // A high shelf of 6 dB/oct on band 4: type byte 7, slope byte 6; a peak has no slope.
    EXPECT_FALSE(settings.shelfSlopeList(3)->isEnabled());
    ExpectSentAndUndone("band type", 3, 7, 2, [&] { settings.bandTypeList(3)->setCurrentIndex(2); });
    settings.bandTypeList(3)->setCurrentIndex(1);
    EXPECT_TRUE(settings.shelfSlopeList(3)->isEnabled());
    // The EQ column of a shelf shows no Q and takes none.
    const auto* shelfQ = page().eqEditor().column(3)->qField();
    EXPECT_TRUE(WaitFor([&] { return !shelfQ->isEnabled(); }));
    EXPECT_TRUE(shelfQ->text().isEmpty());
    const int otherSlope = 1 - settings.shelfSlopeList(3)->currentIndex();
    ExpectSentAndUndone("shelf slope", 3, 6, static_cast<std::uint8_t>(otherSlope),
                        [&] { settings.shelfSlopeList(3)->setCurrentIndex(otherSlope); });

    // The listening-position table: a delay typed in the delay page's unit, the position in use;
    // each is one undo step that puts the processor's table back byte for byte.
    const auto before = ProcessorTable();
    const QString shownBefore = settings.positionField(2, kChannel)->text();
    settings.positionField(2, kChannel)->setText(QStringLiteral("2.5"));
    settings.positionField(2, kChannel)->setModified(true);
    emit settings.positionField(2, kChannel)->editingFinished();
    const auto afterDelay = ProcessorTable();
    ASSERT_NE(afterDelay, before);
    settings.positionInUseList()->setCurrentIndex(2);
    const PositionsView positions = session().Snapshot().positions;
    EXPECT_EQ(positions.delayCodes[2][kChannel], 120);
    EXPECT_EQ(positions.current, 2);
    EXPECT_EQ(settings.positionField(2, kChannel)->text(), QStringLiteral("2.500"));
    EXPECT_EQ(ProcessorTable()[listening_table::kCurrentPosition], 2);

    program.view().history().Undo();
    EXPECT_EQ(ProcessorTable(), afterDelay);
    program.view().history().Undo();
    EXPECT_EQ(ProcessorTable(), before);
    EXPECT_TRUE(
        WaitFor([&] { return settings.positionField(2, kChannel)->text() == shownBefore; }));
    program.view().history().Redo();
    EXPECT_EQ(ProcessorTable(), afterDelay);
}

}  // namespace
}  // namespace corva::pages
