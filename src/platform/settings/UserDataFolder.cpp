#include "platform/settings/UserDataFolder.h"

#include "platform/FileCalls.h"

namespace corva {

std::string SnapshotFolder() {
    const std::string data = platform::UserDataFolder();
    return data.empty() ? std::string{"CorvaDSP/snapshots"} : data + "/CorvaDSP/snapshots";
}

}  // namespace corva
