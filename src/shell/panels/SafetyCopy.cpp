#include "shell/panels/SafetyCopy.h"

#include "platform/settings/UserDataFolder.h"
#include "shell/app/AppContext.h"
#include "shell/app/ShellTexts.h"

namespace corva::shell {

bool KeepSafetyCopy(AppContext& context, SnapshotReason reason) {
    if (!context.session().Snapshot().synchronised) {
        return true;  // no processor's tuning on screen: nothing to lose, and the command refuses
    }
    TuningSnapshots snapshots(SnapshotFolder());
    const Status kept = snapshots.KeepLive(context.session(), reason);
    return kept.ok() || GoOnWithoutCopy(context, reason, kept);
}

bool GoOnWithoutCopy(AppContext& context, SnapshotReason reason, const Status& failed) {
    const Language& language = context.language();
    const UiText question =
        Tr("Window",
           "The safety copy of the tuning (%1) could not be written: %2\nGo on "
           "without it? The tuning in the processor cannot be brought back then.")
            .Arg(SnapshotReasonText(reason))
            .Arg(failed.message());
    return context.messages().AskYesNo(language.Pick(question), language.Pick(text::kWindowTitle));
}

}  // namespace corva::shell
