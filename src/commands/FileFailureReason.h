// Why a file the user chose could not be read, in words for a message box: missing, a folder,
// not permitted, or the system's own reason. The window shows it under the failure's text as
// the command line prints it beside the path.
#pragma once

#include <string>

#include "core/UiText.h"

namespace corva {

// Empty when the file opens for reading (then its content was at fault).
UiText ReadFailureReason(const std::string& path);

// A file that opens but whose content is not of the kind asked for.
UiText WrongContentReason();

// Why a file could not be loaded: the reason it does not open, else its content.
UiText UnreadableFileReason(const std::string& path);

}  // namespace corva
