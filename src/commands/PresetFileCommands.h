// The commands of the JSON preset files as the save panel, the open panel and the Program
// dialog use them: saving the live preset, storing all presets of the processor into a
// complete file, opening single and complete files, and recalling all presets from a file.
// File dialogs belong to the front end; these take the chosen paths and return what to show.
#pragma once

#include <optional>
#include <string>

#include "files/JsonHeaderRecord.h"
#include "model/TuningSession.h"
#include "transfer/ConnectionController.h"

namespace corva {

struct PresetFileOutcome {
    // The command did its work: a panel closes, the Program dialog reports success. A result
    // that is not ok and has no message means nothing was done (another kind of file).
    bool ok = false;
    std::optional<UserMessage> message;
    UiText caption;         // of the message; empty means the window title
    std::string path;       // the file written, read or to be written after a store-all
    int progressRange = 0;  // numbered frames queued: the progress window's range
    int valuesLimited = 0;  // values of the file outside their limits, limited before sending
    bool offline = false;   // loaded into the program with no processor attached: nothing sent
};

// What the save panel's save button writes.
enum class SaveMode {
    Current,  // the live preset, as a single file
    All,      // every preset of the processor, as a complete file once they have arrived
};

class PresetFileCommands {
public:
    PresetFileCommands(TuningSession& session, ConnectionController& connection);

    // Save panel, browse button in mode current: the model writes its values into the live
    // record and the single file is written under the dialog's path (".qvms" appended when
    // the path does not contain it). Only a failure has a message.
    PresetFileOutcome SaveCurrentAs(const std::string& chosenPath);

    // Save panel, save button: the typed name (extension appended when missing) in the data
    // folder. Current writes the single file and always reports; All reads the name, the
    // music input and the six outputs of every stored preset (105 blocks) and writes the
    // complete file when they have arrived (WritePendingCompleteFile).
    PresetFileOutcome SaveUnderName(const std::string& dataFolder, const std::string& name,
                                    SaveMode mode);
    // The file SaveUnderName writes for a typed name, so the front end can ask before
    // replacing it.
    static std::string NamedFilePath(const std::string& dataFolder, const std::string& name,
                                     SaveMode mode);

    // The connection-failure message when no processor is attached: the front end asks before
    // it shows the dialog of a store-all.
    std::optional<UserMessage> RequireConnection() const;
    // Preset files carry no protection: while the tuning is protected every save and
    // store-all is refused with this message (the front end asks before its dialogs too).
    std::optional<UserMessage> ProtectionRefusal() const;

    // Store all presets (browse button in mode all, the Program dialog): reads the six outputs
    // of every stored preset (90 blocks); the complete file is written when they have arrived,
    // with the stored presets' music inputs as the program holds them.
    PresetFileOutcome StoreAllPresets(const std::string& chosenPath);

    // On the presets-received notice: writes the pending complete file with the main header
    // record, once, and clears bulk busy. Not ok without a message when nothing was pending.
    PresetFileOutcome WritePendingCompleteFile();
    const std::optional<std::string>& pendingCompleteFile() const { return pending_; }

    // Open panel: a path ending exactly in ".qvms" or ".qvma" is loaded as that kind; any
    // other path does nothing.
    PresetFileOutcome OpenPresetFile(const std::string& path);
    // Loads a single file and sends it as the live preset. While disconnected it is loaded
    // into the program only (offline, with a message saying the processor was not changed).
    PresetFileOutcome OpenSingleFile(const std::string& path);
    // Reads and checks a preset file of either kind without loading it: a failed outcome with
    // its message when it cannot be opened, nothing when it can.
    std::optional<PresetFileOutcome> CheckPresetFile(const std::string& path) const;
    // Loads a complete file and sends everything when connected (offline as a single file).
    PresetFileOutcome OpenCompleteFile(const std::string& path);

    // The Program dialog's recall: as OpenCompleteFile, with the main header record taking the
    // file's header values. The front end then sets editing from the protection state.
    PresetFileOutcome RecallAllPresets(const std::string& path);

    // The header record of the main view, used for complete files written after a store-all.
    JsonHeaderRecord& mainHeader() { return mainHeader_; }

private:
    enum class StoreReads { OutputsOnly, WithMusicInput };
    PresetFileOutcome QueueStoreAll(std::string path, StoreReads reads);
    Status WriteSingleFile(const std::string& path);
    PresetFileOutcome LoadCompleteFile(const std::string& path, JsonHeaderRecord& header);
    UserMessage ConnectionFailure() const;

    SessionState& session_;
    ConnectionController& connection_;
    JsonHeaderRecord mainHeader_;
    std::optional<std::string> pending_;
};

}  // namespace corva
