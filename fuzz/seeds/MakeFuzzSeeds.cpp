// Writes the seed corpora of the fuzz targets with the program's own writers: preset, music
// and mode files, firmware files with the tagged parts the parser expects, and the answers the
// simulated processor gives to the frames of a connection. Run it again whenever a format
// changes: make-fuzz-seeds CORPUS_DIR (one folder per target is created inside).
#include <cJSON.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "AnswerFuzzFrames.h"
#include "JsonFuzzInput.h"
#include "files/DocumentArchive.h"
#include "files/JsonPresetWriter.h"
#include "files/JsonScramble.h"
#include "files/ModeFile.h"
#include "files/MusicFile.h"
#include "sim/FactoryImage.h"
#include "sim/SimulatedProcessor.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

// A fixed upload time keeps the preset seeds the same from one run to the next.
constexpr std::time_t kSeedTime = 1'700'000'000;
constexpr const char* kSeedPassword = "482913";

class SeedWriter {
public:
    explicit SeedWriter(fs::path root) : root_{std::move(root)} {}

    bool Write(std::string_view target, std::string_view name,
               std::span<const std::uint8_t> bytes) {
        const fs::path folder = root_ / target;
        std::error_code error;
        fs::create_directories(folder, error);
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "make-fuzz-seeds: cannot write " << (folder / name).string() << '\n';
            ok_ = false;
        }
        return ok_;
    }
    bool ok() const { return ok_; }

private:
    fs::path root_;
    bool ok_ = true;
};

