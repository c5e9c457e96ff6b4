// The path rules of preset files: which extension a chosen path gets and which kind of file
// an opened path names.
#pragma once

#include <string>
#include <string_view>

namespace corva {

inline constexpr std::string_view kSingleFileExtension = ".qvms";
inline constexpr std::string_view kCompleteFileExtension = ".qvma";

enum class PresetFileKind { Single, Complete, Other };

// By the text after the last "." of the path: exactly "qvms" or "qvma"; anything else,
// other letter case or no "." at all, is Other.
PresetFileKind PresetFileKindOf(std::string_view path);

// True when the last characters of the path are exactly the extension.
bool EndsWithExtension(std::string_view path, std::string_view extension);

}  // namespace corva
