// The window on small and large screens and through the accessibility bus: its minimum fits a
// 1280 x 720 work area with every control inside, it comes back on screen, it moves by its top
// bar, and what a screen reader does to a button or a list is what a click or a choice does.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QTest>

#include "ShellTestSupport.h"
#include "controls/GlyphButton.h"
#include "controls/LatchButton.h"
#include "pages/ChannelStrip.h"
#include "pages/CrossoverControls.h"
#include "pages/DelayPanel.h"
#include "pages/EqBandColumn.h"
#include "pages/EqEditorPanel.h"
#include "pages/FullInterfacePage.h"
#include "pages/ResponseGraph.h"
#include "shell/app/PageArea.h"
#include "shell/app/TopBar.h"
#include "shell/app/WindowPlacement.h"

namespace corva::shell {
namespace {

using test::Program;
using test::WaitFor;

const QRect kSmallWorkArea{0, 0, 1280, 720};

void DoAction(QWidget* widget, const QString& action) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(face, nullptr);
    ASSERT_NE(face->actionInterface(), nullptr);
    ASSERT_TRUE(face->actionInterface()->actionNames().contains(action))
        << widget->objectName().toStdString();
    face->actionInterface()->doAction(action);
}

QString AccessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST(WindowPlacementTest, AWindowLeftOnALargerScreenComesBackInsideTheWorkArea) {
    const QSize minimum{1280, 720};
    // Left at 1600 x 1000 on a 1920 x 1080 screen, opened on a 1280 x 720 one.
    EXPECT_EQ(OpeningRect(QRect(200, 60, 1600, 1000), {1440, 810}, minimum, {kSmallWorkArea}),
              kSmallWorkArea);
    // Left on a second screen that is gone: back on the one that is left, size kept.
    const QRect big{0, 0, 1920, 1040};
    EXPECT_EQ(OpeningRect(QRect(2500, 100, 1300, 760), {1440, 810}, minimum, {big}),
              QRect(620, 100, 1300, 760));
    // First start: the preferred size, centred, never larger than the work area.
    EXPECT_EQ(OpeningRect(QRect(), {1440, 810}, minimum, {big}), QRect(240, 115, 1440, 810));
    EXPECT_EQ(OpeningRect(QRect(), {1440, 810}, minimum, {kSmallWorkArea}), kSmallWorkArea);
}

class WindowFitTest : public ::testing::Test {
protected:
    TopBar& bar() { return program.view().topBar(); }
    pages::FullInterfacePage& page() { return program.view().pageArea().page(); }
    Program program;
};

TEST_F(WindowFitTest, AtItsMinimumEveryControlIsInsideA1280x720WorkArea) {
    MainWindow& window = *program.window;
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_LE(window.minimumWidth(), kSmallWorkArea.width());
    EXPECT_LE(window.minimumHeight(), kSmallWorkArea.height());
    window.setGeometry(KeptInWorkArea(window.geometry(), window.minimumSize(), kSmallWorkArea));
    window.resize(window.minimumSize());
    for (const pages::LowerArea area : {pages::LowerArea::EqEditor, pages::LowerArea::ChannelStrips}) {
        page().ShowLowerArea(area);
        QCoreApplication::processEvents();
        ASSERT_TRUE(kSmallWorkArea.contains(window.geometry()));
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (!child->isVisibleTo(&window) || child->window() != &window) {
                continue;
            }
            const QRect inWindow(child->mapTo(&window, QPoint(0, 0)), child->size());
            EXPECT_TRUE(window.rect().contains(inWindow))
                << child->metaObject()->className() << " " << child->objectName().toStdString()
                << " at " << inWindow.x() << "," << inWindow.y() << " " << inWindow.width()
                << "x" << inWindow.height();
        }
    }
    // Wider and taller: the graph and the EQ columns take the room.
    const int graphWidth = page().graph().width();
    const int columnWidth = page().eqEditor().column(0)->width();
    page().ShowLowerArea(pages::LowerArea::EqEditor);
    window.resize(1800, 1000);
    QCoreApplication::processEvents();
    EXPECT_GT(page().graph().width(), graphWidth);
    EXPECT_GT(page().eqEditor().column(0)->width(), columnWidth);
}

TEST_F(WindowFitTest, TheTopBarMovesTheWindowAndADoubleClickMaximisesIt) {
    MainWindow& window = *program.window;
    const QPoint start = window.pos();
    const QPoint grip = bar().findChild<QWidget*>(QStringLiteral("programTitle"))->geometry().center();
    QTest::mousePress(&bar(), Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(30, 20)),
                     QPointF(bar().mapToGlobal(grip + QPoint(30, 20))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar(), &move);
    QTest::mouseRelease(&bar(), Qt::LeftButton, {}, grip + QPoint(30, 20));
    EXPECT_EQ(window.pos(), start + QPoint(30, 20));
    QTest::mouseDClick(&bar(), Qt::LeftButton, {}, grip);
    EXPECT_TRUE(WaitFor([&] { return window.isMaximized(); }));
}

TEST_F(WindowFitTest, AScreenReaderPressesButtonsAndChoosesListEntriesAsAClickWould) {
    // Glyph-only buttons are named.
    EXPECT_EQ(AccessibleName(bar().minimiseButton()), QStringLiteral("Minimise"));
    EXPECT_EQ(AccessibleName(bar().closeButton()), QStringLiteral("Close"));

    // Checkable buttons: "Toggle" does what a click does.
    DoAction(page().channelButton(3), QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(page().currentChannel(), 3);
    DoAction(page().lowerAreaButton(pages::LowerArea::ChannelStrips),
             QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(page().lowerArea(), pages::LowerArea::ChannelStrips);
    DoAction(page().strip(2).muteButton(), QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(program.context->session().Snapshot().outputs[2].on);
    DoAction(page().strip(2).polarityButton(), QAccessibleActionInterface::pressAction());
    EXPECT_EQ(program.context->session().Snapshot().outputs[2].polarity, 1);
    page().SetLinkDirectionQuestion([](int) { return LinkDirection::LeftToRight; });
    DoAction(page().linkButton(0), QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(page().linkButton(0)->isChecked());
    EXPECT_TRUE(ChannelEditor(program.context->session()).IsPairLinked(0));
    page().ShowLowerArea(pages::LowerArea::EqEditor);
    page().SetCurrentChannel(3);
    ChannelEditor(program.context->session()).SetBandGainDb(3, 4, 6.0);
    page().RefreshAll();
    DoAction(page().eqEditor().column(4)->bypassButton(), QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(program.context->session().Snapshot().outputs[3].bands[4].bypassed);

    // Lists say what they are for, and a choice made through them takes effect.
    QComboBox* slope = page().crossover().slopeList(CrossoverFilter::HighPass);
    EXPECT_EQ(AccessibleName(slope), QStringLiteral("High pass slope"));
    EXPECT_EQ(AccessibleName(page().delayPanel().findChild<QComboBox*>()), QStringLiteral("Delay unit"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(slope)->text(QAccessible::Value),
              slope->currentText());
    const int before = program.context->session().Snapshot().outputs[3].highPass.slope;
    DoAction(slope, QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(program.context->session().Snapshot().outputs[3].highPass.slope,
              slope->itemData(slope->currentIndex()).toInt());
    EXPECT_NE(program.context->session().Snapshot().outputs[3].highPass.slope, before);
    DoAction(page().delayPanel().findChild<QComboBox*>(), QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(page().delayPanel().unit(), DelayUnit::Centimetres);
}

}  // namespace
}  // namespace corva::shell
