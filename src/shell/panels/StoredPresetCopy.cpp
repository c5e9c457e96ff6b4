#include "shell/panels/StoredPresetCopy.h"

#include <QTimer>

#include "commands/MachinePresets.h"
#include "commands/StoredPresetTable.h"
#include "platform/settings/UserDataFolder.h"
#include "shell/app/AppContext.h"
#include "shell/panels/SafetyCopy.h"

namespace corva::shell {
namespace {
constexpr int kLookEveryMs = 20;
}  // namespace

bool ReadStoredPresetThen(AppContext& context, int preset, QObject* owner,
                          std::function<void()> arrived) {
    TuningSession& session = context.session();
    if (!session.Snapshot().synchronised || !ReadStoredPresetOutputs(session, preset)) {
        return false;
    }
    auto* timer = new QTimer(owner);
    timer->setInterval(kLookEveryMs);
    QObject::connect(timer, &QTimer::timeout, timer, [&context, timer, arrived] {
        if (!context.controller().online()) {
            timer->stop();
            timer->deleteLater();  // the link ended: it said why
            return;
        }
        if (!context.session().NothingLeftToSend()) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        arrived();
    });
    timer->start();
    return true;
}

void KeepStoredPresetThen(AppContext& context, int preset, QObject* owner,
                          std::function<void()> store) {
    const bool named =
        !MachinePresets(context.session(), context.controller()).Name(preset).empty();
    const auto keepThenStore = [&context, preset, store] {
        const Status kept = TuningSnapshots(SnapshotFolder())
                                .KeepStoredPreset(context.session(), preset, SnapshotReason::Store);
        if (kept.ok() || GoOnWithoutCopy(context, SnapshotReason::Store, kept)) {
            store();
        }
    };
    if (!named || !ReadStoredPresetThen(context, preset, owner, keepThenStore)) {
        store();
    }
}

}  // namespace corva::shell
