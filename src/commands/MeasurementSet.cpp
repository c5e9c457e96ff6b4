#include "commands/MeasurementSet.h"

#include <filesystem>
#include <system_error>

#include "measure/MeasurementExport.h"
#include "model/OutputChannel.h"

namespace corva {
namespace {

// Characters that no file name may hold on some system, and control characters.
bool Forbidden(char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

}  // namespace

std::string MeasurementFolderFor(const std::string& folder, const std::string& tuningNameUtf8) {
    std::string name;
    for (const char c : tuningNameUtf8) {
        name += Forbidden(c) ? '_' : c;
    }
    const auto first = name.find_first_not_of(" ._");
    name = first == std::string::npos ? std::string("Tuning") : name.substr(first);
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) {
        name.pop_back();
    }
    return (std::filesystem::path(folder) / (name + " measurements")).string();
}

MeasurementSetWrite SaveMeasurementSet(const std::string& folder,
                                       const std::vector<ChannelMeasurement>& channels,
                                       int positions) {
    MeasurementSetWrite written;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const ChannelMeasurement& c : channels) {
        const std::string name = DefaultsOfOutput(c.channel).name;
        const std::string path = (std::filesystem::path(folder) / (name + ".txt")).string();
        const std::string title = name + ", " + std::to_string(positions) + " position(s)";
        if (Status status = measure::WriteMeasurementExport(path, c.response.levelsDb, title);
            !status.ok()) {
            written.status = std::move(status);
            return written;
        }
        written.paths.push_back(path);
    }
    return written;
}

}  // namespace corva
