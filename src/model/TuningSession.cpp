#include "model/TuningSession.h"

#include "core/ByteOrder.h"
#include "dsp/values/BandCodes.h"
#include "dsp/values/ValueLabels.h"
#include "protocol/FrameLayout.h"
#include "protocol/TextField.h"

namespace corva {
namespace {

CrossoverView ViewOf(const ChannelFilter& filter) {
    return {filter.targetHz(), filter.crossoverKind(), filter.slope()};
}

BandView ViewOfBand(const ChannelFilter& band) {
    BandView view;
    view.type = static_cast<int>(band.type());
    view.frequencyHz = band.targetHz();
    view.gainDb = band.gainDb();
    view.gainCode = BandGainCode(band.gainDb());
    view.bandwidthIndex = band.BandwidthIndex();
    view.q = QOfBandwidthIndex(view.bandwidthIndex);
    view.slope = band.slope();
    view.bypassed = band.ReportsBypass();
    return view;
}

OutputView ViewOfOutput(const OutputChannel& out, const ParameterImage& image, int channel) {
    OutputView view;
    view.name = out.name();
    view.on = out.on() != 0;
    view.polarity = out.polarity();
    view.gainCode = out.gainCode();
    view.gainDb = ChannelGainDb(out.gainCode());
    view.delayCode = out.delayCode();
    view.geqMode = out.eqMode() != 0;
    const auto& eq = out.eq();
    bool allBypassed = true;
    for (int j = 0; j < eq.BandCount() && j < output_block::kBandSlots; ++j) {
        view.bands[static_cast<std::size_t>(j)] = ViewOfBand(eq.Band(j));
        allBypassed = allBypassed && eq.Band(j).ReportsBypass();
    }
    view.allBypassed = allBypassed;
    view.highPass = ViewOf(eq.HighPass());
    view.lowPass = ViewOf(eq.LowPass());
    view.limiterThresholdCode = out.limiterThresholdCode();
    view.limiterAttackCode = out.limiterAttackCode();
    view.limiterReleaseCode = out.limiterReleaseCode();
    view.routing = out.routing();
    view.linkGroup = image.LinkGroups()[static_cast<std::size_t>(channel)];
    view.linked = image.LinkFlag(channel);
    view.response = eq.SumResponse();
    return view;
}

PositionsView ViewOfPositions(std::span<const std::uint8_t, kListeningTableSize> table) {
    PositionsView view;
    std::copy(table.begin(), table.end(), view.bytes.begin());
    view.current =
        std::min<int>(table[listening_table::kCurrentPosition], listening_table::kLastPosition);
    view.lastModeFile = table[listening_table::kLastModeFilePosition];
    for (int p = 0; p < listening_table::kPositionCount; ++p) {
        const auto row = table.subspan(listening_table::RowOffset(p), listening_table::kRowSize);
        for (int c = 0; c < kOutputChannelCount; ++c) {
            view.delayCodes[static_cast<std::size_t>(p)][static_cast<std::size_t>(c)] =
                ReadLe16Signed(row, 2 * static_cast<std::size_t>(c));
        }
    }
    return view;
}

}  // namespace

TuningSnapshot TuningSession::Snapshot() const {
    TuningSnapshot snapshot;
    std::lock_guard lock(state_.sendLock);
    const ParameterImage& image = state_.image;
    snapshot.connected = state_.connected;
    snapshot.synchronised = state_.model.synchronised();
    snapshot.isProtected = state_.protection.isProtected;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        snapshot.outputs[static_cast<std::size_t>(c)] =
            ViewOfOutput(state_.model.output(c), image, c);
    }
    snapshot.positions = ViewOfPositions(image.ListeningPositions());
    snapshot.mainVolumeCode = ReadLe16(image.MainVolume(), 0);
    snapshot.masterOn = image.MainVolume()[kMainVolumeBulkByte] != 0;
    snapshot.liveName = TextFromField(image.Live().first(kNameFieldSize));
    for (int p = 1; p <= kPresetCount; ++p) {
        snapshot.presetNames[static_cast<std::size_t>(p - 1)] =
            TextFromField(image.Record(p).first(kNameFieldSize));
    }
    snapshot.versionTag = TextFromField(image.VersionTag());
    const auto live = image.Live();
    std::copy(live.begin(), live.end(), snapshot.liveRecord.begin());
    return snapshot;
}

Response TuningSession::ChannelResponse(int channel) const {
    std::lock_guard lock(state_.sendLock);
    return state_.model.output(channel).eq().SumResponse();
}

}  // namespace corva

namespace corva {

bool TuningSession::IsProtected() const {
    std::lock_guard lock(state_.sendLock);
    return state_.protection.isProtected;
}

bool TuningSession::NothingLeftToSend() const {
    std::lock_guard lock(state_.sendLock);
    if (state_.queue.count() > 1 || state_.model.HasPendingChanges()) {
        return false;
    }
    const QueuedFrame* head = state_.queue.front();
    return !head || (head->data()[frame::kBlockType] == static_cast<int>(BlockType::System) &&
                     head->data()[frame::kChannel] == system_id::kStatusList);
}

void TuningSession::DiscardQueuedFrames() {
    std::lock_guard lock(state_.sendLock);
    state_.queue.clear();
}

}  // namespace corva
