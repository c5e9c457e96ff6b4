// The program's command line.
#include <gtest/gtest.h>

#include "core/ProgramVersion.h"
#include "shell/app/AppOptions.h"

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
    EXPECT_EQ(Parse({"--demo", "--demo-state", "s.state"}).options->demoStatePath,
              QStringLiteral("s.state"));
}

TEST(AppOptionsTest, ConnectsOverTheNetworkOrASerialLineWhenAsked) {
    const auto tcp = Parse({"--tcp", "192.168.1.50"}).options;
    ASSERT_TRUE(tcp && tcp->stream);
    EXPECT_EQ(tcp->stream->kind, StreamAddress::Kind::Tcp);
    EXPECT_EQ(tcp->stream->host, "192.168.1.50");
    EXPECT_EQ(tcp->stream->port, 8989);
    EXPECT_EQ(Parse({"--tcp", "dsp.local:9000"}).options->stream->port, 9000);
    const auto serial = Parse({"--serial", "/dev/ttyUSB0"}).options;
    ASSERT_TRUE(serial && serial->stream);
    EXPECT_EQ(serial->stream->kind, StreamAddress::Kind::Serial);
    EXPECT_EQ(serial->stream->host, "/dev/ttyUSB0");
    EXPECT_FALSE(Parse({}).options->stream);
}

TEST(AppOptionsTest, RejectsWhatItDoesNotKnowWithAReason) {
    for (const QStringList& wrong :
         {QStringList{"--lang", "fr"}, QStringList{"--screenshot"}, QStringList{"--colour"},
          QStringList{"stray"}, QStringList{"--tcp", "dsp:0"}, QStringList{"--tcp", ":80"},
          QStringList{"--demo", "--serial", "/dev/ttyUSB0"},
          QStringList{"--tcp", "a", "--serial", "b"}}) {
        const OptionsParse parse = Parse(wrong);
        EXPECT_FALSE(parse.options) << wrong.join(' ').toStdString();
        EXPECT_FALSE(parse.error.isEmpty());
        EXPECT_FALSE(parse.helpShown);
        // Answered before any window, as wrong usage.
        QStringList arguments = wrong;
        arguments.prepend(QStringLiteral("corva-dsp"));
        EXPECT_EQ(AnswerWithoutWindow(arguments), kOptionsWrong);
    }
}

TEST(AppOptionsTest, AScreenshotPanelIsOneOfTheTableAndNeedsAScreenshot) {
    EXPECT_FALSE(Parse({"--screenshot", "a.png"}).options->screenshotPanel);
    EXPECT_EQ(
        Parse({"--screenshot", "a.png", "--screenshot-panel", "report"}).options->screenshotPanel,
        ScreenshotPanel::Report);
    EXPECT_EQ(
        Parse({"--screenshot", "a.png", "--screenshot-panel", "password"}).options->screenshotPanel,
        ScreenshotPanel::Password);
    EXPECT_FALSE(Parse({"--screenshot", "a.png", "--screenshot-panel", "nothing"}).options);
    EXPECT_FALSE(Parse({"--screenshot-panel", "report"}).options);
}

TEST(AppOptionsTest, HelpAndVersionAreAnsweredWithoutTheWindow) {
    for (const char* option : {"--help", "--version"}) {
        const OptionsParse parse = Parse({option});
        EXPECT_FALSE(parse.options) << option;
        EXPECT_TRUE(parse.helpShown) << option;
        EXPECT_EQ(AnswerWithoutWindow({"corva-dsp", option}), kOptionsAnswered);
    }
    EXPECT_EQ(Parse({"--version"}).error, QStringLiteral("corva-dsp ") + ProgramVersion());
    EXPECT_FALSE(AnswerWithoutWindow({"corva-dsp", "--demo"}));
}

}  // namespace
}  // namespace corva::shell
