// The presets stored inside the processor: load one as the live tuning, store the live tuning
// under a name, clear a name; with the checks and messages of the preset strip and of the
// Program dialog. Names are in the record's code page.
//
// Each action checks the connection (and, where the strip or the dialog asks for it, the
// synchronised flag) under the same hold of the send lock in which it changes the image and
// queues its frames: an action that is refused leaves image, model and queue as they were.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/TuningSession.h"
#include "transfer/ConnectionController.h"
#include "transfer/ConnectionMessages.h"

namespace corva {

inline constexpr std::size_t kPresetNameLimit = 13;  // what a name field accepts

// The rules a preset action follows. With notice (the preset strip): only while synchronised,
// saying "Not connected to device!" otherwise, in words about machine presets and scenes.
// Quietly (the Program dialog): saving needs only a connection, refusals for want of one stay
// silent, and the words speak of named data.
enum class PresetRules { SynchronisedWithNotice, ConnectedQuietly };

class MachinePresets {
public:
    // The connection queues the frames and knows the link in use (for its failure message).
    MachinePresets(TuningSession& session, ConnectionController& connection);

    // Each returns a message to show, or nothing when the action was taken (or, where the
    // Program dialog stays silent, refused).
    // Load: only while synchronised; "Not connected to device!" on the strip otherwise.
    std::optional<UserMessage> Load(int preset,
                                    PresetRules rules = PresetRules::SynchronisedWithNotice);
    // Save as: on the strip only while synchronised; from the Program dialog while connected
    // (the connection-failure message of the link in use otherwise). The name checks come
    // first there.
    std::optional<UserMessage> SaveAs(int preset, std::string_view name,
                                      PresetRules rules = PresetRules::SynchronisedWithNotice);
    // What SaveAs would refuse (connection, empty, blank or taken name), without doing
    // anything: checked before a named preset is read for its safety copy.
    std::optional<UserMessage> SaveAsRefusal(
        int preset, std::string_view name, PresetRules rules = PresetRules::SynchronisedWithNotice);
    // `confirm` is asked the delete question first; nothing happens on no. Only while
    // synchronised (the strip says so, the dialog stays silent).
    std::optional<UserMessage> Delete(int preset, const std::function<bool(const UiText&)>& confirm,
                                      PresetRules rules = PresetRules::SynchronisedWithNotice);

    // "Not connected to device!" while the strip may not act (not synchronised): the strip
    // asks before it opens a dialog of its own.
    std::optional<UserMessage> StripRefusal() const;

    // The stored name of preset p, trimmed (empty when unnamed).
    std::string Name(int preset) const;

    // The label under a preset button: its name, or "Preset" and its number.
    static UiText StripLabel(int preset, const std::string& name);
    static UiText DeleteQuestion(int preset, PresetRules rules);

    // Name fields with the double-byte switch on: a double-byte character whose lead byte
    // would sit at an odd offset gets a blank before it. The result keeps at most `limit`
    // bytes and never splits a character.
    static std::string AlignDoubleByteNames(std::string_view text,
                                            std::size_t limit = kPresetNameLimit);
    // With the switch off, double-byte characters are refused.
    static bool HasDoubleByteCharacters(std::string_view text);

private:
    // SaveAs, or only its checks when `commit` is false.
    std::optional<UserMessage> SaveAsChecked(int preset, std::string_view name, PresetRules rules,
                                             bool commit);
    // Caller holds the send lock.
    bool SynchronisedLocked() const;
    bool Synchronised() const;
    // Another stored preset carries the name: its first 13 bytes are the same, or read the
    // same once blank and zero padding are set aside. Caller holds the send lock.
    bool NameTakenLocked(int preset, std::string_view candidate) const;

    SessionState& session_;
    ConnectionController& connection_;
};

}  // namespace corva
