// Filter lists written by room-EQ programs: REW's "Filter Settings" text and Equalizer APO
// configuration files, read into one list of filters with the output channels they are for.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"

namespace corva::tuning {

enum class FilterFileFormat { Rew, Apo };

enum class FileFilterType {
    Peaking,    // PK, PEQ
    LowShelf,   // LS, LSC, LSQ (with or without a slope or Q)
    HighShelf,  // HS, HSC, HSQ
    LowPass,    // LP, LPQ
    HighPass,   // HP, HPQ
    Empty,      // REW's "None": an unused filter slot
    Other,      // a type the processor has no filter for (band-pass, notch, all-pass, ...)
};

struct FileFilter {
    int lineNumber = 0;
    std::string typeText;  // as written: "PK", "LSC", "BP", "GraphicEQ"
    FileFilterType type = FileFilterType::Other;
    bool enabled = true;
    double frequencyHz = 0.0;
    double gainDb = 0.0;
    std::optional<double> q;
    std::optional<double> slopeDbPerOctave;  // shelves: "LS 6dB", "LSC 12 dB"
    // The output channels chosen by the last APO "Channel:" line before it, as written
    // ("L", "2", "SUB"); empty when no line chose any, which means every channel.
    std::vector<std::string> channels;
};

struct FilterFileRead {
    Status status = Status::Ok();
    FilterFileFormat format = FilterFileFormat::Rew;
    std::vector<FileFilter> filters;
    std::optional<double> preampDb;
    bool choosesChannels = false;  // the file has "Channel:" lines
};

// Reads either format (APO when it uses APO's own lines: "Filter:", "Preamp:", "Channel:",
// '#' comments and the like). REW's header lines are skipped. A filter line that cannot be
// read refuses the whole text with a message naming the line; so does a text without
// filters.
FilterFileRead ParseFilterFile(std::string_view text);
FilterFileRead ReadFilterFile(const std::string& path);

// Whether a filter chosen by `channels` goes to output channel `channel` (0..5). Names are
// APO's (L, R, C, SUB or LFE, RL or SL, RR or SR), the processor's own (FL, FR, SL, SR, ULF,
// Center), 1-based numbers or "all", in any letter case.
bool FilterIsForChannel(const std::vector<std::string>& channels, int channel);

// One line describing the filter as the file has it: "PK 100 Hz -3.0 dB Q 2.000".
std::string DescribeFileFilter(const FileFilter& filter);

}  // namespace corva::tuning
