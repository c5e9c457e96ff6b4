// Gives the "More" menu its file entries: the Program dialog, and the music-file and
// mode-file commands as two small submenus.
#pragma once

#include <functional>

class QWidget;

namespace corva::shell {

class Language;
class TopBar;
class TuningFileActions;

void AttachFileMenuEntries(TopBar& bar, Language& language, TuningFileActions& files,
                           QWidget* dialogParent, std::function<void()> openProgramDialog);

}  // namespace corva::shell
