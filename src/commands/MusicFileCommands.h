// The music-file commands: store the live tuning in a music file and load one back into the
// live record, then send it and apply its protection. The front end chooses the path and
// shows the messages; these show nothing.
#pragma once

#include <string>
#include <string_view>

#include "commands/DocumentFileIo.h"
#include "core/Status.h"
#include "model/TuningSession.h"
#include "transfer/BulkTransfers.h"

namespace corva {

inline constexpr std::string_view kMusicFileExtension = ".wkcs";

// Stores under the chosen path (".wkcs" appended unless the path contains it). The model
// writes its values into the live record; when the tuning is protected the live record also
// takes the marker and the password. Fails with "Save MusicFile Error!" (and the writer's
// reason in writeError) when the file cannot be created or written; then the live record is
// untouched and an existing file keeps its content.
DocumentStoreResult StoreMusicFile(TuningSession& session, const std::string& chosenPath);

struct MusicFileLoadResult {
    Status status = Status::Ok();
    // The record went to the processor (a bulk transfer with progress). False while
    // disconnected: the front end shows its connection-failure message instead.
    bool sent = false;
    // The full page's editing switch after the load: off for a protected file.
    bool editingEnabled = true;
    int valuesLimited = 0;  // values of the file outside their limits, limited before sending
};

// Loads a music file (".wkcs" or ".kpdm", the tag decides) into the live record. In order:
// the whole file is read and checked (a bad file changes nothing and fails with a message);
// the record, the protected flag and the model follow the file; every link group is reset;
// a protected file's password becomes the session's; then the live name and the six live
// output blocks are sent as they stand, so a protected file's frames carry its own marker and
// password.
MusicFileLoadResult LoadMusicFile(TuningSession& session, BulkTransfers& bulk,
                                  const std::string& path);

}  // namespace corva
