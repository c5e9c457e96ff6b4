// The three header objects of a JSON preset file (company, client, data information) and the
// fixed arrays written beside the listening-position table, with the values a new file gets.
// Texts are bytes in the record code page (GB2312), exactly as they stand in the file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace corva {

// Only these two header values are checked when a file is read.
inline constexpr const char* kJsonBrandCode = "17";
inline constexpr const char* kJsonMachineType = "Corva DSP";  // the window title

// The nine texts of the "dnm" (company) and "client" objects.
struct JsonCompanyBlock {
    std::string brand;
    std::string briefingEn;
    std::string briefingZh;
    std::string contacts;
    std::string name;
    std::string qq;
    std::string tel;
    std::string web;
    std::string weixin;
    bool operator==(const JsonCompanyBlock&) const = default;
};

JsonCompanyBlock DefaultCompanyBlock();
JsonCompanyBlock DefaultClientBlock();

// The 19 members of "data_info".
struct JsonDataInfo {
    std::string androidVersion = "ANGZ-AV1.01";
    std::string carBrand = "2016-02-30";
    std::string carType = "\xbc\xaa\xc0\xfb\xb2\xa9\xd4\xbd";  // a car model name, GB2312
    std::string effBriefing = "\xc4\xbe\xbc\xaa\xcb\xfb";      // "acoustic guitar", GB2312
    bool encryption = false;  // read from files; always written as false
    int encryptionByte = 0;
    std::string groupName = "Share";
    int groupNum = 0;
    int headData = 94;
    std::string iosVersion = "IOS-GZ-V1.00";
    std::string jsonVersion = "JsonV1.00";
    std::string machineType = kJsonMachineType;
    std::string mcuVersion = "MRBT-AV1.00";
    std::string pcVersion = "PRBT-AV1.00";
    std::string uploadTime;  // replaced by the local time at every write
    std::string userInfo = "MC";
    std::string userMailbox;
    std::string userName = "Demo User";
    std::string userTel = "00000000000";
    bool operator==(const JsonDataInfo&) const = default;
};

inline constexpr std::size_t kJsonHeaderArraySize = 16;
using JsonHeaderArray = std::array<std::uint8_t, kJsonHeaderArraySize>;

// Every window that reads or writes preset files owns one, created with the defaults; a
// successful read copies the file's header values into the record that read it.
struct JsonHeaderRecord {
    JsonCompanyBlock company = DefaultCompanyBlock();
    JsonCompanyBlock client = DefaultClientBlock();
    JsonDataInfo info;
    std::string fileType;
    // Written into the "system" object; never read back.
    JsonHeaderArray effGroupName{};
    JsonHeaderArray outLed{};
    JsonHeaderArray systemGroupName{};  // also written as "system_spk_type"
    std::string brandCode = kJsonBrandCode;
    bool operator==(const JsonHeaderRecord&) const = default;
};

}  // namespace corva
