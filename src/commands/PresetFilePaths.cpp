#include "commands/PresetFilePaths.h"

namespace corva {

PresetFileKind PresetFileKindOf(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) {
        return PresetFileKind::Other;
    }
    const auto extension = path.substr(dot);
    if (extension == kSingleFileExtension) {
        return PresetFileKind::Single;
    }
    if (extension == kCompleteFileExtension) {
        return PresetFileKind::Complete;
    }
    return PresetFileKind::Other;
}

bool EndsWithExtension(std::string_view path, std::string_view extension) {
    return path.ends_with(extension);
}

}  // namespace corva
