// The messages of the music-file and mode-file commands, in both languages.
#pragma once

#include "core/Status.h"
#include "core/UiText.h"
#include "files/DocumentArchive.h"

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
// What a file's tag tells: Ok when it is the file's own, otherwise `otherKind` (another kind of
// file) or `incomplete` (the file ends inside its tag).
Status TagStatus(TagMatch match, const UiText& otherKind, const UiText& incomplete);

// A mode file names a listening position the table does not have.
UiText ModeFilePositionInvalid(int position);

}  // namespace corva
