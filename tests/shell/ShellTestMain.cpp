// The one QApplication of the shell tests, on the offscreen platform unless told otherwise,
// with the per-user settings store, data and runtime folders pointed at temporary folders so no
// test touches the real ones.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "controls/AccessibleControls.h"
#include "shell/app/ShellStyle.h"

namespace {

// The offscreen platform says so whenever a window mask, raise or keyboard grab is asked of
// it; the tests expect exactly that, so those lines are dropped and everything else printed.
QtMessageHandler defaultHandler = nullptr;

void QuietPlatformHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QStringLiteral("This plugin does not support"))) {
        defaultHandler(type, context, text);
    }
}

}  // namespace

int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(QuietPlatformHandler);
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return 1;
    }
    const QString config = scratch.filePath(QStringLiteral("config"));
    const QString runtime = scratch.filePath(QStringLiteral("runtime"));
    const QString data = scratch.filePath(QStringLiteral("data"));
    QDir().mkpath(config);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);

    QApplication app(argc, argv);
    corva::shell::ApplyShellStyle(app);
    corva::controls::InstallAccessibleControls();
    return RUN_ALL_TESTS();
}
