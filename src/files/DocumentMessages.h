// The messages of the music-file and mode-file commands, in both languages.
#pragma once

#include "core/UiText.h"

namespace corva {

// A music file could not be created or written.
UiText MusicFileStoreError();
// A music file could not be opened, or carries another tag.
UiText MusicFileReadError();
// A music file ends before its tuning is complete.
UiText MusicFileIncomplete();

UiText ModeFileStoreError();
UiText ModeFileReadError();
UiText ModeFileIncomplete();
// A mode file names a listening position the table does not have.
UiText ModeFilePositionInvalid(int position);

}  // namespace corva
