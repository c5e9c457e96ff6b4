#include "files/JsonPresetWriter.h"

#include <cJSON.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "files/JsonPresetKeys.h"
#include "files/JsonScramble.h"
#include "files/JsonTree.h"
#include "files/SafeFileWriter.h"

namespace corva {
namespace {

using Tree = JsonTree;

// Adds members in call order and remembers whether every allocation succeeded, so a tree
// that lost a member is never printed into a file.
class TreeBuilder {
public:
    cJSON* Add(cJSON* object, const char* key, cJSON* item) {
        if (item == nullptr || object == nullptr || !cJSON_AddItemToObject(object, key, item)) {
            cJSON_Delete(item);
            ok_ = false;
            return nullptr;
        }
        return item;
    }
    cJSON* Append(cJSON* array, cJSON* item) {
        if (item == nullptr || array == nullptr || !cJSON_AddItemToArray(array, item)) {
            cJSON_Delete(item);
            ok_ = false;
            return nullptr;
        }
        return item;
    }
    void AddText(cJSON* object, const char* key, const std::string& text) {
        Add(object, key, cJSON_CreateString(text.c_str()));
    }
    void AddNumber(cJSON* object, const char* key, int number) {
        Add(object, key, cJSON_CreateNumber(number));
    }
    static cJSON* Bytes(std::span<const std::uint8_t> bytes) {
        const std::vector<int> numbers(bytes.begin(), bytes.end());
        return cJSON_CreateIntArray(numbers.data(), static_cast<int>(numbers.size()));
    }
    void AddBytes(cJSON* object, const char* key, std::span<const std::uint8_t> bytes) {
        Add(object, key, Bytes(bytes));
    }
    bool ok() const { return ok_; }

private:
    bool ok_ = true;
};

void AddCompanyBlock(TreeBuilder& build, cJSON* root, const char* key,
                     const JsonCompanyBlock& block) {
    cJSON* object = build.Add(root, key, cJSON_CreateObject());
    for (const auto& text : json_key::kCompanyTexts) {
        build.AddText(object, text.key, block.*text.field);
    }
}

// The upload time is the time of writing; the encryption flag is always written as false.
void AddDataInfo(TreeBuilder& build, cJSON* root, const JsonDataInfo& info, std::time_t now) {
    cJSON* object = build.Add(root, json_key::kDataInfo, cJSON_CreateObject());
    for (const auto& member : json_key::kDataInfoMembers) {
        if (member.text == &JsonDataInfo::uploadTime) {
            build.AddText(object, member.key, JsonUploadTime(now));
        } else if (member.text) {
            build.AddText(object, member.key, info.*member.text);
        } else if (member.number) {
            build.AddNumber(object, member.key, info.*member.number);
        } else {
            build.Add(object, member.key, cJSON_CreateFalse());
        }
    }
}

void AddHeader(TreeBuilder& build, cJSON* root, const JsonHeaderRecord& header, std::time_t now) {
    AddCompanyBlock(build, root, json_key::kCompany, header.company);
    AddCompanyBlock(build, root, json_key::kClient, header.client);
    AddDataInfo(build, root, header.info, now);
}

void AddSystem(TreeBuilder& build, cJSON* parent, const ParameterImage& image,
               const JsonHeaderRecord& header) {
    const std::array<std::uint8_t, json_key::kZeroArraySize> zeros{};
    cJSON* system = build.Add(parent, json_key::kSystem, cJSON_CreateObject());
    build.AddBytes(system, json_key::kPasswordData, zeros);
    build.AddBytes(system, json_key::kEffGroupName, header.effGroupName);
    build.AddBytes(system, json_key::kOutLed, header.outLed);
    build.AddBytes(system, json_key::kPcSourceSet, zeros);
    build.AddBytes(system, json_key::kSoundDelayField, image.ListeningPositions());
    build.AddBytes(system, json_key::kSystemData, zeros);
    build.AddBytes(system, json_key::kSystemGroupName, header.systemGroupName);
    build.AddBytes(system, json_key::kSystemSpkType, header.systemGroupName);
}

// "group_name", "music" and "output" of one preset record.
void AddGroup(TreeBuilder& build, cJSON* group, std::span<const std::uint8_t, kRecordSize> record) {
    build.AddBytes(group, json_key::kGroupName,
                   record.subspan(record::kPresetName, kNameFieldSize));

    cJSON* music = build.Add(group, json_key::kMusic, cJSON_CreateObject());
    cJSON* musicArrays = build.Add(music, json_key::kMusic, cJSON_CreateArray());
    build.Append(musicArrays,
                 TreeBuilder::Bytes(record.subspan(record::kSecondInput, record::kInputBlockSize)));

    cJSON* output = build.Add(group, json_key::kOutput, cJSON_CreateObject());
    cJSON* outputArrays = build.Add(output, json_key::kOutput, cJSON_CreateArray());
    for (int channel = 0; channel < kOutputChannelCount; ++channel) {
        build.Append(outputArrays, TreeBuilder::Bytes(record.subspan(record::OutputBlock(channel),
                                                                     record::kOutputBlockSize)));
    }
}

// Prints the tree with the formatted printer and scrambles the text into the file bytes.
Status PrintScrambled(const TreeBuilder& build, const Tree& root,
                      std::vector<std::uint8_t>& fileBytes) {
    const Status outOfMemory = Status::Fail(Tr("Files", "Not enough memory to build the file."));
    if (!root || !build.ok()) {
        return outOfMemory;
    }
    char* text = cJSON_Print(root.get());
    if (text == nullptr) {
        return outOfMemory;
    }
    const std::string_view printed(text);
    fileBytes.assign(printed.begin(), printed.end());
    cJSON_free(text);
    ScrambleByPosition(fileBytes);
    return Status::Ok();
}

}  // namespace

std::string JsonUploadTime(std::time_t now) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[64];
    std::snprintf(text, sizeof text, "%4d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

Status BuildSingleJson(const ParameterImage& image, const JsonHeaderRecord& header, std::time_t now,
                       std::vector<std::uint8_t>& fileBytes) {
    TreeBuilder build;
    const Tree root(cJSON_CreateObject());
    AddHeader(build, root.get(), header, now);
    cJSON* data = build.Add(root.get(), json_key::kData, cJSON_CreateObject());
    AddGroup(build, data, image.Live());
    AddSystem(build, data, image, header);
    build.AddText(root.get(), json_key::kFileType, json_key::kSingleType);
    return PrintScrambled(build, root, fileBytes);
}

Status BuildCompleteJson(const ParameterImage& image, const JsonHeaderRecord& header,
                         std::time_t now, std::vector<std::uint8_t>& fileBytes) {
    TreeBuilder build;
    const Tree root(cJSON_CreateObject());
    AddHeader(build, root.get(), header, now);
    build.AddText(root.get(), json_key::kFileType, json_key::kCompleteType);
    AddSystem(build, root.get(), image, header);
    cJSON* groups = build.Add(root.get(), json_key::kData, cJSON_CreateArray());
    for (int preset = 0; preset <= kPresetCount; ++preset) {
        AddGroup(build, build.Append(groups, cJSON_CreateObject()), image.Record(preset));
    }
    return PrintScrambled(build, root, fileBytes);
}

namespace {

using JsonBuilder = Status (*)(const ParameterImage&, const JsonHeaderRecord&, std::time_t,
                               std::vector<std::uint8_t>&);

Status WriteBuilt(JsonBuilder buildJson, const std::string& path, const ParameterImage& image,
                  const JsonHeaderRecord& header, std::time_t now) {
    std::vector<std::uint8_t> bytes;
    if (Status built = buildJson(image, header, now, bytes); !built) {
        return built;
    }
    return WriteFileSafely(path, bytes);
}

}  // namespace

Status WriteSingleJson(const std::string& path, const ParameterImage& image,
                       const JsonHeaderRecord& header, std::time_t now) {
    return WriteBuilt(BuildSingleJson, path, image, header, now);
}

Status WriteCompleteJson(const std::string& path, const ParameterImage& image,
                         const JsonHeaderRecord& header, std::time_t now) {
    return WriteBuilt(BuildCompleteJson, path, image, header, now);
}

}  // namespace corva
