#include "shell/panels/FirmwareUpdateRunner.h"

#include <mutex>

#include <QFile>
#include <QFileInfo>

#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/ShellTexts.h"
#include "shell/panels/SafetyCopy.h"

namespace corva::shell {

FirmwareUpdateRunner::FirmwareUpdateRunner(AppContext& context, ConnectionDriver& connection,
                                           QObject* parent)
    : QObject(parent), context_{context}, connection_{connection} {
    waitTimer_.setInterval(context_.timing().connectForUpdateRetryMs);
    connect(&waitTimer_, &QTimer::timeout, this, &FirmwareUpdateRunner::WaitTick);
}

FirmwareUpdateRunner::~FirmwareUpdateRunner() {
    if (waitingForProcessor()) {
        context_.busy = false;  // the panel closed while waiting: the update never started
    }
}

void FirmwareUpdateRunner::Start(const QString& path) {
    const Language& language = context_.language();
    if (context_.controller().updating() || waitingForProcessor()) {
        return;  // one update at a time; the running one keeps the busy flag
    }
    context_.busy = true;
    if (path.isEmpty()) {
        context_.messages().ShowTimed(language.Pick(text::kSelectUpgradeFile),
                                      language.Pick(text::kPromptCaption));
        context_.busy = false;
        emit NotStarted(context_.settings().firmwareSettings().name);
        return;
    }

    FirmwareSettings settings = context_.settings().firmwareSettings();
    settings.name = path;
    context_.settings().WriteFirmwareSettings(settings);

    FirmwareParse parse = LoadFirmwareFile(QFile::encodeName(path).toStdString());
    if (!parse.status.ok()) {
        if (!QFileInfo(path).isReadable()) {
            settings.name.clear();  // a file that cannot be read is not remembered
            context_.settings().WriteFirmwareSettings(settings);
        }
        GiveUp(language.Pick(parse.status.message()), false);
        return;
    }
    // Asked first, naming the file and the version it replaces: an update cannot be undone.
    const QString tag =
        QString::fromLatin1(context_.session().Snapshot().versionTag.c_str()).trimmed();
    const QString question =
        language.Pick(text::kFirmwareQuestionStart.Arg(QFileInfo(path).fileName().toStdString())) +
        QLatin1Char('\n') +
        (tag.isEmpty() ? language.Pick(text::kFirmwareVersionUnknown)
                       : language.Pick(text::kFirmwareQuestionVersion.Arg(tag.toStdString()))) +
        QLatin1Char('\n') + language.Pick(text::kFirmwareQuestionEnd);
    if (!context_.messages().AskYesNo(question, language.Pick(text::kWindowTitle))) {
        context_.busy = false;
        emit NotStarted(context_.settings().firmwareSettings().name);
        return;
    }
    image_ = std::move(parse.image);

    // The tuning on screen is the processor's only once it has been read.
    if (context_.controller().synchronised() &&
        !KeepSafetyCopy(context_, SnapshotReason::Firmware)) {
        context_.busy = false;
        emit NotStarted(context_.settings().firmwareSettings().name);
        return;
    }
    if (context_.controller().online() || ProcessorPresent()) {
        Launch();
        return;
    }
    emit StatusChanged(text::kConnectingUsb);
    waited_.start();
    waitTimer_.start();
}

bool FirmwareUpdateRunner::ProcessorPresent() {
    // Only asked while no link is open, so nothing else is enumerating or opening devices.
    for (const auto& device : context_.devices().Enumerate()) {
        if (device.IsProcessor()) {
            return true;
        }
    }
    return false;
}

void FirmwareUpdateRunner::WaitTick() {
    if (ProcessorPresent()) {
        waitTimer_.stop();
        Launch();
        return;
    }
    if (waited_.elapsed() > context_.timing().connectForUpdateMs) {
        waitTimer_.stop();
        context_.session().DiscardQueuedFrames();
        GiveUp(context_.language().Pick(ConnectionFailureMessage(LinkKind::Usb).text), true);
    }
}

void FirmwareUpdateRunner::Launch() {
    const int plannedSteps = image_.plannedSteps;
    const Status status = context_.controller().StartFirmwareUpdate(
        std::move(image_), context_.poster().FirmwareSinksForWorker());
    image_ = {};
    connection_.Refresh();
    if (!status.ok()) {
        GiveUp(context_.language().Pick(status.message()), true);
        return;
    }
    emit Started(plannedSteps);
}

void FirmwareUpdateRunner::GiveUp(const QString& message, bool timed) {
    const QString caption = context_.language().Pick(text::kWindowTitle);
    // Shown while still busy, so the settings panel stays open under the message.
    if (timed) {
        context_.messages().ShowTimed(message, caption);
    } else {
        context_.messages().ShowBox(BoxKind::Error, message, caption);
    }
    context_.busy = false;
    emit NotStarted(context_.settings().firmwareSettings().name);
}

}  // namespace corva::shell
