// The edit API: every edit a front end offers, with the rules the pages apply (limits,
// frequency steps, crossover order, edits repeated on linked channels, the sub pair, pair
// linking and the block transfers they cause). The GUI pages and the command-line tool call
// these and nothing below them, so each rule lives here once. Edits in engineering units
// return the value as applied, so a front end shows exactly that; every edit raises an
// `Outputs` (or `MainVolume`) event once the lock is released.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/UiText.h"
#include "dsp/response/PlotGeometry.h"
#include "dsp/values/DelayCodes.h"
#include "model/EditChoices.h"
#include "model/EqualizerSettings.h"
#include "model/TuningSession.h"

namespace corva {

// Asks the user a yes/no question; true for yes.
using ConfirmQuestion = std::function<bool(const UiText& question)>;

enum class CrossoverFilter { HighPass, LowPass };

// What choosing 6 dB/oct does to a crossover's kind: the full page's slope list makes such a
// crossover Linkwitz-Riley, the EQ panel's list leaves the kind as it is.
enum class SixDbSlopeRule { ForcesLinkwitzRiley, KeepsKind };

// Which channel of a pair is copied onto the other when the pair is linked.
enum class LinkDirection { LeftToRight, RightToLeft };

inline constexpr int kPairCount = 3;  // front (0, 1), rear (2, 3), sub (4, 5)

class ChannelEditor {
public:
    explicit ChannelEditor(TuningSession& session);

    // ---- Gestures ----
    // A drag, a held key or a held button: every edit between the two is one undo step. A
    // control opens the gesture on its press and closes it on its release. An editor holds at
    // most one open gesture, so a second press or a release without a press changes nothing;
    // the close raises a `History` event (the undo controls name the new step).
    void BeginGesture();
    void EndGesture();
    bool gestureOpen() const { return gestureOpen_; }

    // ---- Equaliser bands (repeated on every linked channel) ----
    // Limited to 20..20000 Hz; returns the band's frequency as set.
    int SetBandFrequency(int channel, int band, double frequencyHz);
    // Limited to -20..+20 dB in 0.1 dB steps; returns the band's gain as set.
    double SetBandGainDb(int channel, int band, double gainDb);
    void SetBandGainPosition(int channel, int band, int gainCode);  // code 0..400
    // The typed-Q rule: the nearest bandwidth step whose Q is not above it; returns that Q.
    double SetBandQ(int channel, int band, double q);
    void SetBandBandwidthIndex(int channel, int band, int bandwidthIndex);
    // The band's type (peaking, low or high shelf; other types are limited to those) and, for a
    // shelf, its slope; a peaking band keeps its stored slope. Returns the type as set.
    FilterType SetBandShape(int channel, int band, FilterType type, ShelfSlope shelfSlope);
    // Toggles the band's bypass; returns whether every band of the channel is now bypassed.
    bool ToggleBandBypass(int channel, int band);
    // Asks for a bypass state; a band at 0 dB stays bypassed whatever is asked. Returns the
    // band's bypass as it now reports it.
    BandBypass SetBandBypass(int channel, int band, BandBypass bypass);
    // The bypass-all switch; returns the switch's position afterwards.
    OnOff SetBypassAll(int channel, OnOff bypassAll, const ConfirmQuestion& confirm);
    // Resets all bands of the channel and its linked channels; false when declined.
    bool ResetAllEq(int channel, const ConfirmQuestion& confirm);

    // A whole equaliser (filter import, auto-EQ) as one edit of the channel and its linked
    // channels: every band takes its setting, changed values are marked for sending, and the
    // crossovers change where the settings hold them. The caller has checked the values.
    void ApplyEqualizer(int channel, const EqualizerSettings& settings);

    // ---- Dragging on the graph (then copied to linked channels) ----
    // The page turns the pointer into values; the drag rules are applied here.
    // A band point at the pointer's frequency and gain: whole dB within -20..+20, the
    // frequency kept in GEQ mode, a low shelf at or below 2000 Hz and a high shelf at or above.
    void DragBandPoint(int channel, int band, int pointerHz, double pointerDb);
    // A bandwidth handle at the pointer's frequency; its distance from the band's grid-snapped
    // centre sets the bandwidth (0.05..3 octaves).
    void DragBandwidth(int channel, int band, BandwidthHandle handle, int pointerHz);
    // A crossover marker at the pointer's frequency: the high-pass stays at or below the
    // low-pass and the low-pass at or above the high-pass.
    void DragCrossover(int channel, CrossoverFilter filter, int pointerHz);

    // ---- Crossovers (repeated on every linked channel) ----
    // Returns the frequency actually set: limited to 20..20000 Hz, a high-pass never above the
    // low-pass and a low-pass never below the high-pass.
    int SetCrossoverFrequency(int channel, CrossoverFilter filter, double frequencyHz);
    // Returns the kind as set.
    CrossoverKind SetCrossoverKind(int channel, CrossoverFilter filter, CrossoverKind kind);
    // Returns the slope as set; `rule` says whether 6 dB/oct also makes it Linkwitz-Riley.
    CrossoverSlope SetCrossoverSlope(int channel, CrossoverFilter filter, CrossoverSlope slope,
                                     SixDbSlopeRule rule);

