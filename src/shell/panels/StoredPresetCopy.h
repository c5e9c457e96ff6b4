// Before the window stores over a named preset, that preset is read from the processor and
// kept among the safety copies, as the command line does. The read is waited for with a timer,
// so the window never blocks; the store follows once the copy is kept.
#pragma once

#include <functional>

class QObject;

namespace corva::shell {

class AppContext;

// Runs `store` at once when preset `preset` has no name or the processor's tuning is not on
// screen (the store then refuses itself). Otherwise reads the preset, keeps it, then runs
// `store`; nothing runs when the link ends meanwhile, when `owner` goes away, or when the
// copy fails and the user does not choose to go on.
// Reads stored preset `preset`'s outputs into the image and runs `arrived` once they are in,
// waiting with a timer. False (and nothing runs) when the read cannot start: disconnected, or
// the processor's tuning not yet on screen. Nothing runs either when the link ends meanwhile
// or `owner` goes away.
bool ReadStoredPresetThen(AppContext& context, int preset, QObject* owner,
                          std::function<void()> arrived);

void KeepStoredPresetThen(AppContext& context, int preset, QObject* owner,
                          std::function<void()> store);

}  // namespace corva::shell
