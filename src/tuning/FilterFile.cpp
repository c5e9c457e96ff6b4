#include "tuning/FilterFile.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

#include "core/TextExcerpt.h"
#include "dsp/values/NumberText.h"

#include "tuning/LocaleNumbers.h"
#include "tuning/TextLines.h"

namespace corva::tuning {
namespace {

constexpr double kLowestFilterHz = 1.0;
constexpr double kHighestFilterHz = 100000.0;
constexpr double kGainLimitDb = 100.0;
constexpr double kLowestQ = 0.01;
constexpr double kHighestQ = 1000.0;

struct TypeName {
    const char* text;
    FileFilterType type;
};

constexpr std::array<TypeName, 14> kTypeNames{{
    {"PK", FileFilterType::Peaking},
    {"PEQ", FileFilterType::Peaking},
    {"Modal", FileFilterType::Peaking},  // REW's room-mode filter: a peaking filter with Q
    {"LS", FileFilterType::LowShelf},
    {"LSC", FileFilterType::LowShelf},
    {"LSQ", FileFilterType::LowShelf},
    {"HS", FileFilterType::HighShelf},
    {"HSC", FileFilterType::HighShelf},
    {"HSQ", FileFilterType::HighShelf},
    {"LP", FileFilterType::LowPass},
    {"LPQ", FileFilterType::LowPass},
    {"HP", FileFilterType::HighPass},
    {"HPQ", FileFilterType::HighPass},
    {"NONE", FileFilterType::Empty},
}};

// APO lines that change the sound in ways no filter of the processor can.
constexpr std::array<const char*, 6> kApoSoundCommands{
    {"GraphicEQ", "Convolution", "Delay", "Copy", "LoudnessCorrection", "Eval"}};
// APO lines that only mark the file as APO's.
constexpr std::array<const char*, 8> kApoOtherCommands{
    {"Device", "Include", "Stage", "If", "ElseIf", "Else", "EndIf", "Preamp"}};

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') {
            ++i;
        }
        if (i > start) {
            words.push_back(text.substr(start, i - start));
        }
    }
    return words;
}

