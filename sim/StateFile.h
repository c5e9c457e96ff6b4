// The simulator's memory on disk, so a stand-alone processor keeps its tuning between runs.
// A small versioned binary file: a magic text, the format version, the body length, the body
// (16 preset records, then the system fields) and a checksum over the body.
#pragma once

#include <string>

#include "core/Status.h"
#include "protocol/ParameterImage.h"

namespace corva::sim {

// Through the program's safe writer: a failed or interrupted write leaves the old file as it
// was and nothing else behind; the failure names the file and the system's reason.
Status SaveImageFile(const ParameterImage& image, const std::string& path);

// All or nothing: on any failure `image` is left exactly as it was. Link groups and the
// version tag are not part of the file (the host's and the device identity's business).
Status LoadImageFile(const std::string& path, ParameterImage& image);

}  // namespace corva::sim
