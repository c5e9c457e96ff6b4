// The window in the test's pseudo-language, where every catalogue text is its English source
// between markers: every text on screen, tooltip, accessible name and window title went through
// the catalogue, apart from values and names. A program of its own, because the extra language
// changes what the language switch cycles through.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include "OnScreenTexts.h"
#include "ShellTestSupport.h"
#include "catalogue/Catalogue.h"
#include "controls/FlatButton.h"
#include "controls/LockButton.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/PageArea.h"
#include "shell/app/TopBar.h"
#include "shell/panels/PanelHost.h"
#include "shell/panels/SettingsPanel.h"

namespace corva::shell {
namespace {

// Texts that are values, not words for a translator: numbers with their units, the channels'
// short names, the program's name, a processor's version tag and the demo's sound device,
// named by the device as the system names a real one. Each pattern is a whole text.
bool IsValueNotWords(const QString& text) {
    static const QRegularExpression kValue(
        QStringLiteral("^(?:"
                       "[^\\p{L}]*"                                      // numbers, signs
                       "|[-+]?[0-9.]+ ?(?:dB|dB/Oct|Hz|kHz|ms|cm|in|%)"  // a value and unit
                       "|FL|FR|SL|SR|ULF|Center|Q"                       // channels, filter Q
                       "|Corva DSP"                                      // the program's name
                       "|[A-Z]{4}-[A-Z]{2}[0-9.]+"                       // a version tag
                       "|Virtual car: [a-z ]+"                           // a sound device
                       "|Atk \\* [0-9]+"                                 // limiter release
                       ")$"));
    return kValue.match(text).hasMatch();
}

// Qt's own parts, named by Qt's catalogue: a tab bar's scroll buttons.
bool IsQtsOwn(const QObject* object) {
    return object->objectName() == QLatin1String("ScrollLeftButton") ||
           object->objectName() == QLatin1String("ScrollRightButton");
}

// Controls that show the names the processor keeps for its stored presets ("Preset1"): the
// preset strip's labels and buttons, the report's preset choice ("1 Preset1").
bool ShowsProcessorNames(const QObject* object, const char* kind) {
    const QString name = object->objectName();
    return (name == QLatin1String("reportPresets") && qstrcmp(kind, "choice") == 0) ||
           (name.startsWith(QLatin1String("presetLabel")) && qstrcmp(kind, "text") == 0) ||
           (name.startsWith(QLatin1String("presetButton")) && qstrcmp(kind, "name") == 0);
}

void AddUnmarked(std::set<std::string>& unmarked, const QObject* object, const char* kind,
                 const QString& text) {
    if (text.isEmpty() || text.contains(QChar(0x27E6)) || IsValueNotWords(text) ||
        ShowsProcessorNames(object, kind) || IsQtsOwn(object)) {
        return;
    }
    unmarked.insert((QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
                     object->objectName() + QLatin1Char(' ') + QLatin1String(kind) +
                     QStringLiteral(" \"") + text + QLatin1Char('"'))
                        .toStdString());
}

// Every text, tooltip, accessible name, window title, placeholder, choice and column heading
// of every visible window that does not carry the pseudo-language's marker, leaving out those
// already `reported`, one a line.
std::string UnmarkedTexts(std::set<std::string>& reported) {
    std::set<std::string> unmarked;
    for (const auto& [object, shown] : test::OnScreen()) {
        if (object.isNull()) {
            continue;
        }
        AddUnmarked(unmarked, object, "text", shown.text);
        AddUnmarked(unmarked, object, "tip", shown.tip);
        AddUnmarked(unmarked, object, "name", shown.name);
        const auto* widget = qobject_cast<const QWidget*>(object.data());
        if (widget == nullptr) {
            continue;
        }
        if (widget->isWindow()) {
            AddUnmarked(unmarked, object, "title", widget->windowTitle());
        }
        if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            AddUnmarked(unmarked, object, "title", group->title());
        }
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            AddUnmarked(unmarked, object, "placeholder", edit->placeholderText());
        }
        if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                AddUnmarked(unmarked, object, "choice", combo->itemText(i));
            }
        }
        if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column) {
                if (const QTableWidgetItem* heading = table->horizontalHeaderItem(column)) {
                    AddUnmarked(unmarked, object, "heading", heading->text());
                }
            }
        }
    }
    std::string list;
    for (const std::string& line : unmarked) {
        if (reported.insert(line).second) {
            list += line + "\n";
        }
    }
    return list;
}

TEST(PseudoLanguageWindowTest, EveryShownTextComesFromTheCatalogue) {
    const auto pseudo = Catalogue::Program().ByCode("pseudo");
    ASSERT_TRUE(pseudo.has_value()) << "the test's pseudo-language is missing";
    test::Program program;
    std::set<std::string> reported;
    const auto expectAllMarked = [&reported](const std::string& stage) {
        const std::string unmarked = UnmarkedTexts(reported);
        EXPECT_TRUE(unmarked.empty()) << "not from the catalogue, " << stage << ":\n" << unmarked;
    };
    program.view().StartupConnect();
    ASSERT_TRUE(program.WaitSynchronised());
    program.window->OpenMeasure();
    program.window->OpenAutoEq();
    program.window->OpenImportFilters();
    program.window->OpenAlign();
    program.window->OpenReport();
    // The report reads the stored presets first; the view takes no clicks until it is done.
    ASSERT_TRUE(test::WaitFor([&] { return program.view().isEnabled(); }));
    test::Click(program.view().topBar().settingsButton());

    // Texts already on screen follow the switch ...
    program.context->language().Set(*pseudo);
    expectAllMarked("after the switch");
    auto* settings =
        qobject_cast<SettingsPanel*>(program.view().panels().panel(PanelSlot::Settings));
    ASSERT_NE(settings, nullptr);
    for (SettingsPage page : {SettingsPage::Upgrade, SettingsPage::About}) {
        settings->ShowPage(page);
        expectAllMarked("settings page " + std::to_string(static_cast<int>(page)));
    }
    // ... and what opens afterwards starts in it.
    test::Click(program.view().topBar().saveButton());
    expectAllMarked("save panel");
    test::Click(program.view().topBar().openButton());
    expectAllMarked("open panel");
    program.view().OpenProgramDialog();
    expectAllMarked("program dialog");
    program.view().pageArea().page().OpenChannelSettings();
    expectAllMarked("channel settings");
    QTest::mouseClick(program.view().topBar().lockButton(), Qt::LeftButton);
    expectAllMarked("password dialog");
}

}  // namespace
}  // namespace corva::shell
