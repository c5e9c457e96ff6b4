// The program's command line.
#include <gtest/gtest.h>

#include "shell/AppOptions.h"

namespace corva::shell {
namespace {

OptionsParse Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("corva-dsp"));
    return ParseOptions(arguments);
}

TEST(AppOptionsTest, ReadsDemoScreenshotAndLanguage) {
    const OptionsParse none = Parse({});
    ASSERT_TRUE(none.options);
    EXPECT_FALSE(none.options->demo);
    EXPECT_TRUE(none.options->screenshotPath.isEmpty());
    EXPECT_FALSE(none.options->language);

    const OptionsParse all = Parse({"--demo", "--screenshot", "out.png", "--lang", "zh"});
    ASSERT_TRUE(all.options);
    EXPECT_TRUE(all.options->demo);
    EXPECT_EQ(all.options->screenshotPath, QStringLiteral("out.png"));
    EXPECT_EQ(all.options->language, UiLanguage::Chinese);
    EXPECT_EQ(Parse({"--lang", "en"}).options->language, UiLanguage::English);
}

TEST(AppOptionsTest, RejectsWhatItDoesNotKnowWithAReason) {
    for (const QStringList& wrong : {QStringList{"--lang", "fr"}, QStringList{"--screenshot"},
                                     QStringList{"--colour"}, QStringList{"stray"}}) {
        const OptionsParse parse = Parse(wrong);
        EXPECT_FALSE(parse.options) << wrong.join(' ').toStdString();
        EXPECT_FALSE(parse.error.isEmpty());
        EXPECT_FALSE(parse.helpShown);
    }
}

}  // namespace
}  // namespace corva::shell
