#include "measure/MeasurementExport.h"

#include <cstdio>

#include "files/SafeFileWriter.h"

namespace corva::measure {

std::string MeasurementExportText(const Response& levelsDb, const std::string& title) {
    std::string text = "* Measurement data measured by Corva DSP: " + title + "\n";
    text += "* Levels in dB relative to the output's full scale, 1/24 octave points\n";
    text += "* Freq(Hz) SPL(dB) Phase(degrees)\n";
    const auto& grid = GridFrequencies();
    for (std::size_t i = 0; i < grid.size(); ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%.3f %.3f 0.0\n", grid[i], levelsDb[i]);
        text += line;
    }
    return text;
}

Status WriteMeasurementExport(const std::string& path, const Response& levelsDb,
                              const std::string& title) {
    return WriteFileSafely(path, MeasurementExportText(levelsDb, title));
}

}  // namespace corva::measure
