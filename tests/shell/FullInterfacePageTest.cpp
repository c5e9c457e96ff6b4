// The full interface page as one: the channel chooser drives the graph and the editor, session
// changes refresh every child from one snapshot, and protected tuning is shown read-only.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include "controls/ValueField.h"
#include "pages/EqBandColumn.h"
#include "pages/CompactGainsRow.h"
#include "pages/CrossoverControls.h"
#include "pages/EqEditorPanel.h"
#include "pages/FullInterfacePage.h"
#include "pages/ResponseGraph.h"

namespace corva::pages {
namespace {

class FullInterfacePageTest : public ::testing::Test {
protected:
    TuningSession session;
    FullInterfacePage page{session, [](const UiText&) { return true; }};
};

TEST_F(FullInterfacePageTest, TheChooserSelectsTheChannelOfGraphAndEditor) {
    QTest::mouseClick(page.channelButton(3), Qt::LeftButton);
    EXPECT_EQ(page.currentChannel(), 3);
    EXPECT_EQ(page.eqEditor().currentChannel(), 3);
    EXPECT_TRUE(page.channelButton(3)->isChecked());
    EXPECT_FALSE(page.channelButton(0)->isChecked());
    EXPECT_EQ(page.channelButton(4)->text(), QStringLiteral("ULF"));
}

TEST_F(FullInterfacePageTest, ChoosingAChannelSelectsItsFirstBandThatShapesTheSound) {
    ChannelEditor(session).SetBandGainDb(2, 5, -3.0);
    page.SetCurrentChannel(2);
    EXPECT_EQ(page.graph().currentBand(), 5);
    page.SetCurrentChannel(1);  // every band flat: band 1
    EXPECT_EQ(page.graph().currentBand(), 0);
}

TEST_F(FullInterfacePageTest, AnEditElsewhereShowsOnTheNextSessionChange) {
    page.SetCurrentChannel(2);
    ChannelEditor(session).SetBandGainDb(2, 6, 4.5);
    page.OnSessionChanged({SessionChange::Outputs, 0b100});
    EXPECT_EQ(page.eqEditor().column(6)->gainField()->shownText(), QStringLiteral("4.5"));
}

// The dashed outline of a button's style sheet, empty when it has none.
QString Outline(const QAbstractButton* button) {
    const QString style = button->styleSheet();
    const auto at = style.indexOf(QStringLiteral("dashed"));
    return at < 0 ? QString() : style.mid(at, style.indexOf(QLatin1Char(';'), at) - at);
}

TEST_F(FullInterfacePageTest, LinkedChooserButtonsShareAMarkAndNameTheirPartner) {
    ChannelEditor(session).LinkPair(1, LinkDirection::LeftToRight);  // SL and SR
    page.OnSessionChanged({SessionChange::Outputs, 0b1100});
    EXPECT_EQ(page.channelButton(2)->accessibleDescription(),
              QStringLiteral("Linked with channel 4 (SR)"));
    EXPECT_EQ(page.channelButton(3)->accessibleDescription(),
              QStringLiteral("Linked with channel 3 (SL)"));
    EXPECT_EQ(page.channelButton(0)->accessibleDescription(), QStringLiteral("Not linked"));
    EXPECT_FALSE(Outline(page.channelButton(2)).isEmpty());
    EXPECT_EQ(Outline(page.channelButton(2)), Outline(page.channelButton(3)));
    EXPECT_TRUE(Outline(page.channelButton(0)).isEmpty());

    page.SetLanguage(UiLanguage::Chinese);
    EXPECT_EQ(page.channelButton(3)->accessibleDescription(), QStringLiteral("与通道 3（SL）联动"));
    EXPECT_EQ(page.channelButton(2)->toolTip(), QStringLiteral("显示并编辑输出通道 3（Alt+3）"));

    ChannelEditor(session).UnlinkPair(1);
    page.OnSessionChanged({SessionChange::Outputs, 0b1100});
    EXPECT_TRUE(Outline(page.channelButton(3)).isEmpty());
    EXPECT_EQ(page.channelButton(3)->accessibleDescription(), QStringLiteral("未联动"));
}

TEST_F(FullInterfacePageTest, ProtectedTuningIsShownReadOnlyAndSaysHowToUnlock) {
    page.show();
    session.engine().protection.isProtected = true;
    page.OnSessionChanged({SessionChange::Protection});
    EXPECT_FALSE(page.editingVisible());
    // Values and curves stay on screen; nothing that changes them takes input.
    EXPECT_TRUE(page.graph().isVisible());
    EXPECT_FALSE(page.graph().isEnabled());
    EXPECT_TRUE(page.eqEditor().isVisible());
    EXPECT_FALSE(page.eqEditor().isEnabled());
    EXPECT_FALSE(page.gainsRow().isEnabled());
    EXPECT_FALSE(page.crossover().isEnabled());
    EXPECT_FALSE(page.linkButton(0)->isEnabled());
    // Looking at another channel is not an edit.
    EXPECT_TRUE(page.channelButton(1)->isEnabled());
    const auto* notice = page.findChild<QLabel*>(QStringLiteral("lockedNotice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains(QStringLiteral("\"Protect or unlock...\""))) << notice->text().toStdString();
    session.engine().protection.isProtected = false;
    page.OnSessionChanged({SessionChange::Protection});
    EXPECT_TRUE(page.eqEditor().isEnabled());
    EXPECT_FALSE(notice->isVisible());
}

}  // namespace
}  // namespace corva::pages
