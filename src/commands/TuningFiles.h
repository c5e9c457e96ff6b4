// Preset files by kind, and working on them in a session that no processor is attached to:
// showing, converting and reporting a file without a processor.
#pragma once

#include <string>

#include "core/Status.h"
#include "files/JsonHeaderRecord.h"
#include "files/ModeFile.h"
#include "model/TuningSession.h"

namespace corva {

enum class TuningFileKind {
    Single,    // .qvms: the live preset as JSON
    Complete,  // .qvma: the live preset and the 15 stored presets as JSON
    Music,     // .wkcs or .kpdm: one preset record, scrambled when protected
    Mode,      // .dat_d: one listening position
    Other,
};

// The other extension the music-file dialog lists beside ".wkcs".
inline constexpr std::string_view kOtherMusicFileExtension = ".kpdm";

// By the file's extension, exactly as the program writes it (lower case).
TuningFileKind TuningFileKindOf(std::string_view path);

struct TuningFileLoad {
    Status status = Status::Ok();
    TuningFileKind kind = TuningFileKind::Other;
    ModeFileContent mode;  // a mode file's position and delays
    // The header texts of a JSON preset file (company, client, data information); the
    // defaults for other kinds.
    JsonHeaderRecord header;
    int valuesLimited = 0;  // values of the file outside their limits, limited on loading
};

// Reads and checks the file and makes it the session's live tuning, as opening it in the
// program does (a mode file only fills `mode`). The session must not be connected.
TuningFileLoad LoadTuningFile(TuningSession& session, const std::string& path);

// The live tuning as a single preset file at exactly this path. Refused while the tuning is
// protected: the file would carry it in the clear.
Status WriteLiveAsSingleFile(TuningSession& session, const std::string& path);

// The live tuning as a music file at exactly this path (protected tuning stays protected);
// a failed write says which file and why.
Status WriteLiveAsMusicFile(TuningSession& session, const std::string& path);

enum class ExtractStage { Done, Reading, Writing };
struct ExtractResult {
    Status status = Status::Ok();
    ExtractStage failedAt = ExtractStage::Done;  // which file the failure is about
};

// Stored preset `preset` (1..15) of a complete file as a single preset file at exactly
// `singlePath`: that group's name, music input and outputs, with the complete file's
// listening-position table and header texts. The complete file is not changed.
ExtractResult ExtractStoredPreset(const std::string& completePath, int preset,
                                  const std::string& singlePath);

// The refusal of preset files written from protected tuning.
UiText ProtectedTuningRefusal();

}  // namespace corva
