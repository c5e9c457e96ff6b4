#include "shell/AppOptions.h"

#include <QCommandLineParser>

namespace corva::shell {

OptionsParse ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tunes a six-channel car-audio signal processor."));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Attach the built-in simulated processor instead of USB devices."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Render the window after start-up to a PNG file and exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Interface language for this run: en or zh."),
                                  QStringLiteral("en|zh"));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOptions({demo, screenshot, lang});

    OptionsParse result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.error = parser.helpText();
        result.helpShown = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error =
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
        return result;
    }
    AppOptions options;
    options.demo = parser.isSet(demo);
    options.screenshotPath = parser.value(screenshot);
    if (parser.isSet(screenshot) && options.screenshotPath.isEmpty()) {
        result.error = QStringLiteral("--screenshot needs a file name");
        return result;
    }
    if (parser.isSet(lang)) {
        const QString value = parser.value(lang);
        if (value == QStringLiteral("en")) {
            options.language = UiLanguage::English;
        } else if (value == QStringLiteral("zh")) {
            options.language = UiLanguage::Chinese;
        } else {
            result.error = QStringLiteral("--lang takes en or zh, not '%1'").arg(value);
            return result;
        }
    }
    result.options = options;
    return result;
}

}  // namespace corva::shell
