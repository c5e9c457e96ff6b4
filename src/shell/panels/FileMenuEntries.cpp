#include "shell/panels/FileMenuEntries.h"

#include <QMenu>

#include "shell/app/Language.h"
#include "shell/app/TopBar.h"
#include "shell/panels/FileTexts.h"
#include "shell/panels/TuningFileActions.h"

namespace corva::shell {
namespace {

// One entry of a "More" submenu: its text and the file command it runs.
struct FileEntry {
    const UiText& text;
    bool (TuningFileActions::*command)(QWidget* dialogParent);
};

// Hangs a submenu of two file commands under the "More" menu's `command` entry.
void AttachSubmenu(TopBar& bar, Language& language, TuningFileActions& files, QWidget* dialogParent,
                   MoreCommand command, const char* objectName, const FileEntry& first,
                   const FileEntry& second) {
    auto* menu = new QMenu(&bar);
    menu->setObjectName(QLatin1String(objectName));
    for (const FileEntry* entry : {&first, &second}) {
        QAction* action = menu->addAction(QString());
        language.BindText(action, entry->text);
        QObject::connect(
            action, &QAction::triggered, &files,
            [&files, dialogParent, run = entry->command] { (files.*run)(dialogParent); });
    }
    QAction* entry = bar.moreAction(command);
    entry->setMenu(menu);
    entry->setEnabled(true);
}

}  // namespace

void AttachFileMenuEntries(TopBar& bar, Language& language, TuningFileActions& files,
                           QWidget* dialogParent, std::function<void()> openProgramDialog) {
    QAction* program = bar.moreAction(MoreCommand::ProgramDialog);
    program->setEnabled(true);
    QObject::connect(program, &QAction::triggered, &files,
                     [open = std::move(openProgramDialog)] { open(); });

    AttachSubmenu(bar, language, files, dialogParent, MoreCommand::MusicFiles, "musicFileMenu",
                  {text::kStoreMusicFile, &TuningFileActions::StoreMusicFile},
                  {text::kLoadMusicFile, &TuningFileActions::LoadMusicFile});
    AttachSubmenu(bar, language, files, dialogParent, MoreCommand::ModeFiles, "modeFileMenu",
                  {text::kSaveModeFile, &TuningFileActions::SaveModeFile},
                  {text::kOpenModeFile, &TuningFileActions::OpenModeFile});
}

}  // namespace corva::shell
