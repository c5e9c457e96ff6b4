#include "shell/panels/ReplaceQuestion.h"

#include <QDir>
#include <QFileInfo>

#include "shell/app/AppContext.h"
#include "shell/app/ShellTexts.h"

namespace corva::shell {
namespace {

const UiText kReplaceQuestion = Tr("Window", "%1 already exists.\nReplace it?");
const UiText kWritten = Tr("Window", "Saved %1");

}  // namespace

bool MayReplace(AppContext& context, const QString& path) {
    if (!QFileInfo::exists(path)) {
        return true;
    }
    const Language& language = context.language();
    return context.messages().AskYesNo(
        language.Pick(kReplaceQuestion).arg(QDir::toNativeSeparators(path)),
        language.Pick(text::kWindowTitle));
}

bool MayReplaceCompleted(AppContext& context, const QString& chosen, const QString& written) {
    return QDir::cleanPath(written) == QDir::cleanPath(chosen) || MayReplace(context, written);
}

void ShowWritten(AppContext& context, const QString& path) {
    const Language& language = context.language();
    context.messages().ShowBox(BoxKind::Information,
                               language.Pick(kWritten).arg(QDir::toNativeSeparators(path)),
                               language.Pick(text::kWindowTitle));
}

}  // namespace corva::shell
