#include "shell/app/AppOptions.h"

#include <QCommandLineParser>

#include <cstdio>
#include <optional>

#include "catalogue/Catalogue.h"
#include "core/ProgramVersion.h"

namespace corva::shell {
namespace {

QString LanguageCodes() {
    QStringList codes;
    for (const LanguageInfo& language : Catalogue::Program().languages()) {
        codes << QString::fromStdString(language.code);
    }
    return codes.join(QStringLiteral(", "));
}

}  // namespace

OptionsParse ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tunes a six-channel car-audio signal processor."));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Attach the built-in simulated processor instead of USB devices."));
    const QCommandLineOption demoState(
        QStringLiteral("demo-state"),
        QStringLiteral("With --demo: start the simulated processor from this state file."),
        QStringLiteral("FILE"));
    const QCommandLineOption tcp(
        QStringLiteral("tcp"),
        QStringLiteral("Connect to a processor on the network (port 8989 unless given)."),
        QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption serial(QStringLiteral("serial"),
                                    QStringLiteral("Connect to a processor on a serial line."),
                                    QStringLiteral("PORT"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Render the window after start-up to a PNG file and exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption screenshotPanel(
        QStringLiteral("screenshot-panel"),
        QStringLiteral("With --screenshot: open this window over the main view first."),
        ScreenshotPanelNames());
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Interface language for this run: en or zh."),
                                  QStringLiteral("en|zh|CODE"));
    const QCommandLineOption lowerArea(
        QStringLiteral("lower-area"),
        QStringLiteral("Show the output EQ or the channel strips under the graph at start."),
        QStringLiteral("eq|channels"));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Print the program's version and exit."));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOptions(
        {demo, demoState, tcp, serial, screenshot, screenshotPanel, lang, lowerArea, version});

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
    if (parser.isSet(version)) {
        result.error = QStringLiteral("corva-dsp %1").arg(QString::fromUtf8(ProgramVersion()));
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
    options.demoStatePath = parser.value(demoState);
    if (parser.isSet(demoState) && (!options.demo || options.demoStatePath.isEmpty())) {
        result.error = QStringLiteral("--demo-state needs --demo and a file name");
        return result;
    }
    if (static_cast<int>(parser.isSet(demo)) + static_cast<int>(parser.isSet(tcp)) +
            static_cast<int>(parser.isSet(serial)) >
        1) {
        result.error = QStringLiteral("--demo, --tcp and --serial exclude each other");
        return result;
    }
    if (parser.isSet(tcp)) {
        options.stream = ParseTcpAddress(parser.value(tcp).toStdString());
        if (!options.stream) {
            result.error = QStringLiteral("--tcp takes HOST[:PORT] with a port of 1..65535");
            return result;
        }
    } else if (parser.isSet(serial)) {
        if (parser.value(serial).isEmpty()) {
            result.error = QStringLiteral("--serial needs a port name");
            return result;
        }
        options.stream = SerialAddress(parser.value(serial).toStdString());
    }
    options.screenshotPath = parser.value(screenshot);
    if (parser.isSet(screenshot) && options.screenshotPath.isEmpty()) {
        result.error = QStringLiteral("--screenshot needs a file name");
        return result;
    }
    if (parser.isSet(screenshotPanel)) {
        options.screenshotPanel = ScreenshotPanelNamed(parser.value(screenshotPanel));
        if (!options.screenshotPanel || !parser.isSet(screenshot)) {
            result.error = QStringLiteral("--screenshot-panel takes %1 and needs --screenshot")
                               .arg(ScreenshotPanelNames());
            return result;
        }
    }
    if (parser.isSet(lang)) {
        // "zh" is short for the Chinese catalogue; every catalogue is also taken by its code.
        const QString value = parser.value(lang);
        options.language = value == QStringLiteral("zh")
                               ? std::optional(UiLanguage::Chinese)
                               : Catalogue::Program().ByCode(value.toStdString());
        if (!options.language) {
            result.error = QStringLiteral("--lang takes zh or a language code (%1), not '%2'")
                               .arg(LanguageCodes(), value);
            return result;
        }
    }
    if (parser.isSet(lowerArea)) {
        const QString value = parser.value(lowerArea);
        if (value != QStringLiteral("eq") && value != QStringLiteral("channels")) {
            result.error = QStringLiteral("--lower-area takes eq or channels, not '%1'").arg(value);
            return result;
        }
        options.showChannelStrips = value == QStringLiteral("channels");
    }
    result.options = options;
    return result;
}

std::optional<int> AnswerWithoutWindow(const QStringList& arguments) {
    const OptionsParse parse = ParseOptions(arguments);
    if (parse.options) {
        return std::nullopt;
    }
    if (parse.helpShown) {
        std::fprintf(stdout, "%s\n", parse.error.toLocal8Bit().constData());
        return kOptionsAnswered;
    }
    std::fprintf(stderr, "corva-dsp: %s\n", parse.error.toLocal8Bit().constData());
    return kOptionsWrong;
}

}  // namespace corva::shell
