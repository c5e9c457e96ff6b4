// The texts the preset file commands give the front end to show.
#pragma once

#include <string>

#include "core/UiText.h"
#include "transfer/ConnectionMessages.h"

namespace corva {

// Saving the live preset through the file dialog failed.
UserMessage SaveSingleFailedMessage();
// Saving the live preset under a typed name: success and failure.
UserMessage SaveNamedSucceededMessage();
UserMessage SaveNamedFailedMessage();
// The typed name is empty (a timed message with its own caption) or only blanks.
UserMessage EnterNameMessage();
UiText EnterNameCaption();
UserMessage BlankNameMessage();
// Writing the complete file after a store-all failed.
UserMessage SaveAllFailedMessage();
// Loading a single or a complete file failed.
UserMessage ReadSingleFailedMessage();
UserMessage ReadCompleteFailedMessage();
// A file opened while no processor is attached: loaded into the program only.
UserMessage SingleLoadedOfflineMessage();
UserMessage CompleteLoadedOfflineMessage();
// A preset file whose extension is in capitals (as FAT sticks often show names): not opened.
UserMessage CapitalExtensionMessage(const std::string& name);

}  // namespace corva
