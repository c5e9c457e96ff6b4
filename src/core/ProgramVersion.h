// The program's name and version, as --version prints them and reports carry them. The
// version is the project's, set once in the top CMakeLists.
#pragma once

#include <string>

namespace corva {

inline constexpr const char* kProgramName = "Corva DSP";

// "1.0"
const char* ProgramVersion();

// "Corva DSP 1.0"
std::string ProgramNameAndVersion();

}  // namespace corva