Bytes WithMode(std::uint8_t mode, std::span<const std::uint8_t> bytes) {
    Bytes out{mode};
    out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

// ---- JSON preset files ----

corva::ParameterImage ProtectedImage() {
    corva::ParameterImage image = corva::sim::FactoryImage();
    corva::ProtectionState protection;
    protection.isProtected = true;
    protection.password = kSeedPassword;
    corva::MarkRecordForStore(image.Live(), protection);
    return image;
}

Bytes PlainText(std::span<const std::uint8_t> fileBytes) {
    Bytes text(fileBytes.begin(), fileBytes.end());
    corva::ScrambleByPosition(text);
    return text;
}

// Cuts every array of numbers in the tree to at most `keep` elements: a short file the reader
// still takes, which the fuzzer mutates far faster than a full one.
void TrimArrays(cJSON* item, int keep) {
    for (cJSON* child = item->child; child != nullptr; child = child->next) {
        TrimArrays(child, keep);
    }
    if (cJSON_IsArray(item) && item->child != nullptr && cJSON_IsNumber(item->child)) {
        while (cJSON_GetArraySize(item) > keep) {
            cJSON_DeleteItemFromArray(item, cJSON_GetArraySize(item) - 1);
        }
    }
}

// Whether the first preset group of a complete file keeps its arrays at full length (so one
// more element makes an array too long for its place).
enum class FirstGroup { Trimmed, Whole };

// The text with its arrays cut to `keep` elements and, in a complete file, at most `maxGroups`
// preset groups.
Bytes TrimmedText(std::span<const std::uint8_t> plain, int keep, int maxGroups,
                  FirstGroup firstGroup = FirstGroup::Trimmed) {
    const std::string text(plain.begin(), plain.end());
    cJSON* root = cJSON_Parse(text.c_str());
    if (root == nullptr) {
        return {};
    }
    cJSON* data = cJSON_GetObjectItem(root, "data");
    cJSON* whole = nullptr;
    if (cJSON_IsArray(data)) {
        while (cJSON_GetArraySize(data) > maxGroups) {
            cJSON_DeleteItemFromArray(data, cJSON_GetArraySize(data) - 1);
        }
        if (firstGroup == FirstGroup::Whole) {
            whole = cJSON_DetachItemFromArray(data, 0);
        }
    }
    TrimArrays(root, keep);
    if (whole != nullptr) {
        cJSON_InsertItemInArray(data, 0, whole);
    }
    char* printed = cJSON_Print(root);
    cJSON_Delete(root);
    if (printed == nullptr) {
        return {};
    }
    const std::string_view view(printed);
    Bytes out(view.begin(), view.end());
    cJSON_free(printed);
    return out;
}

bool JsonSeeds(SeedWriter& seeds) {
    using corva::fuzz::kFileBytesMode;
    using corva::fuzz::kPlainTextMode;
    const corva::JsonHeaderRecord header;
    const corva::ParameterImage factory = corva::sim::FactoryImage();
    const corva::ParameterImage locked = ProtectedImage();

    Bytes single;
    Bytes singleLocked;
    Bytes complete;
    if (!corva::BuildSingleJson(factory, header, kSeedTime, single).ok() ||
        !corva::BuildSingleJson(locked, header, kSeedTime, singleLocked).ok() ||
        !corva::BuildCompleteJson(factory, header, kSeedTime, complete).ok()) {
        std::cerr << "make-fuzz-seeds: the preset writer failed\n";
        return false;
    }
    const Bytes singlePlain = PlainText(single);
    const Bytes completePlain = PlainText(complete);
    const Bytes singleShort = TrimmedText(singlePlain, 4, 1);
    const Bytes completeShort = TrimmedText(completePlain, 4, 2);
    const Bytes completeAllGroups = TrimmedText(completePlain, 4, 16, FirstGroup::Whole);

    seeds.Write("JsonSingleFuzz", "factory.qvms", WithMode(kFileBytesMode, single));
    seeds.Write("JsonSingleFuzz", "factory-plain.json", WithMode(kPlainTextMode, singlePlain));
    seeds.Write("JsonSingleFuzz", "protected-plain.json",
                WithMode(kPlainTextMode, PlainText(singleLocked)));
    seeds.Write("JsonSingleFuzz", "short-plain.json", WithMode(kPlainTextMode, singleShort));

    Bytes completeShortFile = completeShort;
    corva::ScrambleByPosition(completeShortFile);
    // The writer's whole complete file (about 100 KB) would make every run slow; its first
    // group whole and the others cut short keep every group and a full record.
    seeds.Write("JsonCompleteFuzz", "all-groups-plain.json",
                WithMode(kPlainTextMode, completeAllGroups));
    seeds.Write("JsonCompleteFuzz", "short-plain.json", WithMode(kPlainTextMode, completeShort));
    seeds.Write("JsonCompleteFuzz", "short.qvma", WithMode(kFileBytesMode, completeShortFile));
    return !singleShort.empty() && !completeShort.empty() && !completeAllGroups.empty();
}

// ---- Music, mode and archive ----

Bytes MusicFileBytes(const corva::ParameterImage& image, const corva::ProtectionState& protection) {
    corva::PresetRecord record{};
    std::copy(image.Live().begin(), image.Live().end(), record.begin());
    corva::MarkRecordForStore(record, protection);
    corva::ArchiveWriter writer;
    corva::WriteMusicFile(writer, record, protection.isProtected);
    return writer.TakeBytes();
}

Bytes ModeFileBytes(int position) {
    corva::ParameterImage image = corva::sim::FactoryImage();
    auto table = image.ListeningPositions();
    for (std::size_t i = 0; i < corva::listening_table::kRowSize; ++i) {
        table[corva::listening_table::kRowSize * static_cast<std::size_t>(position) + i] =
            static_cast<std::uint8_t>(10 * position + i);
    }
    table[48] = static_cast<std::uint8_t>(position);
    corva::ArchiveWriter writer;
    corva::WriteModeFile(writer, table);
    return writer.TakeBytes();
}

// The archive target reads an operation byte (its value modulo 4) before every read.
Bytes ArchiveOperations() {
    corva::ArchiveWriter writer;
    writer.WriteByte(0);  // one byte
    writer.WriteByte(0x5A);
    writer.WriteByte(1 + 4 * 4);  // a run of 17 bytes
    for (std::uint8_t i = 0; i < 17; ++i) {
        writer.WriteByte(i);
    }
    writer.WriteByte(2);  // a text with a one-byte length
    writer.WriteText("Preset1");
    writer.WriteByte(2 + 4);  // a text with a word length
    writer.WriteText(std::string(300, 'x'));
    writer.WriteByte(3);  // the music file's tag
    writer.WriteText(corva::kMusicFileTag);
    writer.WriteByte(3);  // another tag: the reader stays put
    writer.WriteText(corva::kModeFileTag);
    return writer.TakeBytes();
}

void ArchiveSeeds(SeedWriter& seeds) {
    corva::ProtectionState plain;
    corva::ProtectionState locked;
    locked.isProtected = true;
    locked.password = kSeedPassword;
    const corva::ParameterImage factory = corva::sim::FactoryImage();
    const Bytes music = MusicFileBytes(factory, plain);
    const Bytes musicLocked = MusicFileBytes(factory, locked);

    seeds.Write("MusicFileFuzz", "factory.wkcs", music);
    seeds.Write("MusicFileFuzz", "protected.wkcs", musicLocked);
    seeds.Write("MusicFileFuzz", "ends-early.wkcs",
                std::span(music).first(1 + corva::kMusicFileTag.size() + 100));

    for (int position = 0; position < 4; ++position) {
        seeds.Write("ModeFileFuzz", "position" + std::to_string(position) + ".dat_d",
                    ModeFileBytes(position));
    }

    seeds.Write("DocumentArchiveFuzz", "operations.bin", ArchiveOperations());
    seeds.Write("DocumentArchiveFuzz", "mode.dat_d", ModeFileBytes(2));
    seeds.Write("DocumentArchiveFuzz", "music-head.wkcs", std::span(music).first(64));
}

// ---- Firmware ----

Bytes McuOnlyFirmware(std::size_t programBytes) {
    Bytes file{'W', 'M', 'C', 'U', 0x10, 0x20, 0x30, 0x40};
    for (std::size_t i = 0; i < programBytes; ++i) {
        file.push_back(static_cast<std::uint8_t>(i * 7 + 3));
    }
    return file;
}

// A file with both regions: the DSP part behind its tag at the start, the MCU part behind
// its tag at the second region.
Bytes TwoRegionFirmware() {
    constexpr std::size_t kMcuRegion = 0x40004;
    constexpr std::size_t kDspPartSize = 0xFFFF;
    Bytes file(kMcuRegion, 0xFF);
    const char dspTag[] = {'W', 'D', 'S', 'P'};
    std::copy(std::begin(dspTag), std::end(dspTag), file.begin());
    for (std::size_t i = 0; i < kDspPartSize; ++i) {
        file[4 + i] = static_cast<std::uint8_t>(i >> 4);
    }
    const Bytes mcu = McuOnlyFirmware(100);
    file.insert(file.end(), mcu.begin(), mcu.end());
    return file;
}

void FirmwareSeeds(SeedWriter& seeds) {
    seeds.Write("FirmwareFuzz", "mcu-tag-only.bin", McuOnlyFirmware(0));
    seeds.Write("FirmwareFuzz", "mcu-one-block.bin", McuOnlyFirmware(40));
    seeds.Write("FirmwareFuzz", "mcu-blocks.bin", McuOnlyFirmware(250));
    seeds.Write("FirmwareFuzz", "dsp-and-mcu.bin", TwoRegionFirmware());
}

// ---- Answers ----

// The answer target picks the piece size from the first byte: (byte % 70) + 1 bytes at a
// time, where 65 means whole USB reports.
constexpr std::uint8_t kOneByOne = 0;
constexpr std::uint8_t kPiecesOf7 = 6;
constexpr std::uint8_t kUsbReports = 64;
constexpr std::uint8_t kPiecesOf70 = 69;

// The processor's answers to `frames`, written over a stream link.
Bytes StreamAnswers(corva::sim::SimulatedProcessor& processor, std::uint8_t pieceByte,
                    std::span<const corva::QueuedFrame> frames) {
    Bytes out{pieceByte};
    for (const auto& frame : frames) {
        for (const auto& answer : processor.Receive(frame.data())) {
            out.insert(out.end(), answer.begin(), answer.end());
        }
    }
    return out;
}

// The same over USB: the frames go out as reports and the answers come back as reports.
Bytes UsbAnswers(corva::sim::SimulatedProcessor& processor,
                 std::span<const corva::QueuedFrame> frames) {
    Bytes out{kUsbReports};
    for (auto frame : frames) {
        frame.position = 0;
        corva::HidReport report{};
        while (frame.nextReport(report)) {
            for (const auto& answer : processor.ReceiveReport(report)) {
                out.insert(out.end(), answer.begin(), answer.end());
            }
        }
    }
    return out;
}

// The target starts every input with these frames in flight; an answer is filed only when it
// fits the head frame, so the seeds answer them in order.
void AnswerSeeds(SeedWriter& seeds) {
    const std::vector<corva::QueuedFrame> frames = corva::fuzz::AnswerFuzzFrames();
    const std::span<const corva::QueuedFrame> all(frames);
    const auto first = all.first(1);
    {
        corva::sim::SimulatedProcessor processor;
        seeds.Write("AnswerFuzz", "all-answers-pieces.bin",
                    StreamAnswers(processor, kPiecesOf70, all));
    }
    {
        corva::sim::SimulatedProcessor processor;
        seeds.Write("AnswerFuzz", "all-answers-usb.bin", UsbAnswers(processor, all));
    }
    {
        corva::sim::SimulatedProcessor processor;
        seeds.Write("AnswerFuzz", "first-answer-bytewise.bin",
                    StreamAnswers(processor, kOneByOne, first));
        seeds.Write("AnswerFuzz", "first-answer-pieces.bin",
                    StreamAnswers(processor, kPiecesOf7, first));
        // The second frame's answer while the first is in flight: fits nothing.
        seeds.Write("AnswerFuzz", "unmatched-answer.bin",
                    StreamAnswers(processor, kPiecesOf70, all.subspan(1, 1)));
    }
    const auto withFault = [&](const char* name, auto setFault) {
        corva::sim::SimulatedProcessor processor;
        corva::sim::SimFaults faults = processor.Faults();
        setFault(faults);
        processor.SetFaults(faults);
        seeds.Write("AnswerFuzz", name, StreamAnswers(processor, kPiecesOf70, first));
    };
    withFault("resend-request.bin", [](auto& f) { f.resendRequests = 1; });
    withFault("wrong-checksum.bin", [](auto& f) { f.wrongChecksum = true; });
    withFault("empty-data-answer.bin", [](auto& f) { f.emptyDataAnswer = true; });
}

}  // namespace

