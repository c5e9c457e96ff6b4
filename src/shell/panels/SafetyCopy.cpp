#include "shell/panels/SafetyCopy.h"

#include "platform/settings/UserDataFolder.h"
#include "shell/app/AppContext.h"

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
    const UiText why = failed.message();
    const UiText question{"The safety copy of the tuning (" +
                              SnapshotReasonText(reason).english +
                              ") could not be written: " + why.english +
                              "\nGo on without it? The tuning in the processor cannot be "
                              "brought back then.",
                          "无法写入音效的安全副本（" + SnapshotReasonText(reason).chinese +
                              "）：" + why.chinese + "\n不保存副本继续吗？之后将无法恢复处理器中的音效。"};
    return context.messages().AskYesNo(language.Pick(question),
                                       language.Pick({"Corva DSP", "Corva DSP"}));
}

}  // namespace corva::shell
