#include "commands/PresetFileMessages.h"

namespace corva {
namespace {

UserMessage Box(UiText text) {
    return {std::move(text), MessageStyle::Plain, {}};
}

}  // namespace

UserMessage SaveSingleFailedMessage() {
    return Box(Tr("Commands", "Save MusicFile Error!"));
}

UserMessage SaveNamedSucceededMessage() {
    return Box(Tr("Commands", "Save music file successfully!"));
}

UserMessage SaveNamedFailedMessage() {
    return Box(Tr("Commands", "Save MusicFile Error!", "named preset file"));
}

UserMessage EnterNameMessage() {
    return {Tr("Commands", "Please enter a name for the scene!"), MessageStyle::Timed, {}};
}

UiText EnterNameCaption() {
    return Tr("Commands", "prompt");
}

UserMessage BlankNameMessage() {
    return Box(Tr("Commands", "The machine sound name can not be all spaces!"));
}

UserMessage SaveAllFailedMessage() {
    return Box(Tr("Commands", "save all MusicFile Error!"));
}

UserMessage ReadSingleFailedMessage() {
    return Box(Tr("Commands", "Read MusicFile  Error"));
}

UserMessage ReadCompleteFailedMessage() {
    return Box(Tr("Commands", "Read all MusicFile Error"));
}

namespace {
// Said after every offline open: what the program holds now and what happens to it.
const UiText kOfflineTail =
    Tr("Commands",
       " The processor was not changed: none is connected. Save the tuning to a file to keep it; "
       "connecting a processor replaces it with the processor's own tuning.");
}  // namespace

UserMessage SingleLoadedOfflineMessage() {
    return Box(Tr("Commands", "The preset file was loaded into the program.%1").Arg(kOfflineTail));
}

UserMessage CompleteLoadedOfflineMessage() {
    return Box(Tr("Commands",
                  "The complete file (live tuning and all 15 presets) was loaded into the "
                  "program.%1")
                   .Arg(kOfflineTail));
}

UserMessage CapitalExtensionMessage(const std::string& name) {
    return Box(Tr("Commands",
                  "%1 was not opened: its extension is in capitals. Rename it to end in .qvms "
                  "or .qvma (small letters) and open it again.")
                   .Arg(name));
}

}  // namespace corva
