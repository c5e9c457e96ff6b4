#include "shell/StoredPresetCopy.h"

#include <QTimer>

#include "commands/MachinePresets.h"
#include "commands/StoredPresetTable.h"
#include "protocol/links/UserDataFolder.h"
#include "shell/AppContext.h"
#include "shell/SafetyCopy.h"

namespace corva::shell {
namespace {
constexpr int kLookEveryMs = 20;
}  // namespace

void KeepStoredPresetThen(AppContext& context, int preset, QObject* owner,
                          std::function<void()> store) {
    TuningSession& session = context.session();
    const bool named =
        !MachinePresets(session, context.controller()).Name(preset).empty();
    if (!named || !session.Snapshot().synchronised ||
        !ReadStoredPresetOutputs(session, preset)) {
        store();
        return;
    }
    auto* timer = new QTimer(owner);
    timer->setInterval(kLookEveryMs);
    QObject::connect(timer, &QTimer::timeout, timer, [&context, preset, timer, store] {
        if (!context.controller().online()) {
            timer->stop();
            timer->deleteLater();  // the link ended: nothing to copy or store; it said why
            return;
        }
        if (!context.session().NothingLeftToSend()) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        const Status kept = TuningSnapshots(SnapshotFolder())
                                .KeepStoredPreset(context.session(), preset, SnapshotReason::Store);
        if (kept.ok() || GoOnWithoutCopy(context, SnapshotReason::Store, kept)) {
            store();
        }
    });
    timer->start();
}

}  // namespace corva::shell
