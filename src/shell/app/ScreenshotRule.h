// When the --screenshot run may draw the window: after start-up, with no transfer on screen,
// and, whenever a processor was connected, only once its tuning has been read in full.
#pragma once

namespace corva::shell {

enum class ScreenshotWait {
    StartUp,       // whatever start-up found
    Synchronised,  // a processor must have been read (the demonstration, --tcp, --serial)
};

// What the window shows at one check.
struct ScreenshotScene {
    bool startupDone = false;
    bool startupConnected = false;  // the start-up connection opened a link
    bool online = false;
    bool synchronised = false;
    bool transferShown = false;  // the progress window of a bulk transfer is up
};

// A processor connected at start-up (or attached since) is waited for over any link; when
// its link drops before the read ends, the run's time limit reports it rather than drawing
// a window with nothing read.
constexpr bool ScreenshotReady(ScreenshotWait wait, const ScreenshotScene& scene) {
    if (!scene.startupDone || scene.transferShown) {
        return false;
    }
    if (wait == ScreenshotWait::Synchronised || scene.startupConnected || scene.online) {
        return scene.synchronised;
    }
    return true;
}

}  // namespace corva::shell
