// The mode-file commands: save the current listening position to a mode file and open one.
//
// Opening while connected takes two steps, because the processor's listening-position table
// must be read before one row of it is replaced (otherwise the program would overwrite the
// processor's other three positions with whatever it happens to hold):
//   1. OpenModeFile reads and checks the file and queues a read of the processor's table,
//      marked to raise a BatchDone notice when its answer has been filed;
//   2. on that notice the front end calls CompleteModeFileOpen, which changes only row p and
//      bytes 48 and 49 of the table just received and queues the table's write.
// CompleteModeFileOpen answers AwaitingTable while the read is still queued (another transfer's
// BatchDone, or a resend request, came first), so calling it on every BatchDone, or polling it,
// is safe. If the connection ends before the answer, it changes the program's table only.
// While disconnected OpenModeFile changes the program's table at once and nothing is sent.
#pragma once

#include <string>
#include <string_view>

#include "commands/DocumentFileIo.h"
#include "core/Status.h"
#include "files/ModeFile.h"
#include "model/TuningSession.h"

namespace corva {

inline constexpr std::string_view kModeFileExtension = ".dat_d";

// Stores the current position and its row (".dat_d" appended unless the path contains it);
// "Save Mode File Error!" (and the writer's reason in writeError) when the file cannot be
// created or written, and then an existing file keeps its content.
DocumentStoreResult SaveModeFile(TuningSession& session, const std::string& chosenPath);

struct ModeFileOpenResult {
    Status status = Status::Ok();
    ModeFileContent content;     // what the file holds, for CompleteModeFileOpen
    bool awaitingTable = false;  // step 2 is still to come
};

// Reads and checks the file (a bad file changes nothing and fails with a message), then
// either queues the read of the processor's table (connected) or applies the file at once.
ModeFileOpenResult OpenModeFile(TuningSession& session, const std::string& path);

enum class ModeFileStep { Done, AwaitingTable };

// Row p takes the file's delays, bytes 48 and 49 become p, and (while connected) the table is
// queued for writing; AwaitingTable, with nothing changed, while the read is still queued.
ModeFileStep CompleteModeFileOpen(TuningSession& session, const ModeFileContent& content);

}  // namespace corva
