#include "core/ProgramVersion.h"

namespace corva {

const char* ProgramVersion() {
    return CORVA_PROGRAM_VERSION;
}

std::string ProgramNameAndVersion() {
    return std::string(kProgramName) + " " + ProgramVersion();
}

}  // namespace corva
