// The main window without a connection: its size and place, the panels, the language switch,
// the keyboard rules and the close rules.
#include <gtest/gtest.h>

#include <QScreen>

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

#include "ShellTestSupport.h"
#include "controls/ConnectButton.h"
#include "controls/FlatButton.h"
#include "controls/GlyphButton.h"
#include "controls/TwoStateSwitch.h"
#include "controls/ValueField.h"
#include "core/ProgramVersion.h"
#include "pages/EqBandColumn.h"
#include "pages/EqEditorPanel.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/FocusRing.h"
#include "shell/app/PageArea.h"
#include "shell/app/SettingsStore.h"
#include "shell/app/TopBar.h"
#include "shell/app/WindowPlacement.h"
#include "shell/panels/AboutPage.h"
#include "shell/panels/PanelHost.h"
#include "shell/panels/SettingPage.h"
#include "shell/panels/SettingsPanel.h"

namespace corva::shell {
namespace {

using test::Program;
using test::StoredValue;
using test::WaitFor;

using test::Click;

// Where a panel of this size belongs under the button: inside the window and the screen.
QPoint PlacedUnder(const QWidget* button, int gapPx, QSize panel) {
    const QWidget* window = button->window();
    return KeptInside(button->mapToGlobal(QPoint(0, button->height() + gapPx)), panel,
                      QRect(window->mapToGlobal(QPoint(0, 0)), window->size()),
                      window->screen()->availableGeometry());
}

class MainWindowTest : public ::testing::Test {
protected:
    TopBar& bar() { return program.view().topBar(); }
    PanelHost& panels() { return program.view().panels(); }
    SettingsPanel* settingsPanel() {
        return qobject_cast<SettingsPanel*>(panels().panel(PanelSlot::Settings));
    }

