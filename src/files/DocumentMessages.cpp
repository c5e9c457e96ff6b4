#include "files/DocumentMessages.h"

#include <string>

namespace corva {

UiText MusicFileStoreError() {
    return Tr("Files", "Save MusicFile Error!");
}

UiText MusicFileReadError() {
    return Tr("Files", "Read MusicFile  Error");
}

UiText MusicFileIncomplete() {
    return Tr("Files", "The music file is incomplete or damaged; nothing was loaded.");
}

UiText ModeFileStoreError() {
    return Tr("Files", "Save Mode File Error!");
}

UiText ModeFileReadError() {
    return Tr("Files", "Read Mode File  Error");
}

UiText ModeFileIncomplete() {
    return Tr("Files", "The mode file is incomplete or damaged; nothing was changed.");
}

Status TagStatus(TagMatch match, const UiText& otherKind, const UiText& incomplete) {
    switch (match) {
        case TagMatch::Same:
            break;
        case TagMatch::Different:
            return Status::Fail(otherKind);
        case TagMatch::EndsEarly:
            return Status::Fail(incomplete);
    }
    return Status::Ok();
}

UiText ModeFilePositionInvalid(int position) {
    const std::string number = std::to_string(position);
    return Tr("Files",
              "The mode file names listening position %1, but only positions 0 to 3 exist; "
              "nothing was changed.")
        .Arg(number);
}

}  // namespace corva
