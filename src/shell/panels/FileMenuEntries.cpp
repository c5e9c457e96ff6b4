#include "shell/panels/FileMenuEntries.h"

#include <QMenu>

#include "shell/app/Language.h"
#include "shell/app/TopBar.h"
#include "shell/panels/FileTexts.h"
#include "shell/panels/TuningFileActions.h"

namespace corva::shell {
namespace {

QMenu* Submenu(QWidget* parent, const char* objectName) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(objectName));
    return menu;
}

}  // namespace

void AttachFileMenuEntries(TopBar& bar, Language& language, TuningFileActions& files,
                           QWidget* dialogParent, std::function<void()> openProgramDialog) {
    QAction* program = bar.moreAction(MoreCommand::ProgramDialog);
    program->setEnabled(true);
    QObject::connect(program, &QAction::triggered, &files,
                     [open = std::move(openProgramDialog)] { open(); });

    QMenu* music = Submenu(&bar, "musicFileMenu");
    QAction* storeMusic = music->addAction(QString());
    QAction* loadMusic = music->addAction(QString());
    language.BindText(storeMusic, text::kStoreMusicFile);
    language.BindText(loadMusic, text::kLoadMusicFile);
    QObject::connect(storeMusic, &QAction::triggered, &files,
                     [&files, dialogParent] { files.StoreMusicFile(dialogParent); });
    QObject::connect(loadMusic, &QAction::triggered, &files,
                     [&files, dialogParent] { files.LoadMusicFile(dialogParent); });
    QAction* musicEntry = bar.moreAction(MoreCommand::MusicFiles);
    musicEntry->setMenu(music);
    musicEntry->setEnabled(true);

    QMenu* mode = Submenu(&bar, "modeFileMenu");
    QAction* saveMode = mode->addAction(QString());
    QAction* openMode = mode->addAction(QString());
    language.BindText(saveMode, text::kSaveModeFile);
    language.BindText(openMode, text::kOpenModeFile);
    QObject::connect(saveMode, &QAction::triggered, &files,
                     [&files, dialogParent] { files.SaveModeFile(dialogParent); });
    QObject::connect(openMode, &QAction::triggered, &files,
                     [&files, dialogParent] { files.OpenModeFile(dialogParent); });
    QAction* modeEntry = bar.moreAction(MoreCommand::ModeFiles);
    modeEntry->setMenu(mode);
    modeEntry->setEnabled(true);
}

}  // namespace corva::shell