    Program program;
};

TEST_F(MainWindowTest, StartsInTheFullLayoutInsideTheWorkAreaAndRemembersItsPlace) {
    MainWindow& window = *program.window;
    EXPECT_TRUE(window.fullLayout());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corva DSP"));
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window.geometry(),
              OpeningRect(QRect(), kPreferredWindowSize, window.minimumSize(), {work}));
    EXPECT_EQ(program.view().pageArea().geometry().top(), kTopBarHeight);
    EXPECT_EQ(program.view().pageArea().title(), QStringLiteral("Full interface page"));
    window.setGeometry(QRect(QPoint(40, 30), window.minimumSize() + QSize(100, 50)));
    window.close();
    EXPECT_EQ(program.context->settings().WindowRect(),
              QRect(QPoint(40, 30), window.minimumSize() + QSize(100, 50)));
    EXPECT_FALSE(program.context->settings().WindowMaximised());
}

TEST_F(MainWindowTest, TheSettingsButtonTwiceLeavesOnePanelUnderTheButton) {
    Click(bar().settingsButton());
    FloatingPanel* first = panels().panel(PanelSlot::Settings);
    ASSERT_NE(first, nullptr);
    Click(bar().settingsButton());
    EXPECT_EQ(panels().panel(PanelSlot::Settings), first);
    EXPECT_EQ(panels().openCount(), 1);
    EXPECT_EQ(first->size(), QSize(444, 250));
    // Under its button, moved just enough to stay inside the window and the screen.
    const QWidget* button = bar().settingsButton();
    EXPECT_EQ(first->pos(), PlacedUnder(button, 4, first->size()));
    EXPECT_TRUE(first->isVisible());
}

TEST_F(MainWindowTest, OpeningTheSavePanelClosesTheSettingsPanel) {
    Click(bar().settingsButton());
    QPointer<FloatingPanel> settings = panels().panel(PanelSlot::Settings);
    Click(bar().saveButton());
    EXPECT_EQ(panels().panel(PanelSlot::Settings), nullptr);
    EXPECT_TRUE(settings.isNull() || !settings->isVisible());
    ASSERT_NE(panels().panel(PanelSlot::Save), nullptr);
    const QWidget* button = bar().saveButton();
    EXPECT_EQ(panels().panel(PanelSlot::Save)->pos(),
              PlacedUnder(button, 2, panels().panel(PanelSlot::Save)->size()));
    Click(bar().openButton());
    EXPECT_EQ(panels().openCount(), 1);
    EXPECT_NE(panels().panel(PanelSlot::Open), nullptr);
    EXPECT_TRUE(WaitFor([&] { return settings.isNull(); }));  // destroyed, not only hidden
}

TEST_F(MainWindowTest, PanelsCloseThroughTheirOwnButtons) {
    Click(bar().openButton());
    Click(panels().panel(PanelSlot::Open)->findChild<controls::GlyphButton*>("panelClose"));
    EXPECT_EQ(panels().openCount(), 0);

    Click(bar().settingsButton());
    settingsPanel()->ShowPage(SettingsPage::About);
    Click(settingsPanel()->aboutPage()->findChild<controls::FlatButton*>("aboutClose"));
    EXPECT_EQ(panels().openCount(), 0);
}

TEST_F(MainWindowTest, TheLanguageButtonRelabelsTheOpenPanelAndTheWindowAndStoresIt) {
    Click(bar().settingsButton());
    SettingsPanel* panel = settingsPanel();
    panel->ShowPage(SettingsPage::About);
    EXPECT_EQ(panel->pageButton(SettingsPage::Upgrade)->text(), QStringLiteral("Upgrade"));
    EXPECT_EQ(panel->aboutPage()->softwareLine(), QStringLiteral("Software version: VIRE-RI1.02"));
    EXPECT_EQ(panel->aboutPage()->buildLine(),
              QStringLiteral("Program: ") + QString::fromStdString(ProgramNameAndVersion()));
    auto* language = panel->settingPage()->languageButton();
    EXPECT_TRUE(language->isChecked());  // state 1 while the interface is English

    Click(language);
    EXPECT_FALSE(language->isChecked());
    EXPECT_EQ(panel->pageButton(SettingsPage::Upgrade)->text(), QStringLiteral("升级"));
    EXPECT_EQ(panel->findChild<QLabel*>("panelTitle")->text(), QStringLiteral("设置"));
    EXPECT_EQ(panel->aboutPage()->softwareLine(), QStringLiteral("软件版本: VIRE-RI1.02"));
    EXPECT_EQ(panel->aboutPage()->deviceLine(), QStringLiteral("设备版本: "));
    EXPECT_EQ(bar().saveButton()->text(), QStringLiteral("保存"));
    EXPECT_EQ(bar().connectButton()->text(), QStringLiteral("连接"));
    EXPECT_EQ(bar().moreAction(MoreCommand::ParameterReport)->text(),
              QStringLiteral("参数报表..."));
    EXPECT_EQ(program.view().pageArea().title(), QStringLiteral("完整界面"));
    EXPECT_EQ(StoredValue(QStringLiteral("DspMcu/Language")), QStringLiteral("Chinese"));
    EXPECT_EQ(panels().panel(PanelSlot::Settings), panel);  // still open

    Click(language);
    EXPECT_EQ(bar().saveButton()->text(), QStringLiteral("Save"));
    EXPECT_EQ(StoredValue(QStringLiteral("DspMcu/Language")), QStringLiteral("English"));
}

TEST_F(MainWindowTest, APanelClosesWhenItLosesTheActivationUnlessTheProgramIsBusy) {
    Click(bar().settingsButton());
    QPointer<FloatingPanel> panel = panels().panel(PanelSlot::Settings);
    const auto activate = [](QWidget* window) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    };
    if (!activate(panel)) {
        GTEST_SKIP() << "this platform does not move the activation between windows";
    }
    program.context->busy = true;
    ASSERT_TRUE(activate(program.window.get()));
    QCoreApplication::processEvents();  // the panel's deferred look at the activation
    EXPECT_EQ(panels().panel(PanelSlot::Settings), panel);

    program.context->busy = false;
    ASSERT_TRUE(activate(panel));
    ASSERT_TRUE(activate(program.window.get()));
    EXPECT_TRUE(WaitFor([&] { return panels().openCount() == 0; }));
}

TEST_F(MainWindowTest, TheMoreMenuListsItsCommandsAllEnabled) {
    QMenu* menu = bar().moreMenu();
    ASSERT_EQ(menu->actions().size(), 10);
    for (const MoreCommand command :
         {MoreCommand::ProgramDialog, MoreCommand::MusicFiles, MoreCommand::ModeFiles,
          MoreCommand::ParameterReport, MoreCommand::ProtectUnlock, MoreCommand::ImportFilters,
          MoreCommand::AutoEq, MoreCommand::AlignDistances, MoreCommand::Snapshots,
          MoreCommand::Measure}) {
        EXPECT_TRUE(bar().moreAction(command)->isEnabled());
    }
    EXPECT_EQ(bar().moreAction(MoreCommand::MusicFiles)->menu()->actions().size(), 2);
    EXPECT_EQ(bar().moreAction(MoreCommand::ModeFiles)->menu()->actions().size(), 2);
    EXPECT_EQ(bar().moreAction(MoreCommand::ProtectUnlock)->text(),
              QStringLiteral("Protect or unlock..."));
    EXPECT_EQ(bar().moreAction(MoreCommand::AlignDistances)->text(),
              QStringLiteral("Align from distances..."));
    EXPECT_EQ(bar().moreAction(MoreCommand::Measure)->text(), QStringLiteral("Measure..."));
}

