// Music and mode files in and out of a session, in both directions. Loading reads and checks
// the whole file first and changes nothing unless it is good. The caller holds the session's
// send lock.
#pragma once

#include "core/Status.h"
#include "files/DocumentArchive.h"
#include "files/ModeFile.h"
#include "files/MusicFile.h"
#include "model/TuningSession.h"

namespace corva {

// Storing: the model writes all its values into the live record, the record takes its preset
// flag, marker and (when protected) password, and the file gets the record, scrambled when
// protected. The live record itself stays plain.
void SerializeMusicFile(ArchiveWriter& archive, TuningSession& session);

// The first half of storing, on any image: the live record as storing leaves it (the model's
// values, the preset flag, the marker and the password). Lets a store work on a copy first.
void MarkLiveRecordForStore(ParameterImage& image, const TuningModel& model,
                            const ProtectionState& protection);

// Loading: the live record takes the file's record (unscrambled), the protected flag follows
// the file and the model is rebuilt from the record. The password is the file-protection
// step's (ApplyMusicFileProtection); links and sending are the command's.
Status SerializeMusicFile(ArchiveReader& archive, TuningSession& session);

// Storing: the current position and its row.
void SerializeModeFile(ArchiveWriter& archive, ConstListeningTable table);

// Loading: row p takes the file's delays and byte 49 the position p; making p current and
// sending the table are the command's. The content read comes back with the status.
ModeFileRead SerializeModeFile(ArchiveReader& archive, ListeningTable table);

// After a music file has been loaded: a protected record's password becomes the session's,
// so frames built from now on carry the file's marker and password. Returns whether editing
// stays enabled (false while protected).
bool ApplyMusicFileProtection(TuningSession& session);

}  // namespace corva
