// Member names and sizes of the JSON preset files, shared by the writer and the reader.
#pragma once

#include <cstddef>

#include "protocol/ImageLayout.h"

namespace corva::json_key {

inline constexpr const char* kCompany = "dnm";
inline constexpr const char* kClient = "client";
inline constexpr const char* kDataInfo = "data_info";
inline constexpr const char* kData = "data";
inline constexpr const char* kFileType = "fileType";
inline constexpr const char* kSystem = "system";

inline constexpr const char* kGroupName = "group_name";
inline constexpr const char* kMusic = "music";    // an object whose one member is "music" again
inline constexpr const char* kOutput = "output";  // likewise

inline constexpr const char* kSingleType = "single";
inline constexpr const char* kCompleteType = "complete";

// The system arrays in file order; only the listening-position table is read back.
inline constexpr const char* kPasswordData = "cur_password_data";
inline constexpr const char* kEffGroupName = "eff_group_name";
inline constexpr const char* kOutLed = "out_led";
inline constexpr const char* kPcSourceSet = "pc_source_set";
inline constexpr const char* kSoundDelayField = "sound_delay_field";
inline constexpr const char* kSystemData = "system_data";
inline constexpr const char* kSystemGroupName = "system_group_name";
inline constexpr const char* kSystemSpkType = "system_spk_type";
inline constexpr const char* kSystemArrays[] = {kPasswordData,    kEffGroupName,    kOutLed,
                                                kPcSourceSet,     kSoundDelayField, kSystemData,
                                                kSystemGroupName, kSystemSpkType};
inline constexpr std::size_t kZeroArraySize = 8;  // the four arrays that are always zeros

// A complete file holds the live record and the 15 stored presets.
inline constexpr std::size_t kCompleteGroups = kPresetCount + 1;

}  // namespace corva::json_key
