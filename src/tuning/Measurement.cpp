#include "tuning/Measurement.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "core/TextExcerpt.h"
#include "tuning/TextLines.h"

namespace corva::tuning {
namespace {

constexpr double kLowestAudibleHz = 20.0;
constexpr double kHighestAudibleHz = 20000.0;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The columns of one data line. Commas separate columns only when nothing else does and the
// line has no decimal point next to them ("20.5,-3.1" or "20,-3"); otherwise they are decimal
// commas ("20,5;-3,1" or "20,5 -3,1").
std::vector<std::string_view> Columns(std::string_view line) {
    const bool otherSeparators = line.find_first_of(";\t") != std::string_view::npos;
    bool commaSeparates = false;
    if (!otherSeparators) {
        const bool hasPoint = line.find('.') != std::string_view::npos;
        const bool hasBlank = line.find(' ') != std::string_view::npos;
        const bool commaBeforeBlank = line.find(", ") != std::string_view::npos;
        commaSeparates = hasPoint || !hasBlank || commaBeforeBlank;
    }
    std::vector<std::string_view> columns;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size();
        const char c = end ? ' ' : line[i];
        if (end || IsBlank(c) || c == ';' || (commaSeparates && c == ',')) {
            if (i > start) {
                columns.push_back(line.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return columns;
}

MeasurementRead RefusedLine(int lineNumber, UiText message) {
    return {Status::Fail(LinePrefixed(lineNumber, message)), {}};
}

// A row of column names before the data ("frequency,raw,error,..."): words that start with a
// letter, the first one a name for frequency.
bool IsHeaderRow(const std::vector<std::string_view>& columns) {
    if (columns.empty()) {
        return false;
    }
    for (const auto column : columns) {
        if (std::isalpha(static_cast<unsigned char>(column.front())) == 0) {
            return false;
        }
    }
    const std::string_view first = columns.front();
    return EqualsNoCase(first, "frequency") || EqualsNoCase(first, "freq") ||
           EqualsNoCase(first, "hz") || EqualsNoCase(first, "freq(hz)") ||
           EqualsNoCase(first, "frequency(hz)");
}

// Bytes no text file holds: a NUL, or a sequence that is not UTF-8.
bool LooksBinary(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0) {
            return true;
        }
        if (byte < 0x80) {
            continue;
        }
        const std::size_t follow = byte >= 0xF0 && byte < 0xF5   ? 3
                                   : byte >= 0xE0 && byte < 0xF0 ? 2
                                   : byte >= 0xC2 && byte < 0xE0 ? 1
                                                                 : 0;
        if (follow == 0 || i + follow >= text.size()) {
            return true;
        }
        for (std::size_t k = 1; k <= follow; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return true;
            }
        }
        i += follow;
    }
    return false;
}

// The offending column, quoted short and with its control characters escaped; a binary file's
// bytes are not quoted at all.
UiText NotANumber(std::string_view column) {
    if (LooksBinary(column)) {
        return Tr("Measuring", "the line is not text of numbers.");
    }
    const std::string shown = EscapedExcerpt(column);
    return Tr("Measuring", "\"%1\" is not a number.").Arg(shown);
}

}  // namespace

MeasurementRead ParseMeasurement(std::string_view text) {
    std::vector<MeasurementPoint> points;
    int audible = 0;
    int lineNumber = 0;
    bool headerSeen = false;
    for (const std::string_view raw : SplitLines(text)) {
        ++lineNumber;
        const std::string_view line = Trimmed(raw);
        if (line.empty() || line.front() == '*') {
            continue;
        }
        const auto columns = Columns(line);
        if (points.empty() && !headerSeen && IsHeaderRow(columns)) {
            headerSeen = true;
            continue;
        }
        if (columns.size() < 2) {
            if (columns.size() == 1 && !ParseDecimal(columns[0])) {
                return RefusedLine(lineNumber, NotANumber(columns[0]));
            }
            return RefusedLine(lineNumber, Tr("Measuring", "expected a frequency and a level."));
        }
        // The frequency and the level; further columns (phase, other curves) are not needed.
        std::array<double, 2> values{};
        for (std::size_t c = 0; c < values.size(); ++c) {
            const auto value = ParseDecimal(columns[c]);
            if (!value) {
                return RefusedLine(lineNumber, NotANumber(columns[c]));
            }
            values[c] = *value;
        }
        const double frequencyHz = values[0];
        if (frequencyHz < 0.0) {
            return RefusedLine(lineNumber, Tr("Measuring", "the frequency must be above 0 Hz."));
        }
        if (std::abs(values[1]) > 1000.0) {
            return RefusedLine(lineNumber, Tr("Measuring", "the level is not a level in dB."));
        }
        // Rows outside the audible range (a linear export starts at 0 Hz) are not used.
        if (frequencyHz < kLowestAudibleHz || frequencyHz > kHighestAudibleHz) {
            continue;
        }
        if (!points.empty() && frequencyHz <= points.back().frequencyHz) {
            return RefusedLine(lineNumber,
                               Tr("Measuring", "the frequencies must increase from line to line."));
        }
        ++audible;
        points.push_back({frequencyHz, values[1]});
    }
    if (audible < 2) {
        return {
            Status::Fail(Tr("Measuring",
                            "The measurement has fewer than two points between 20 Hz and 20 kHz.")),
            {}};
    }
    return {Status::Ok(), std::move(points)};
}

MeasurementRead ReadMeasurementFile(const std::string& path) {
    TextFileRead file = ReadTuningText(path);
    if (!file.status.ok()) {
        return {file.status, {}};
    }
    MeasurementRead read = ParseMeasurement(file.text);
    if (!read.status.ok()) {
        const UiText& why = read.status.message();
        read.status = Status::Fail(
            Tr("Measuring", "The measurement \"%1\" cannot be used. %2").Arg(path).Arg(why));
    }
    return read;
}

namespace {

// Level at one frequency, linear in log frequency between the neighbouring points.
double LevelAt(const std::vector<MeasurementPoint>& points, double frequencyHz) {
    if (frequencyHz <= points.front().frequencyHz) {
        return points.front().splDb;
    }
    if (frequencyHz >= points.back().frequencyHz) {
        return points.back().splDb;
    }
    const auto above =
        std::upper_bound(points.begin(), points.end(), frequencyHz,
                         [](double f, const MeasurementPoint& p) { return f < p.frequencyHz; });
    const auto below = above - 1;
    const double span = std::log(above->frequencyHz / below->frequencyHz);
    const double t = std::log(frequencyHz / below->frequencyHz) / span;
    return below->splDb + t * (above->splDb - below->splDb);
}

// Levels on a fine log grid (1/96 octave) for smoothing: fine enough that a 1/48-octave window
// still averages several values, coarse enough to stay cheap.
constexpr int kFineStepsPerOctave = 96;

}  // namespace

Response ResampleToGrid(const std::vector<MeasurementPoint>& points, int smoothingFraction) {
    Response levels{};
    const auto& grid = GridFrequencies();
    if (points.empty()) {
        return levels;
    }
    if (smoothingFraction <= 0) {
        for (int i = 0; i < kGridPoints; ++i) {
            levels[static_cast<std::size_t>(i)] =
                LevelAt(points, grid[static_cast<std::size_t>(i)]);
        }
        return levels;
    }
    const double halfWindowOctaves = 0.5 / smoothingFraction;
    const double lowestOctave = std::log2(grid.front()) - halfWindowOctaves;
    const double highestOctave = std::log2(grid.back()) + halfWindowOctaves;
    const int fineCount =
        static_cast<int>(std::ceil((highestOctave - lowestOctave) * kFineStepsPerOctave)) + 1;
    std::vector<double> fine(static_cast<std::size_t>(fineCount));
    for (int k = 0; k < fineCount; ++k) {
        fine[static_cast<std::size_t>(k)] =
            LevelAt(points, std::exp2(lowestOctave + static_cast<double>(k) / kFineStepsPerOctave));
    }
    for (int i = 0; i < kGridPoints; ++i) {
        const double centre = std::log2(grid[static_cast<std::size_t>(i)]);
        const int first =
            std::max(0, static_cast<int>(std::ceil((centre - halfWindowOctaves - lowestOctave) *
                                                   kFineStepsPerOctave)));
        const int last = std::min(
            fineCount - 1, static_cast<int>(std::floor((centre + halfWindowOctaves - lowestOctave) *
                                                       kFineStepsPerOctave)));
        double sum = 0.0;
        int count = 0;
        for (int k = first; k <= last; ++k) {
            sum += fine[static_cast<std::size_t>(k)];
            ++count;
        }
        levels[static_cast<std::size_t>(i)] =
            count > 0 ? sum / count : LevelAt(points, grid[static_cast<std::size_t>(i)]);
    }
    return levels;
}

}  // namespace corva::tuning
