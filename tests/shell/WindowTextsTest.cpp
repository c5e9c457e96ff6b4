// Every open window speaks both languages: after a switch no control that showed a text, a
// tooltip or a name is left without one, and none gains one that it lacked.
#include <gtest/gtest.h>

#include "OnScreenTexts.h"
#include "ShellTestSupport.h"
#include "controls/FlatButton.h"
#include "shell/app/TopBar.h"
#include "shell/panels/PanelHost.h"

namespace corva::shell {
namespace {

using test::OnScreen;
using test::ShownTexts;
using test::TextsOf;

std::string Describe(const QObject* object, const ShownTexts& english) {
    return (QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
            object->objectName() + QStringLiteral(" \"") + english.text +
            QStringLiteral("\" tip \"") + english.tip + QLatin1Char('"'))
        .toStdString();
}

TEST(WindowTextsTest, EveryTextOfEveryOpenWindowHasItsTwin) {
    test::Program program;
    program.window->OpenMeasure();
    program.window->OpenAutoEq();
    program.window->OpenImportFilters();
    program.window->OpenAlign();
    test::Click(program.view().topBar().settingsButton());
    ASSERT_NE(program.view().panels().panel(PanelSlot::Settings), nullptr);

    const auto english = OnScreen();
    program.context->language().Set(UiLanguage::Chinese);
    int changed = 0;
    for (const auto& [object, before] : english) {
        if (object.isNull()) {
            continue;
        }
        const ShownTexts after = TextsOf(object.data());
        EXPECT_EQ(before.text.isEmpty(), after.text.isEmpty()) << Describe(object, before);
        EXPECT_EQ(before.tip.isEmpty(), after.tip.isEmpty()) << Describe(object, before);
        EXPECT_EQ(before.name.isEmpty(), after.name.isEmpty()) << Describe(object, before);
        changed += before.text != after.text ? 1 : 0;
    }
    // The windows really were relabelled, not just left alone.
    EXPECT_GT(changed, 100);
}

}  // namespace
}  // namespace corva::shell