    // ---- Channel strip ----
    // Linked channels keep their offsets (limited to 0..600); muted channels are switched on.
    void SetGain(int channel, int gainCode);
    // Limited to -60..0 dB in 0.1 dB steps; returns the channel's gain as set.
    double SetGainDb(int channel, double gainDb);
    // Mute and polarity are shared only between channels 5 and 6 when they are linked.
    void SetOn(int channel, OnOff on);
    // Returns the channel's mute afterwards.
    MuteState SetMuted(int channel, MuteState mute);
    void SetPolarity(int channel, Polarity polarity);
    // The delay page: channels 5 and 6, when linked, move by the same difference. Returns the
    // channel's delay code as set.
    int CommitDelay(int channel, int delayCode);
    // Several delays as one edit (time alignment): the given channels take exactly their codes
    // (limited to 0..259); a linked channel 5 or 6 that is not given moves by the same
    // difference as its partner, as on the delay page.
    void CommitDelays(const std::array<std::optional<int>, kOutputChannelCount>& delayCodes);
    // Typed delay in the given unit (the delay page's entry conversion); returns the code.
    int CommitDelayText(int channel, std::string_view text, DelayUnit unit);
    // In the record's code page; a name too long for the channel is refused unchanged.
    Status SetName(int channel, std::string_view recordText);

    // EQ mode (repeated on linked channels, whose equalisers are kept equal). Returns the mode
    // as set.
    EqMode SetEqMode(int channel, EqMode mode);

    // ---- Limiter and routing (this channel only: linking never copies them) ----
    // Limited to -30..+6 dBu in 0.1 dB steps; returns the threshold code as set.
    int SetLimiterThresholdDbu(int channel, double thresholdDbu);
    // The nearest attack step within 0.3..100 ms; returns the attack code as set.
    int SetLimiterAttackMs(int channel, double attackMs);
    // Release code 0..5 (2, 4, 6, 8, 16 or 32 times the attack), limited; returns it.
    int SetLimiterRelease(int channel, int releaseCode);
    // Share of input 1..4 in percent, limited to 0..100; returns the share as set. Inputs 3
    // and 4 have no place in the slot the channel writes, so their byte of the live record is
    // set here and travels with every write of the slot.
    int SetRoutingShare(int channel, int input, double percent);

    // ---- Main volume (system field 5) ----
    // Code 0..66 = -60..+6 dB, limited; a new volume also unmutes the master output. Each
    // change is sent while connected. Returns the code as set.
    int SetMainVolume(int volumeCode);
    // No value is OFF; dB values are limited to -60..+6. Returns the code as set.
    int SetMainVolumeDb(std::optional<double> volumeDb);
    void SetMasterOn(OnOff on);

    // ---- Linking ----
    bool IsLinked(int channel) const;
    std::vector<int> LinkedChannels(int channel) const;
    bool IsPairLinked(int pair) const;
    // The pair link button: unlinks a linked pair at once; otherwise asks for the direction
    // (nothing when declined), copies one channel onto the other and links them.
    void TogglePairLink(int pair,
                        const std::function<std::optional<LinkDirection>()>& chooseDirection);
    void LinkPair(int pair, LinkDirection direction);
    void UnlinkPair(int pair);
    void UnlinkAll();
    // Copies the linkable values and, when connected, sends the target's whole block.
    void CopyChannel(int source, int target);

    // Mutes channel k, sends its whole block and restores its on value (while connected).
    void SendChannelBlockMuted(int channel);

private:
    using Lock = std::lock_guard<std::mutex>;
    // Runs `edit` under the lock, then tells the front end which channels changed.
    template <class Edit>
    auto EditGroup(int channel, Edit edit);
    void RaiseOutputs(std::uint8_t channels) const;
    std::uint8_t MaskOfGroup(int channel) const;
    TuningModel& model() { return session_.model; }
    OutputChannel& out(int channel) { return session_.model.output(channel); }
    ChannelFilter& Crossover(int channel, CrossoverFilter filter);
    std::vector<int> LinkedLocked(int channel) const;
    void DragBandPointLocked(int channel, int band, int pointerHz, double pointerDb);
    void DragBandwidthLocked(int channel, int band, BandwidthHandle handle, int pointerHz);
    std::vector<int> GroupOf(int channel) const;  // the channel, then its linked channels
    void CopyBandToLinked(int channel, int band);
    static void ApplyBandSetting(ChannelFilter& band, const BandSetting& setting);
    static void ApplyBandShape(ChannelFilter& band, FilterType type, int shelfSlopeCode);
    void ApplyCrossoverSetting(ChannelFilter& filter, const CrossoverSetting& setting);
    void SendChannelBlockMutedLocked(int channel);
    void CopyChannelLocked(int source, int target);
    void QueueOutputBlock(int channel);
    // Clears byte 6 of the main volume record around a group of block writes.
    void HoldMainVolume();
    void ReleaseMainVolume(std::uint8_t previous);
    void QueueMainVolume();

    SessionState& session_;
    bool gestureOpen_ = false;
};

}  // namespace corva
