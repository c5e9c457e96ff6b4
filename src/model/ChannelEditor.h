// The edit rules every front end applies to the output channels: edits repeated on linked
// channels, bypass and reset of the equaliser, crossover order, linked gains and delays,
// pair linking and the block transfers they cause. The GUI pages and the command-line tool
// call these and nothing below them, so each rule lives here once.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/UiText.h"
#include "dsp/response/PlotGeometry.h"
#include "model/TuningSession.h"

namespace corva {

// Asks the user a yes/no question; true for yes.
using ConfirmQuestion = std::function<bool(const UiText& question)>;

enum class CrossoverFilter { HighPass, LowPass };

// Where a crossover slope is chosen: on the full page 6 dB/oct forces Linkwitz-Riley.
enum class CrossoverEditor { FullPage, EqPanel };

// Which channel of a pair is copied onto the other when the pair is linked.
enum class LinkDirection { LeftToRight, RightToLeft };

inline constexpr int kPairCount = 3;  // front (0, 1), rear (2, 3), sub (4, 5)

class ChannelEditor {
public:
    explicit ChannelEditor(TuningSession& session);

    // ---- Equaliser bands (repeated on every linked channel) ----
    void SetBandFrequency(int channel, int band, int frequencyHz);
    void SetBandGainPosition(int channel, int band, int gainCode);
    void SetBandBandwidthIndex(int channel, int band, int bandwidthIndex);
    // Toggles the band's bypass; returns whether every band of the channel is now bypassed.
    bool ToggleBandBypass(int channel, int band);
    // The bypass-all switch; returns the switch's position afterwards.
    bool SetBypassAll(int channel, bool on, const ConfirmQuestion& confirm);
    // Resets all bands of the channel and its linked channels; false when declined.
    bool ResetAllEq(int channel, const ConfirmQuestion& confirm);

    // ---- Dragging on the graph (then copied to linked channels) ----
    void DragBandPoint(int channel, int band, PlotPoint pointer, PlotSize plot);
    void DragBandwidth(int channel, int band, BandwidthHandle handle, int x, PlotSize plot);
    void DragCrossover(int channel, CrossoverFilter filter, int x, PlotSize plot);

    // ---- Crossovers (repeated on every linked channel) ----
    // Returns the frequency actually set: a high-pass never above the low-pass and a low-pass
    // never below the high-pass.
    int SetCrossoverFrequency(int channel, CrossoverFilter filter, int frequencyHz);
    void SetCrossoverKind(int channel, CrossoverFilter filter, int kind);
    void SetCrossoverSlope(int channel, CrossoverFilter filter, int slope, CrossoverEditor editor);

    // ---- Channel strip ----
    // Linked channels keep their offsets (limited to 0..600); muted channels are switched on.
    void SetGain(int channel, int gainCode);
    // Mute and polarity are shared only between channels 5 and 6 when they are linked.
    void SetOn(int channel, int on);
    void SetPolarity(int channel, int polarity);
    // The delay page: channels 5 and 6, when linked, move by the same difference.
    void CommitDelay(int channel, int delayCode);
    Status SetName(int channel, std::string_view recordText);

    // ---- Main volume (system field 5) ----
    // Code 0..66 = -60..+6 dB, limited; a new volume also unmutes the master output. Each
    // change is sent while connected.
    void SetMainVolume(int volumeCode);
    void SetMasterOn(bool on);

    // ---- Linking ----
    bool IsLinked(int channel) const;
    std::vector<int> LinkedChannels(int channel) const;
    bool IsPairLinked(int pair) const;
    // The pair link button: unlinks a linked pair at once; otherwise asks for the direction
    // (nothing when declined), copies one channel onto the other and links them.
    void TogglePairLink(int pair,
                        const std::function<std::optional<LinkDirection>()>& chooseDirection);
    void LinkPair(int pair, LinkDirection direction);
    void UnlinkAll();
    // Copies the linkable values and, when connected, sends the target's whole block.
    void CopyChannel(int source, int target);

    // Mutes channel k, sends its whole block and restores its on value (while connected).
    void SendChannelBlockMuted(int channel);

private:
    using Lock = std::lock_guard<std::mutex>;
    CKTV_Data& model() { return session_.model; }
    CKTV_OutData& out(int channel) { return session_.model.output(channel); }
    CFilter& Crossover(int channel, CrossoverFilter filter);
    std::vector<int> LinkedLocked(int channel) const;
    std::vector<int> GroupOf(int channel) const;  // the channel, then its linked channels
    void CopyBandToLinked(int channel, int band);
    void SendChannelBlockMutedLocked(int channel);
    void CopyChannelLocked(int source, int target);
    void QueueOutputBlock(int channel);
    // Clears byte 6 of the main volume record around a group of block writes.
    void HoldMainVolume();
    void ReleaseMainVolume(std::uint8_t previous);
    void QueueMainVolume();

    TuningSession& session_;
};

}  // namespace corva