// "Filter", "Filter 3", "Filter3": the text before the colon of a filter line.
bool IsFilterLabel(std::string_view label) {
    if (label.size() < 6 || !EqualsNoCase(label.substr(0, 6), "Filter")) {
        return false;
    }
    const std::string_view number = Trimmed(label.substr(6));
    for (const char c : number) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

FileFilterType TypeOf(std::string_view text) {
    for (const auto& name : kTypeNames) {
        if (EqualsNoCase(text, name.text)) {
            return name.type;
        }
    }
    return FileFilterType::Other;
}

// A number followed by its unit, either as two words ("12 dB") or one ("12dB").
struct Reader {
    std::vector<std::string_view> words;
    DecimalMark mark = DecimalMark::Unknown;
    std::size_t next = 0;
    std::string ambiguous;  // the last number that could be read two ways

    bool done() const { return next >= words.size(); }
    std::string_view peek() const { return done() ? std::string_view{} : words[next]; }

    std::optional<double> Number(std::string_view unit) {
        if (done()) {
            return std::nullopt;
        }
        std::string_view word = words[next];
        if (!unit.empty() && word.size() > unit.size() &&
            EqualsNoCase(word.substr(word.size() - unit.size()), unit)) {
            if (const auto value = Parse(word.substr(0, word.size() - unit.size()))) {
                ++next;
                return value;
            }
        }
        const auto value = Parse(word);
        if (!value) {
            return std::nullopt;
        }
        ++next;
        if (!unit.empty() && !done() && EqualsNoCase(words[next], unit)) {
            ++next;
        }
        return value;
    }

    std::optional<double> Parse(std::string_view word) {
        const LocaleNumber number = ParseLocaleNumber(word, mark);
        if (number.ambiguous) {
            ambiguous = std::string(word);
        }
        return number.value;
    }

    // The reason a number could not be read: its ambiguity when it had one.
    std::string Why(std::string_view what) const {
        if (ambiguous.empty()) {
            return std::string(what);
        }
        return std::string(what) + ": \"" + ambiguous + "\" may use a decimal or a thousands mark";
    }
};

UiText Unreadable(std::string_view what) {
    return Tr("Measuring", "the filter cannot be read (%1).").Arg(std::string(what));
}

struct LineResult {
    std::optional<FileFilter> filter;
    std::optional<UiText> error;
};

// Everything after "Filter N:".
LineResult ReadFilterWords(std::string_view body, int lineNumber, DecimalMark fileMark) {
    Reader reader;
    reader.words = Words(body);
    reader.mark = Combined(DecimalMarkOf(reader.words), fileMark);
    FileFilter filter;
    filter.lineNumber = lineNumber;
    const std::string_view state = reader.peek();
    if (EqualsNoCase(state, "ON")) {
        filter.enabled = true;
    } else if (EqualsNoCase(state, "OFF")) {
        filter.enabled = false;
    } else {
        return {std::nullopt, Unreadable("ON or OFF expected")};
    }
    ++reader.next;
    if (reader.done()) {
        return {std::nullopt, Unreadable("no filter type")};
    }
    filter.typeText = std::string(reader.peek());
    filter.type = TypeOf(filter.typeText);
    ++reader.next;
    if (filter.type == FileFilterType::Empty) {
        return {filter, std::nullopt};
    }
    // A shelf's slope written after its type: "LS 6dB", "LSC 12 dB".
    if (filter.type == FileFilterType::LowShelf || filter.type == FileFilterType::HighShelf) {
        const std::string_view word = reader.peek();
        if (EqualsNoCase(word, "Q")) {
            ++reader.next;  // "LS Q": a shelf given by its Q, which follows later
        } else if (!word.empty() && !EqualsNoCase(word, "Fc")) {
            const auto slope = reader.Number("dB");
            if (!slope || *slope <= 0.0 || *slope > 48.0) {
                return {std::nullopt, Unreadable(reader.Why("shelf slope"))};
            }
            filter.slopeDbPerOctave = slope;
        }
    }
    bool haveFrequency = false;
    bool haveGain = false;
    while (!reader.done()) {
        const std::string_view key = reader.peek();
        ++reader.next;
        if (EqualsNoCase(key, "Fc")) {
            const auto value = reader.Number("Hz");
            if (!value || *value < kLowestFilterHz || *value > kHighestFilterHz) {
                return {std::nullopt, Unreadable(reader.Why("Fc"))};
            }
            filter.frequencyHz = *value;
            haveFrequency = true;
        } else if (EqualsNoCase(key, "Gain")) {
            const auto value = reader.Number("dB");
            if (!value || std::abs(*value) > kGainLimitDb) {
                return {std::nullopt, Unreadable(reader.Why("Gain"))};
            }
            filter.gainDb = *value;
            haveGain = true;
        } else if (EqualsNoCase(key, "Q")) {
            const auto value = reader.Number("");
            if (!value || *value < kLowestQ || *value > kHighestQ) {
                return {std::nullopt, Unreadable(reader.Why("Q"))};
            }
            filter.q = value;
        } else if (EqualsNoCase(key, "BW")) {
            // "BW Oct 1.0": a bandwidth in octaves, kept as the equivalent Q.
            if (EqualsNoCase(reader.peek(), "Oct")) {
                ++reader.next;
            }
            const auto octaves = reader.Number("");
            if (!octaves || *octaves <= 0.0 || *octaves > 10.0) {
                return {std::nullopt, Unreadable(reader.Why("BW"))};
            }
            const double power = std::exp2(*octaves);
            filter.q = std::sqrt(power) / (power - 1.0);
        } else if (filter.type == FileFilterType::Other || EqualsNoCase(filter.typeText, "Modal")) {
            // Parameters of types the processor cannot do are not needed, nor the decay
            // target REW writes after a room-mode filter.
            continue;
        } else {
            return {std::nullopt, Unreadable("\"" + EscapedExcerpt(key) + "\"")};
        }
    }
    if (filter.type == FileFilterType::Other) {
        return {filter, std::nullopt};
    }
    if (!haveFrequency) {
        return {std::nullopt, Unreadable("no Fc")};
    }
    const bool needsGain = filter.type == FileFilterType::Peaking ||
                           filter.type == FileFilterType::LowShelf ||
                           filter.type == FileFilterType::HighShelf;
    if (needsGain && !haveGain) {
        return {std::nullopt, Unreadable("no Gain")};
    }
    if (filter.type == FileFilterType::Peaking && !filter.q) {
        return {std::nullopt, Unreadable("no Q")};
    }
    return {filter, std::nullopt};
}

template <std::size_t N>
bool IsOneOf(std::string_view word, const std::array<const char*, N>& names) {
    for (const char* name : names) {
        if (EqualsNoCase(word, name)) {
            return true;
        }
    }
    return false;
}

FilterFileRead RefusedFilterLine(int lineNumber, const UiText& message) {
    FilterFileRead read;
    read.status = Status::Fail(LinePrefixed(lineNumber, message));
    return read;
}

// The decimal mark the numbers of the file's filter and preamp lines show.
DecimalMark FileDecimalMark(std::string_view text) {
    std::vector<std::string_view> words;
    for (const std::string_view raw : SplitLines(text)) {
        const std::string_view line = Trimmed(raw);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue;
        }
        const std::string_view label = Trimmed(line.substr(0, colon));
        if (IsFilterLabel(label) || EqualsNoCase(label, "Preamp")) {
            const auto lineWords = Words(line.substr(colon + 1));
            words.insert(words.end(), lineWords.begin(), lineWords.end());
        }
    }
    return DecimalMarkOf(words);
}

}  // namespace