// A field that counts the keys it is given (not the modifier keys pressed on their own).
class ProbeField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt &&
            key != Qt::Key_Meta) {
            ++keys;
        }
        QLineEdit::keyPressEvent(event);
    }
};

TEST_F(MainWindowTest, CtrlSIsSwallowedAndEnterOrEscHandTheFocusToTheView) {
    auto* field = new ProbeField(&program.view().pageArea());
    field->show();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(field->keys, 0);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(panels().openCount(), 0);

    QTest::keyClick(field, Qt::Key_A);
    EXPECT_EQ(field->keys, 1);  // other keys reach the field
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(program.window->focusWidget(), &program.view());
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(program.window->focusWidget(), &program.view());

    // The same in a panel, whose Esc closes nothing.
    Click(bar().saveButton());
    FloatingPanel* save = panels().panel(PanelSlot::Save);
    auto* panelField = new ProbeField(save);
    panelField->show();
    QTest::keyClick(panelField, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(panelField, Qt::Key_Escape);
    EXPECT_EQ(panelField->keys, 0);
    EXPECT_EQ(panels().panel(PanelSlot::Save), save);
}

TEST_F(MainWindowTest, EscapeInABandFieldDropsTheTypingAndEnterCommitsIt) {
    auto* field = program.view().pageArea().page().eqEditor().column(4)->gainField();
    const QString shown = field->shownText();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("7"));
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(program.window->focusWidget(), &program.view());
    EXPECT_EQ(field->text(), shown);
    EXPECT_EQ(program.context->session().Snapshot().outputs[0].bands[4].gainCode, 200);

    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("7"));
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(program.context->session().Snapshot().outputs[0].bands[4].gainCode, 270);
    EXPECT_EQ(field->shownText(), QStringLiteral("7.0"));
}

TEST_F(MainWindowTest, TheFocusRingWrapsBothWays) {
    auto* host = new QWidget(&program.view().pageArea());
    auto* layout = new QVBoxLayout(host);
    FocusRing ring(host);
    std::vector<QLineEdit*> fields;
    for (int i = 0; i < 3; ++i) {
        fields.push_back(new QLineEdit(host));
        layout->addWidget(fields.back());
        ring.Add(fields.back());
    }
    host->show();
    QWidget& window = *program.window;
    fields[2]->setFocus();
    QTest::keyClick(fields[2], Qt::Key_Tab);
    EXPECT_TRUE(WaitFor([&] { return window.focusWidget() == fields[0]; }));
    QTest::keyClick(fields[0], Qt::Key_Left);
    EXPECT_TRUE(WaitFor([&] { return window.focusWidget() == fields[2]; }));
    fields[1]->setEnabled(false);  // skipped
    QTest::keyClick(fields[0], Qt::Key_Right);
    EXPECT_TRUE(WaitFor([&] { return window.focusWidget() == fields[2]; }));
}

TEST_F(MainWindowTest, CloseDoesNothingWhileBusyAndClosesOtherwise) {
    Click(bar().settingsButton());
    program.context->busy = true;
    Click(bar().closeButton());
    EXPECT_TRUE(program.window->isVisible());
    EXPECT_FALSE(program.window->close());
    EXPECT_EQ(panels().openCount(), 1);

    program.context->busy = false;
    Click(bar().closeButton());
    EXPECT_FALSE(program.window->isVisible());
    EXPECT_EQ(panels().openCount(), 0);
}

TEST(FloatingPanelPlacementTest, PanelsStayInsideTheWindowAndTheScreen) {
    const QRect window(100, 50, 1284, 722);
    const QRect screen(0, 0, 1280, 800);
    // Fits: unchanged.
    EXPECT_EQ(KeptInside({200, 100}, {444, 250}, window, screen), QPoint(200, 100));
    // Past the window's right edge: moved left; then the screen's edge wins.
    EXPECT_EQ(KeptInside({1000, 100}, {444, 250}, window, QRect()), QPoint(940, 100));
    EXPECT_EQ(KeptInside({1000, 100}, {444, 250}, window, screen), QPoint(836, 100));
    // Below the bottom: moved up; never left of or above either rectangle.
    EXPECT_EQ(KeptInside({-40, 700}, {444, 250}, window, screen), QPoint(100, 522));
}

}  // namespace
}  // namespace corva::shell