// Measurement exports and filter files as REW and Equalizer APO write them (text, so written
// here as they are): every column style, every filter form, comments, channels and presets.
void TuningTextSeeds(SeedWriter& seeds) {
    const auto text = [&](std::string_view target, std::string_view name, std::string_view body) {
        seeds.Write(target, name,
                    std::span(reinterpret_cast<const std::uint8_t*>(body.data()), body.size()));
    };
    text("MeasurementFuzz", "decimal-commas.txt",
        "20,5;-3,25;10\n"
        "2000;1,5;0\n");
    text("MeasurementFuzz", "frd.frd",
        "* FRD\n"
        "10 80 0\n"
        "20.5,-3.25,10\n"
        "2000.0,1.5,0\n");
    text("MeasurementFuzz", "rew-export.txt",
        "* Measurement data\n"
        "* Freq(Hz) SPL(dB) Phase(degrees)\n"
        "20.000 78.1 -12.5\n"
        "100.000 82.5 3.0\n"
        "1000.0 85.0 0.0\n"
        "20000 80.0 0.0\n");
    text("FilterImportFuzz", "apo.txt",
        "# car\n"
        "Preamp: -6.5 dB\n"
        "Channel: L\n"
        "Filter: ON PK Fc 63 Hz Gain -4.0 dB Q 3.0\n"
        "Filter 2: ON PEQ Fc 2000 Hz Gain 2.5 dB Q 1.0\n"
        "Filter: ON LSC 12 dB Fc 100 Hz Gain 3.0 dB\n"
        "Filter: ON HSC Fc 5000 Hz Gain -2.0 dB Q 0.707\n"
        "Channel: R SUB\n"
        "Filter: ON LP Fc 80 Hz\n"
        "Filter: ON NO Fc 500 Hz\n"
        "Channel: all\n"
        "Filter: ON PK Fc 12000 Hz Gain 1.0 dB BW Oct 1.0\n"
        "GraphicEQ: 20 0; 1000 3\n");
    text("FilterImportFuzz", "rew.txt",
        "Filter Settings file\n"
        "Room EQ V5.20\n"
        "Filter  1: ON  PK       Fc   100.0 Hz  Gain  -3.00 dB  Q  2.000\n"
        "Filter  2: ON  LS 6dB   Fc   80 Hz  Gain  4,0 dB\n"
        "Filter  3: ON  HP       Fc   40 Hz\n"
        "Filter  4: OFF PK       Fc   250 Hz  Gain  -6.00 dB  Q  4.000\n"
        "Filter  5: ON  None\n"
        "Filter  6: ON  HS Q     Fc   6000 Hz  Gain  1.5 dB  Q 0.9\n");
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-fuzz-seeds CORPUS_DIR\n";
        return 1;
    }
    // The upload time inside preset files is local time; the seeds use one zone everywhere.
    setenv("TZ", "UTC", 1);
    tzset();

    SeedWriter seeds{fs::path(argv[1])};
    const bool json = JsonSeeds(seeds);
    ArchiveSeeds(seeds);
    FirmwareSeeds(seeds);
    AnswerSeeds(seeds);
    TuningTextSeeds(seeds);
    return json && seeds.ok() ? 0 : 1;
}
