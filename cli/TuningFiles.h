// Preset files by kind, and loading them into a session that no processor is attached to,
// for the commands that work on files alone (show, convert, response, table).
#pragma once

#include <string>

#include "core/Status.h"
#include "files/ModeFile.h"
#include "model/TuningSession.h"

namespace corva::cli {

enum class TuningFileKind {
    Single,    // .qvms: the live preset as JSON
    Complete,  // .qvma: the live preset and the 15 stored presets as JSON
    Music,     // .wkcs or .kpdm: one preset record, scrambled when protected
    Mode,      // .dat_d: one listening position
    Other,
};

// By the file's extension, exactly as the program writes it (lower case).
TuningFileKind TuningFileKindOf(const std::string& path);

// The command line's own name for the usage texts: ".qvms, .qvma, .wkcs, .kpdm or .dat_d".
UiText TuningFileKindError(const char* accepted);

struct TuningFileLoad {
    Status status = Status::Ok();
    TuningFileKind kind = TuningFileKind::Other;
    ModeFileContent mode;  // a mode file's position and delays
};

// Reads and checks the file and makes it the session's live tuning, as opening it in the
// program does (a mode file only fills `mode`). The session must not be connected.
TuningFileLoad LoadTuningFile(TuningSession& session, const std::string& path);

}  // namespace corva::cli
