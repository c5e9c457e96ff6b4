// Member names and sizes of the JSON preset files, shared by the writer and the reader.
#pragma once

#include <cstddef>

#include "files/JsonHeaderRecord.h"
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

// The texts of a company block ("dnm" and "client"), in file order.
struct CompanyText {
    const char* key;
    std::string JsonCompanyBlock::*field;
};
inline constexpr CompanyText kCompanyTexts[] = {
    {"company_brand", &JsonCompanyBlock::brand},
    {"company_briefing_en", &JsonCompanyBlock::briefingEn},
    {"company_briefing_zh", &JsonCompanyBlock::briefingZh},
    {"company_contacts", &JsonCompanyBlock::contacts},
    {"company_name", &JsonCompanyBlock::name},
    {"company_qq", &JsonCompanyBlock::qq},
    {"company_tel", &JsonCompanyBlock::tel},
    {"company_web", &JsonCompanyBlock::web},
    {"company_weixin", &JsonCompanyBlock::weixin},
};

// The members of "data_info", in file order; each is a text, a number or a flag.
struct DataInfoMember {
    const char* key;
    std::string JsonDataInfo::*text = nullptr;
    int JsonDataInfo::*number = nullptr;
    bool JsonDataInfo::*flag = nullptr;
};
inline constexpr DataInfoMember kDataInfoMembers[] = {
    {"data_android_version", &JsonDataInfo::androidVersion},
    {"data_car_brand", &JsonDataInfo::carBrand},
    {"data_car_type", &JsonDataInfo::carType},
    {"data_eff_briefing", &JsonDataInfo::effBriefing},
    {"data_encryption_bool", nullptr, nullptr, &JsonDataInfo::encryption},
    {"data_encryption_byte", nullptr, &JsonDataInfo::encryptionByte},
    {"data_group_name", &JsonDataInfo::groupName},
    {"data_group_num", nullptr, &JsonDataInfo::groupNum},
    {"data_head_data", nullptr, &JsonDataInfo::headData},
    {"data_ios_version", &JsonDataInfo::iosVersion},
    {"data_json_version", &JsonDataInfo::jsonVersion},
    {"data_machine_type", &JsonDataInfo::machineType},
    {"data_mcu_version", &JsonDataInfo::mcuVersion},
    {"data_pc_version", &JsonDataInfo::pcVersion},
    {"data_upload_time", &JsonDataInfo::uploadTime},
    {"data_user_info", &JsonDataInfo::userInfo},
    {"data_user_mailbox", &JsonDataInfo::userMailbox},
    {"data_user_name", &JsonDataInfo::userName},
    {"data_user_tel", &JsonDataInfo::userTel},
};

}  // namespace corva::json_key
