#include "shell/app/Application.h"

#include <cstdio>
#include <memory>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QTimer>

#include "controls/AccessibleControls.h"
#include "files/SafeFileWriter.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/AppContext.h"
#include "shell/app/AppOptions.h"
#include "shell/app/LanguageSetting.h"
#include "shell/app/MainView.h"
#include "shell/app/MainWindow.h"
#include "shell/app/PageArea.h"
#include "shell/app/QtTranslations.h"
#include "shell/app/Screenshot.h"
#include "shell/app/ShellStyle.h"

namespace corva::shell {
namespace {
constexpr int kScreenshotTimeLimitMs = 20000;
}

void PrepareProcess() {
    LetOversizedWritesFail();
    // The layout is in pixels and must never scale with the display's setting.
    if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }
}

int RunProgram(QApplication& app, host::SimulatedProcessorFactory simulator) {
    const OptionsParse parse = ParseOptions(QApplication::arguments());
    if (!parse.options) {
        std::fprintf(parse.helpShown ? stdout : stderr, "%s%s\n",
                     parse.helpShown ? "" : "corva-dsp: ", parse.error.toLocal8Bit().constData());
        return parse.helpShown ? kOptionsAnswered : kOptionsWrong;
    }
    const AppOptions& options = *parse.options;
    ApplyShellStyle(app);
    // The installed menu entry and its icon, so the desktop shows the window under them.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvadsp.CorvaDsp"));
    app.setWindowIcon(QIcon::fromTheme(QStringLiteral("org.corvadsp.CorvaDsp")));
    controls::InstallAccessibleControls();

    AppSetup setup;
    setup.source = options.demo ? DeviceSource::Demo : DeviceSource::Usb;
    setup.startupStream = options.stream;
    setup.simulator = std::move(simulator);
    AppContext context(std::move(setup));
    if (!options.demoStatePath.isEmpty() && context.demoDevices() != nullptr) {
        const Status loaded = context.demoDevices()->LoadState(
            QFile::encodeName(options.demoStatePath).toStdString());
        if (!loaded.ok()) {
            std::fprintf(stderr, "corva-dsp: %s (%s)\n",
                         loaded.message().In(UiLanguage::English).c_str(),
                         options.demoStatePath.toLocal8Bit().constData());
            return 2;
        }
    }
    context.settings().EnsureDataFolder();
    const UiLanguage stored =
        StartupLanguage(context.settings(), LanguageForLocale(QLocale::system()));
    context.language().Set(options.language.value_or(stored));
    const QtTranslations qtTexts(context.language());

    MainWindow window(context);
    if (options.showChannelStrips) {
        window.view().pageArea().page().ShowLowerArea(pages::LowerArea::ChannelStrips);
    }
    window.show();
    // The start-up connection runs once the window is on screen.
    QTimer::singleShot(0, &window.view(), &MainView::StartupConnect);

    std::unique_ptr<ScreenshotTaker> screenshot;
    if (!options.screenshotPath.isEmpty()) {
        screenshot = std::make_unique<ScreenshotTaker>(
            window, options.screenshotPath,
            options.demo || options.stream ? ScreenshotWait::Synchronised : ScreenshotWait::StartUp,
            kScreenshotTimeLimitMs, options.screenshotPanel);
        screenshot->Begin();
    }
    return app.exec();
}

}  // namespace corva::shell
