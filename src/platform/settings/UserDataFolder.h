// Folders in the user's data folder that both front ends share.
#pragma once

#include <string>

namespace corva {

// The safety copies of the tuning: "CorvaDSP/snapshots" in the user's data folder.
std::string SnapshotFolder();

}  // namespace corva
