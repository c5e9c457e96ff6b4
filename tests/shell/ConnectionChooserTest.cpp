// The connection chooser beside the connect button: its USB entries, the built-in demo
// processor, the network and serial address dialogs, the remembered network address, and a
// whole TCP connection to a simulated processor served on loopback. Also the rule that
// decides when --screenshot may draw.

#include <memory>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "controls/FlatButton.h"
#include "shell/app/ScreenshotRule.h"
#include "shell/app/ShellTexts.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/AddressDialog.h"
#include "shell/dialogs/ConnectionChooser.h"
#include "sim/StreamServer.h"

namespace corva::shell {
namespace {

QString English(const UiText& text) {
    return QString::fromStdString(text.In(UiLanguage::English));
}

QStringList EntryTexts(QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

QAction* Entry(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

QString NetworkKey() {
    return QString::fromLatin1(settings_key::kNetworkGroup) + '/' +
           QString::fromLatin1(settings_key::kAddressValue);
}

class ConnectionChooserTest : public ::testing::Test {
protected:
    test::Program program;
    ConnectionChooser& chooser() { return program.view().connectionChooser(); }

    // Types into a freshly opened network dialog and presses its connect button.
    void EnterNetworkAddress(const QString& typed) {
        AddressDialog* dialog = chooser().OpenNetworkDialog();
        dialog->field()->setText(typed);
        dialog->connectButton()->click();
    }
};

TEST_F(ConnectionChooserTest, ButtonIsNamedAndExplainedInBothLanguages) {
    auto* button = program.view().topBar().connectionChooserButton();
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Connection"));
    const QString englishTip = button->toolTip();
    EXPECT_FALSE(englishTip.isEmpty());

    program.context->language().Set(UiLanguage::Chinese);
    EXPECT_EQ(button->accessibleName(),
              QString::fromStdString(text::kConnectionChooser.In(UiLanguage::Chinese)));
    EXPECT_NE(button->toolTip(), englishTip);
    EXPECT_FALSE(button->toolTip().isEmpty());
}

TEST_F(ConnectionChooserTest, ListsTheFreeProcessorAndTheTypedLinksAndConnectsToTheChosenOne) {
    std::unique_ptr<QMenu> menu{chooser().BuildMenu()};
    const QStringList entries = EntryTexts(*menu);
    EXPECT_TRUE(entries.contains(QStringLiteral("USB 1")));
    EXPECT_TRUE(entries.contains(English(text::kNetworkEntry)));
    EXPECT_TRUE(entries.contains(English(text::kSerialEntry)));

    Entry(*menu, QStringLiteral("USB 1"))->trigger();
    ASSERT_TRUE(program.WaitSynchronised());
    EXPECT_EQ(program.context->controller().linkKind(), LinkKind::Usb);
    EXPECT_EQ(program.context->controller().devicePath(), kDemoDevicePath);
    EXPECT_TRUE(program.messages->shown.empty());

    // The processor now held is no longer offered.
    std::unique_ptr<QMenu> connectedMenu{chooser().BuildMenu()};
    EXPECT_FALSE(EntryTexts(*connectedMenu).contains(QStringLiteral("USB 1")));
}

TEST_F(ConnectionChooserTest, DemoProcessorIsOfferedWithoutHardwareAndCanBeChosenAgain) {
    program.devices().Unplug(kDemoDevicePath);  // nothing on USB
    std::unique_ptr<QMenu> menu{chooser().BuildMenu()};
    EXPECT_FALSE(EntryTexts(*menu).contains(QStringLiteral("USB 1")));
    ASSERT_NE(Entry(*menu, English(text::kDemoEntry)), nullptr);

    Entry(*menu, English(text::kDemoEntry))->trigger();
    ASSERT_TRUE(program.WaitSynchronised());
    EXPECT_TRUE(program.messages->shown.empty());

    // Chosen again while connected: the open link is let go first, so the processor is free
    // to be opened and read anew.
    std::unique_ptr<QMenu> again{chooser().BuildMenu()};
    Entry(*again, English(text::kDemoEntry))->trigger();
    ASSERT_TRUE(program.WaitSynchronised());
    EXPECT_TRUE(program.messages->shown.empty());
    program.connection().Disconnect();
}

TEST_F(ConnectionChooserTest, NetworkDialogOffersTheDefaultAddressFirst) {
    AddressDialog* dialog = chooser().OpenNetworkDialog();
    EXPECT_EQ(dialog->field()->text(), QStringLiteral("192.168.1.1:8989"));
    EXPECT_FALSE(dialog->field()->accessibleName().isEmpty());
    EXPECT_FALSE(dialog->field()->toolTip().isEmpty());
    dialog->reject();
}

TEST_F(ConnectionChooserTest, NetworkDialogRefusesAddressesThatAreNotHostAndPort) {
    for (const QString& typed : {QStringLiteral("127.0.0.1:70000"), QStringLiteral("127.0.0.1:0"),
                                 QStringLiteral(":8989"), QStringLiteral("127.0.0.1:port")}) {
        SCOPED_TRACE(typed.toStdString());
        program.messages->shown.clear();
        AddressDialog* dialog = chooser().OpenNetworkDialog();
        dialog->field()->setText(typed);
        dialog->connectButton()->click();

        EXPECT_TRUE(program.messages->Showed(English(text::kBadNetworkAddress)));
        EXPECT_TRUE(dialog->isVisible());  // the user can correct the text
        EXPECT_FALSE(program.connection().online());
        EXPECT_TRUE(test::StoredValue(NetworkKey()).isEmpty());
        dialog->reject();
    }
}

TEST_F(ConnectionChooserTest, SerialDialogRefusesAnEmptyName) {
    AddressDialog* dialog = chooser().OpenSerialDialog();
    dialog->field()->setText(QStringLiteral("   "));
    dialog->connectButton()->click();
    EXPECT_TRUE(program.messages->Showed(English(text::kEmptySerialPort)));
    EXPECT_FALSE(program.connection().online());
    dialog->reject();
}

TEST_F(ConnectionChooserTest, SerialDialogOffersTheLastPortNameTyped) {
    AddressDialog* first = chooser().OpenSerialDialog();
    EXPECT_TRUE(first->field()->text().isEmpty());
    first->field()->setText(QStringLiteral(" /dev/ttyNOTHERE "));
    first->connectButton()->click();
    ASSERT_TRUE(test::WaitFor([this] { return !program.connection().online(); }));
    AddressDialog* again = chooser().OpenSerialDialog();
    EXPECT_EQ(again->field()->text(), QStringLiteral("/dev/ttyNOTHERE"));
    again->reject();
}

TEST_F(ConnectionChooserTest, RefusedNetworkConnectionIsShownAndTheAddressStillRemembered) {
    // A port that was just free and is closed again refuses at once.
    sim::StreamServer closed{std::make_shared<sim::SimulatedProcessor>()};
    ASSERT_TRUE(closed.StartTcp("127.0.0.1", 0).ok());
    const QString typed = QStringLiteral("127.0.0.1:%1").arg(closed.port());
    closed.Stop();

    EnterNetworkAddress(typed);
    EXPECT_FALSE(program.connection().online());
    EXPECT_TRUE(program.messages->Showed(English(ConnectionFailureMessage(LinkKind::Tcp).text)));
    EXPECT_EQ(test::StoredValue(NetworkKey()), typed);
}

TEST_F(ConnectionChooserTest, NetworkReplacesUsbAndReadsTheProcessorServedOnLoopback) {
    sim::StreamServer server{std::make_shared<sim::SimulatedProcessor>()};
    ASSERT_TRUE(server.StartTcp("127.0.0.1", 0).ok());
    const QString typed = QStringLiteral("127.0.0.1:%1").arg(server.port());

    program.connection().ConnectTo(kDemoDevicePath);
    ASSERT_TRUE(program.WaitSynchronised());

    EnterNetworkAddress(typed);
    auto& controller = program.context->controller();
    EXPECT_EQ(controller.linkKind(), LinkKind::Tcp);
    ASSERT_TRUE(program.WaitSynchronised());
    EXPECT_EQ(controller.linkKind(), LinkKind::Tcp);
    EXPECT_TRUE(program.messages->shown.empty());

    // The USB processor was let go, and the address is offered next time.
    EXPECT_EQ(program.connection().FreeProcessors().paths,
              std::vector<std::string>{kDemoDevicePath});
    EXPECT_EQ(test::StoredValue(NetworkKey()), typed);
    AddressDialog* again = chooser().OpenNetworkDialog();
    EXPECT_EQ(again->field()->text(), typed);
    again->reject();

    program.connection().Disconnect();
    server.Stop();
}

TEST(ScreenshotRuleTest, ShootsAtStartUpOnlyWhenNoProcessorWasConnected) {
    using Wait = ScreenshotWait;
    const ScreenshotScene nothingFound{.startupDone = true};
    EXPECT_TRUE(ScreenshotReady(Wait::StartUp, nothingFound));
    EXPECT_FALSE(ScreenshotReady(Wait::Synchronised, nothingFound));

    const ScreenshotScene reading{
        .startupDone = true, .startupConnected = true, .online = true, .synchronised = false};
    EXPECT_FALSE(ScreenshotReady(Wait::StartUp, reading));
    ScreenshotScene read = reading;
    read.synchronised = true;
    EXPECT_TRUE(ScreenshotReady(Wait::StartUp, read));
    EXPECT_TRUE(ScreenshotReady(Wait::Synchronised, read));

    // A start-up link that dropped before its read is not drawn as if nothing were there.
    const ScreenshotScene dropped{.startupDone = true, .startupConnected = true};
    EXPECT_FALSE(ScreenshotReady(Wait::StartUp, dropped));
}

TEST(ScreenshotRuleTest, NeverShootsBeforeStartUpOrDuringATransfer) {
    for (const ScreenshotWait wait : {ScreenshotWait::StartUp, ScreenshotWait::Synchronised}) {
        EXPECT_FALSE(ScreenshotReady(wait, ScreenshotScene{}));
        const ScreenshotScene busy{.startupDone = true,
                                   .startupConnected = true,
                                   .online = true,
                                   .synchronised = true,
                                   .transferShown = true};
        EXPECT_FALSE(ScreenshotReady(wait, busy));
    }
}

}  // namespace
}  // namespace corva::shell