FilterFileRead ParseFilterFile(std::string_view text) {
    FilterFileRead read;
    const DecimalMark fileMark = FileDecimalMark(text);
    std::vector<std::string> channels;
    bool apoLines = false;
    int lineNumber = 0;
    for (const std::string_view raw : SplitLines(text)) {
        ++lineNumber;
        const std::string_view line = Trimmed(raw);
        if (line.empty()) {
            continue;
        }
        if (line.front() == '#') {
            apoLines = true;
            continue;
        }
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue;  // REW's header lines ("Room EQ V5.20", "Average 1")
        }
        const std::string_view label = Trimmed(line.substr(0, colon));
        const std::string_view body = Trimmed(line.substr(colon + 1));
        if (IsFilterLabel(label)) {
            apoLines = apoLines || EqualsNoCase(label, "Filter");
            LineResult result = ReadFilterWords(body, lineNumber, fileMark);
            if (result.error) {
                return RefusedFilterLine(lineNumber, *result.error);
            }
            result.filter->channels = channels;
            read.filters.push_back(std::move(*result.filter));
        } else if (EqualsNoCase(label, "Preamp")) {
            apoLines = true;
            Reader reader;
            reader.words = Words(body);
            reader.mark = Combined(DecimalMarkOf(reader.words), fileMark);
            const auto gain = reader.Number("dB");
            if (!gain || !reader.done() || std::abs(*gain) > kGainLimitDb) {
                return RefusedFilterLine(lineNumber,
                                         Tr("Measuring", "the preamp gain cannot be read."));
            }
            read.preampDb = read.preampDb.value_or(0.0) + *gain;  // APO adds them up
        } else if (EqualsNoCase(label, "Channel")) {
            apoLines = true;
            read.choosesChannels = true;
            channels.clear();
            for (const auto word : Words(body)) {
                channels.emplace_back(word);
            }
            if (channels.empty()) {
                return RefusedFilterLine(lineNumber, Tr("Measuring", "no channel is named."));
            }
        } else if (IsOneOf(label, kApoSoundCommands)) {
            apoLines = true;
            FileFilter filter;
            filter.lineNumber = lineNumber;
            filter.typeText = std::string(label);
            filter.type = FileFilterType::Other;
            filter.channels = channels;
            read.filters.push_back(std::move(filter));
        } else if (IsOneOf(label, kApoOtherCommands)) {
            apoLines = true;
        }
        // Anything else with a colon is a header of REW's ("Dated:", "Notes:", "Equaliser:").
    }
    if (read.filters.empty()) {
        read.status = Status::Fail(Tr("Measuring", "The text holds no filters."));
        return read;
    }
    read.format = apoLines ? FilterFileFormat::Apo : FilterFileFormat::Rew;
    return read;
}

FilterFileRead ReadFilterFile(const std::string& path) {
    const TextFileRead file = ReadTuningText(path);
    if (!file.status.ok()) {
        FilterFileRead read;
        read.status = file.status;
        return read;
    }
    FilterFileRead read = ParseFilterFile(file.text);
    if (!read.status.ok()) {
        const UiText& why = read.status.message();
        read.status = Status::Fail(
            Tr("Measuring", "The filter file \"%1\" cannot be used. %2").Arg(path).Arg(why));
    }
    return read;
}

bool FilterIsForChannel(const std::vector<std::string>& channels, int channel) {
    if (channels.empty()) {
        return true;
    }
    // Names per output channel: the processor's own first, then APO's.
    static constexpr std::array<std::array<const char*, 4>, 6> kNames{{
        {"FL", "L", "1", nullptr},
        {"FR", "R", "2", nullptr},
        {"SL", "RL", "3", nullptr},
        {"SR", "RR", "4", nullptr},
        {"ULF", "SUB", "LFE", "5"},
        {"Center", "C", "6", nullptr},
    }};
    for (const auto& name : channels) {
        if (EqualsNoCase(name, "all")) {
            return true;
        }
        for (const char* known : kNames.at(static_cast<std::size_t>(channel))) {
            if (known != nullptr && EqualsNoCase(name, known)) {
                return true;
            }
        }
    }
    return false;
}

namespace {

// The shortest text that reads back as the value ("100", "2.5").
std::string ShortText(double value) {
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string{};
}

}  // namespace

std::string DescribeFileFilter(const FileFilter& filter) {
    std::string text = filter.typeText;
    if (filter.type == FileFilterType::Empty) {
        return text;
    }
    if (filter.slopeDbPerOctave) {
        text += " " + ShortText(*filter.slopeDbPerOctave) + "dB";
    }
    if (filter.frequencyHz > 0.0) {
        text += " " + ShortText(filter.frequencyHz) + " Hz";
    }
    if (filter.type == FileFilterType::Peaking || filter.type == FileFilterType::LowShelf ||
        filter.type == FileFilterType::HighShelf) {
        text += " " + detail::FixedText(filter.gainDb, 1) + " dB";
    }
    if (filter.q) {
        text += " Q " + detail::FixedText(*filter.q, 3);
    }
    if (!filter.enabled) {
        text += " (OFF)";
    }
    return text;
}

}  // namespace corva::tuning
