#include "commands/MachinePresets.h"

#include <algorithm>
#include <string>

#include "protocol/FrameBuilder.h"
#include "protocol/TextField.h"

namespace corva {
namespace {

UserMessage Plain(UiText text) {
    return {std::move(text), MessageStyle::Plain, {}};
}

UserMessage NotConnected() {
    return Plain(Tr("Commands", "Not connected to device!"));
}

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte != 0xFF;
}

// The first 13 bytes of a name as the user sees it: names the processor stores are padded
// with blanks, names the program stores with zeros, and both pads read the same.
std::string_view ComparedPart(std::string_view name) {
    name = name.substr(0, std::min(name.size(), kPresetNameLimit));
    name = name.substr(0, std::min(name.size(), name.find('\0')));
    const auto last = name.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : name.substr(0, last + 1);
}

bool AllBlanks(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

}  // namespace

MachinePresets::MachinePresets(TuningSession& session, ConnectionController& connection)
    : session_{session.engine()}, connection_{connection} {}

bool MachinePresets::SynchronisedLocked() const {
    // A recall or a full read clears the flag; the end of a connection clears both.
    return session_.connected && session_.model.synchronised();
}

bool MachinePresets::Synchronised() const {
    std::lock_guard lock(session_.sendLock);
    return SynchronisedLocked();
}

bool MachinePresets::NameTakenLocked(int preset, std::string_view candidate) const {
    // Byte for byte first; then as the names read, whatever pads them.
    if (session_.image.IsPresetNameTaken(preset - 1, candidate, kPresetNameLimit)) {
        return true;
    }
    const std::string_view wanted = ComparedPart(candidate);
    for (int other = 1; other <= kPresetCount; ++other) {
        if (other == preset) {
            continue;
        }
        const auto stored = session_.image.Record(other).first(kNameFieldSize);
        const std::string_view storedText(reinterpret_cast<const char*>(stored.data()),
                                          stored.size());
        if (ComparedPart(storedText) == wanted) {
            return true;
        }
    }
    return false;
}

std::optional<UserMessage> MachinePresets::StripRefusal() const {
    return Synchronised() ? std::nullopt : std::optional{NotConnected()};
}

std::string MachinePresets::Name(int preset) const {
    std::lock_guard lock(session_.sendLock);
    return TextFromField(session_.image.Record(preset).first(kNameFieldSize));
}

std::optional<UserMessage> MachinePresets::Load(int preset, PresetRules rules) {
    if (preset < 1 || preset > kPresetCount) {
        return std::nullopt;
    }
    BulkTransfers::SendLockHold lock(session_.sendLock);
    if (!SynchronisedLocked()) {
        // The Program dialog's Recall silently does nothing.
        return rules == PresetRules::SynchronisedWithNotice ? std::optional{NotConnected()}
                                                            : std::nullopt;
    }
    // One step, though the recalled tuning arrives later: undo goes back to the tuning before.
    session_.history.Begin(session_.model, session_.image);
    const auto stored = session_.image.Record(preset).first(kNameFieldSize);
    std::copy(stored.begin(), stored.end(), session_.image.Live().begin());
    session_.history.End(session_.model, session_.image,
                         Tr("Commands", "Recall preset %1").Arg(std::to_string(preset)));
    connection_.bulk().RecallPreset(preset, lock);
    return std::nullopt;
}

std::optional<UserMessage> MachinePresets::SaveAs(int preset, std::string_view name,
                                                  PresetRules rules) {
    return SaveAsChecked(preset, name, rules, /*commit=*/true);
}

std::optional<UserMessage> MachinePresets::SaveAsRefusal(int preset, std::string_view name,
                                                         PresetRules rules) {
    return SaveAsChecked(preset, name, rules, /*commit=*/false);
}

std::optional<UserMessage> MachinePresets::SaveAsChecked(int preset, std::string_view name,
                                                         PresetRules rules, bool commit) {
    if (preset < 1 || preset > kPresetCount) {
        return std::nullopt;
    }
    const bool withNotice = rules == PresetRules::SynchronisedWithNotice;
    if (withNotice && !Synchronised()) {
        return NotConnected();
    }
    if (name.empty()) {
        return withNotice ? UserMessage{Tr("Commands", "Please enter a name for the scene!"),
                                        MessageStyle::Timed,
                                        {}}
                          : Plain(Tr("Commands", "The name can not be empty!"));
    }
    if (AllBlanks(name)) {
        return withNotice ? Plain(Tr("Commands", "The machine preset name can not be all spaces!"))
                          : Plain(Tr("Commands", "The name can not be all spaces!"));
    }
    EventsOnExit events(session_.events);
    BulkTransfers::SendLockHold lock(session_.sendLock);
    std::array<std::uint8_t, kNameFieldSize> candidate{};
    if (Status fits =
            TextToField(candidate, name.substr(0, kPresetNameLimit), FieldForm::Terminated);
        !fits.ok()) {
        return Plain(fits.message());
    }
    const std::string_view candidateText(reinterpret_cast<const char*>(candidate.data()),
                                         candidate.size());
    if (NameTakenLocked(preset, candidateText)) {
        return withNotice ? Plain(Tr("Commands", "Have been the same machine preset name!"))
                          : Plain(Tr("Commands", "Have been the same name!"));
    }
    // Checked again under this hold: the link may have gone while the name was checked.
    if (withNotice && !SynchronisedLocked()) {
        return NotConnected();
    }
    if (!session_.connected) {
        return ConnectionFailureMessage(connection_.linkKind());
    }
    if (!commit) {
        return std::nullopt;
    }
    auto stored = session_.image.Record(preset).first(kNameFieldSize);
    std::copy(candidate.begin(), candidate.end(), stored.begin());
    std::copy(candidate.begin(), candidate.end(), session_.image.Live().begin());
    events.Add({SessionChange::Presets});
    connection_.bulk().SendPreset(preset, PresetSource::Model, lock);
    return std::nullopt;
}

std::optional<UserMessage> MachinePresets::Delete(int preset,
                                                  const std::function<bool(const UiText&)>& confirm,
                                                  PresetRules rules) {
    if (preset < 1 || preset > kPresetCount) {
        return std::nullopt;
    }
    const bool withNotice = rules == PresetRules::SynchronisedWithNotice;
    if (withNotice && !Synchronised()) {
        return NotConnected();
    }
    if (!confirm(DeleteQuestion(preset, rules))) {
        return std::nullopt;
    }
    EventsOnExit events(session_.events);
    std::lock_guard lock(session_.sendLock);
    // The link may have gone while the question was open.
    if (!SynchronisedLocked()) {
        return withNotice ? std::optional{NotConnected()} : std::nullopt;
    }
    auto stored = session_.image.Record(preset).first(kNameFieldSize);
    std::fill(stored.begin(), stored.end(), 0);
    events.Add({SessionChange::Presets});
    session_.queue.push(FrameBuilder(session_.image, session_.protection)
                            .BuildSystemFrame(system_id::kPresetName, preset));
    return std::nullopt;
}

UiText MachinePresets::StripLabel(int preset, const std::string& name) {
    if (!name.empty()) {
        return UiText::Literal(name);
    }
    return Tr("Commands", "Preset%1").Arg(std::to_string(preset));
}

UiText MachinePresets::DeleteQuestion(int preset, PresetRules rules) {
    if (rules == PresetRules::ConnectedQuietly) {
        return Tr("Commands", "Are you delete this Data?");
    }
    return Tr("Commands", "Are you delete No.%1 preset?").Arg(std::to_string(preset));
}

std::string MachinePresets::AlignDoubleByteNames(std::string_view text, std::size_t limit) {
    std::string aligned;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte) && i + 1 < text.size()) {
            const std::size_t blank = aligned.size() % 2 == 1 ? 1 : 0;
            if (aligned.size() + blank + 2 > limit) {
                break;
            }
            aligned.append(blank, ' ');
            aligned.push_back(text[i]);
            aligned.push_back(text[++i]);
        } else {
            if (aligned.size() + 1 > limit) {
                break;
            }
            aligned.push_back(text[i]);
        }
    }
    return aligned;
}

bool MachinePresets::HasDoubleByteCharacters(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return IsLeadByte(static_cast<unsigned char>(c)); });
}

}  // namespace corva
