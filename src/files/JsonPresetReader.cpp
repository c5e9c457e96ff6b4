#include "files/JsonPresetReader.h"

#include <cJSON.h>

#include <algorithm>
#include <memory>

#include "files/JsonFileAccess.h"
#include "files/JsonPresetKeys.h"
#include "files/JsonScramble.h"
#include "files/JsonTree.h"

namespace corva {
namespace {

using Tree = JsonTree;

// ---- Messages ----

Status NotAPresetFile() {
    return Status::Fail(Tr("Files", "The file is damaged or incomplete: it is not valid JSON."));
}
Status Missing(const std::string& key) {
    return Status::Fail(Tr("Files", "The file has no \"%1\".").Arg(key));
}
Status WrongType(const std::string& key) {
    return Status::Fail(Tr("Files", "\"%1\" in the file has the wrong type.").Arg(key));
}
Status TooLong(const std::string& key) {
    return Status::Fail(
        Tr("Files", "\"%1\" in the file is longer than its place in the tuning.").Arg(key));
}
Status OtherBrand() {
    return Status::Fail(Tr("Files", "The file belongs to another brand."));
}
Status OtherMachineType() {
    return Status::Fail(Tr("Files", "The file was made for another machine type."));
}
Status OtherFileType(const char* expected) {
    if (std::string_view(expected) == json_key::kSingleType) {
        return Status::Fail(Tr("Files", "The file is not a single preset file."));
    }
    return Status::Fail(Tr("Files", "The file is not a complete preset file."));
}
Status TooManyGroups() {
    return Status::Fail(Tr("Files", "The file holds more than 16 presets."));
}

// ---- Text and members ----

bool IsBlankOrEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
}

// Unscrambles and parses the whole text; anything but blanks after the root object means the
// file is damaged.
Status ParseTree(std::span<const std::uint8_t> fileBytes, Tree& root) {
    std::vector<std::uint8_t> text(fileBytes.begin(), fileBytes.end());
    ScrambleByPosition(text);
    const char* begin = reinterpret_cast<const char*>(text.data());
    const char* end = nullptr;
    Tree parsed(cJSON_ParseWithLengthOpts(begin, text.size(), &end, false));
    if (!parsed || !cJSON_IsObject(parsed.get()) || end == nullptr) {
        return NotAPresetFile();
    }
    if (!std::all_of(end, begin + text.size(), IsBlankOrEnd)) {
        return NotAPresetFile();
    }
    root = std::move(parsed);
    return Status::Ok();
}

// Member names match without regard to letter case, as cJSON's lookup has it.
Status Member(const cJSON* object, const char* key, const cJSON*& item) {
    item = cJSON_GetObjectItem(object, key);
    return item != nullptr ? Status::Ok() : Missing(key);
}

Status ObjectMember(const cJSON* object, const char* key, const cJSON*& item) {
    if (Status found = Member(object, key, item); !found) {
        return found;
    }
    return cJSON_IsObject(item) ? Status::Ok() : WrongType(key);
}

Status ArrayMember(const cJSON* object, const char* key, const cJSON*& item) {
    if (Status found = Member(object, key, item); !found) {
        return found;
    }
    return cJSON_IsArray(item) ? Status::Ok() : WrongType(key);
}

Status TextMember(const cJSON* object, const char* key, std::string& text) {
    const cJSON* item = nullptr;
    if (Status found = Member(object, key, item); !found) {
        return found;
    }
    if (!cJSON_IsString(item) || item->valuestring == nullptr) {
        return WrongType(key);
    }
    text = item->valuestring;
    return Status::Ok();
}

Status NumberMember(const cJSON* object, const char* key, int& number) {
    const cJSON* item = nullptr;
    if (Status found = Member(object, key, item); !found) {
        return found;
    }
    if (!cJSON_IsNumber(item)) {
        return WrongType(key);
    }
    number = item->valueint;
    return Status::Ok();
}

Status BoolMember(const cJSON* object, const char* key, bool& flag) {
    const cJSON* item = nullptr;
    if (Status found = Member(object, key, item); !found) {
        return found;
    }
    if (!cJSON_IsBool(item)) {
        return WrongType(key);
    }
    flag = cJSON_IsTrue(item);
    return Status::Ok();
}

// An array of numbers whose low eight bits are the bytes; longer than `capacity` is refused.
Status ByteArray(const cJSON* array, const char* key, std::size_t capacity,
                 std::vector<std::uint8_t>& bytes) {
    if (!cJSON_IsArray(array)) {
        return WrongType(key);
    }
    std::vector<std::uint8_t> read;
    for (const cJSON* element = array->child; element != nullptr; element = element->next) {
        if (read.size() == capacity) {
            return TooLong(key);
        }
        if (!cJSON_IsNumber(element)) {
            return WrongType(key);
        }
        read.push_back(static_cast<std::uint8_t>(element->valueint));
    }
    bytes = std::move(read);
    return Status::Ok();
}

// ---- Header ----

Status ReadCompanyBlock(const cJSON* root, const char* key, JsonCompanyBlock& block) {
    const cJSON* object = nullptr;
    if (Status found = ObjectMember(root, key, object); !found) {
        return found;
    }
    for (const auto& text : json_key::kCompanyTexts) {
        if (Status read = TextMember(object, text.key, block.*text.field); !read) {
            return read;
        }
    }
    return Status::Ok();
}

Status ReadDataInfo(const cJSON* root, JsonDataInfo& info) {
    const cJSON* object = nullptr;
    if (Status found = ObjectMember(root, json_key::kDataInfo, object); !found) {
        return found;
    }
    for (const auto& member : json_key::kDataInfoMembers) {
        const Status read = member.text     ? TextMember(object, member.key, info.*member.text)
                            : member.number ? NumberMember(object, member.key, info.*member.number)
                                            : BoolMember(object, member.key, info.*member.flag);
        if (!read) {
            return read;
        }
    }
    return Status::Ok();
}

// The header objects, then the brand code, the machine type and the file type.
Status ReadHeader(const cJSON* root, const char* fileType, JsonHeaderRecord& header) {
    if (Status read = ReadCompanyBlock(root, json_key::kCompany, header.company); !read) {
        return read;
    }
    if (Status read = ReadCompanyBlock(root, json_key::kClient, header.client); !read) {
        return read;
    }
    if (Status read = ReadDataInfo(root, header.info); !read) {
        return read;
    }
    if (Status read = TextMember(root, json_key::kFileType, header.fileType); !read) {
        return read;
    }
    if (header.client.brand != kJsonBrandCode) {
        return OtherBrand();
    }
    if (header.info.machineType != kJsonMachineType) {
        return OtherMachineType();
    }
    if (header.fileType != fileType) {
        return OtherFileType(fileType);
    }
    return Status::Ok();
}

// ---- Preset data ----

// The listening-position table of the "system" object inside `parent`.
Status ReadSystem(const cJSON* parent, std::vector<std::uint8_t>& listening) {
    const cJSON* system = nullptr;
    if (Status found = ObjectMember(parent, json_key::kSystem, system); !found) {
        return found;
    }
    for (const char* key : json_key::kSystemArrays) {
        const cJSON* item = nullptr;
        if (Status found = Member(system, key, item); !found) {
            return found;
        }
    }
    return ByteArray(cJSON_GetObjectItem(system, json_key::kSoundDelayField),
                     json_key::kSoundDelayField, kListeningTableSize, listening);
}

Status ReadGroup(const cJSON* group, JsonPresetGroup& preset) {
    if (!cJSON_IsObject(group)) {
        return WrongType(json_key::kData);
    }
    const cJSON* item = nullptr;
    if (Status found = Member(group, json_key::kGroupName, item); !found) {
        return found;
    }
    if (Status read = ByteArray(item, json_key::kGroupName, kNameFieldSize, preset.name); !read) {
        return read;
    }

    // "music": {"music": [[112 bytes]]}; the program writes exactly one inner array.
    const cJSON* music = nullptr;
    const cJSON* musicArrays = nullptr;
    if (Status found = ObjectMember(group, json_key::kMusic, music); !found) {
        return found;
    }
    if (Status found = ArrayMember(music, json_key::kMusic, musicArrays); !found) {
        return found;
    }
    if (const cJSON* first = musicArrays->child; first != nullptr) {
        if (first->next != nullptr) {
            return TooLong(json_key::kMusic);
        }
        if (Status read = ByteArray(first, json_key::kMusic, record::kInputBlockSize, preset.music);
            !read) {
            return read;
        }
    }

    // "output": {"output": [six arrays of 296 bytes]}; arrays after the sixth are ignored.
    const cJSON* output = nullptr;
    const cJSON* outputArrays = nullptr;
    if (Status found = ObjectMember(group, json_key::kOutput, output); !found) {
        return found;
    }
    if (Status found = ArrayMember(output, json_key::kOutput, outputArrays); !found) {
        return found;
    }
    const cJSON* block = outputArrays->child;
    for (int channel = 0; channel < kOutputChannelCount && block != nullptr; ++channel) {
        std::vector<std::uint8_t> bytes;
        if (Status read = ByteArray(block, json_key::kOutput, record::kOutputBlockSize, bytes);
            !read) {
            return read;
        }
        preset.outputs.push_back(std::move(bytes));
        block = block->next;
    }
    return Status::Ok();
}

// ---- Applying ----

void CopyAt(const std::vector<std::uint8_t>& bytes, std::span<std::uint8_t> target,
            std::size_t offset) {
    // The parser has kept every array within its place; the bound is kept here as well.
    const std::size_t count =
        std::min(bytes.size(), target.size() - std::min(offset, target.size()));
    std::copy_n(bytes.begin(), count, target.begin() + static_cast<std::ptrdiff_t>(offset));
}

void ApplyGroup(const JsonPresetGroup& group, std::span<std::uint8_t, kRecordSize> record) {
    CopyAt(group.name, record.subspan(record::kPresetName, kNameFieldSize), 0);
    CopyAt(group.music, record.subspan(record::kSecondInput, record::kInputBlockSize), 0);
    for (std::size_t k = 0; k < group.outputs.size() && k < kOutputChannelCount; ++k) {
        CopyAt(group.outputs[k],
               record.subspan(record::OutputBlock(static_cast<int>(k)), record::kOutputBlockSize),
               0);
    }
}

void BlankMarkerOfPlainTuning(ParameterImage& image, const ProtectionState& protection) {
    if (!protection.isProtected) {
        image.Block(0, BlockType::Output, 0)[output_block::kProtectionMarker] = ' ';
    }
}

void ApplyHeader(const JsonHeaderRecord& read, JsonHeaderRecord& header) {
    header.company = read.company;
    header.client = read.client;
    header.info = read.info;
    header.fileType = read.fileType;
}

}  // namespace

Status ParseSingleJson(std::span<const std::uint8_t> fileBytes, JsonSingleFile& file) {
    Tree root;
    if (Status parsed = ParseTree(fileBytes, root); !parsed) {
        return parsed;
    }
    JsonSingleFile read;
    if (Status header = ReadHeader(root.get(), json_key::kSingleType, read.header); !header) {
        return header;
    }
    const cJSON* data = nullptr;
    if (Status found = ObjectMember(root.get(), json_key::kData, data); !found) {
        return found;
    }
    if (Status group = ReadGroup(data, read.preset); !group) {
        return group;
    }
    if (Status table = ReadSystem(data, read.listening); !table) {
        return table;
    }
    file = std::move(read);
    return Status::Ok();
}

Status ParseCompleteJson(std::span<const std::uint8_t> fileBytes, JsonCompleteFile& file) {
    Tree root;
    if (Status parsed = ParseTree(fileBytes, root); !parsed) {
        return parsed;
    }
    JsonCompleteFile read;
    if (Status header = ReadHeader(root.get(), json_key::kCompleteType, read.header); !header) {
        return header;
    }
    if (Status table = ReadSystem(root.get(), read.listening); !table) {
        return table;
    }
    const cJSON* groups = nullptr;
    if (Status found = ArrayMember(root.get(), json_key::kData, groups); !found) {
        return found;
    }
    for (const cJSON* group = groups->child; group != nullptr; group = group->next) {
        if (read.groups.size() == json_key::kCompleteGroups) {
            return TooManyGroups();
        }
        JsonPresetGroup preset;
        if (Status parsed = ReadGroup(group, preset); !parsed) {
            return parsed;
        }
        read.groups.push_back(std::move(preset));
    }
    file = std::move(read);
    return Status::Ok();
}

void ApplyJsonFile(const JsonSingleFile& file, ParameterImage& image,
                   const ProtectionState& protection, JsonHeaderRecord& header) {
    ApplyGroup(file.preset, image.Live());
    CopyAt(file.listening, image.ListeningPositions(), 0);
    BlankMarkerOfPlainTuning(image, protection);
    ApplyHeader(file.header, header);
}

void ApplyJsonFile(const JsonCompleteFile& file, ParameterImage& image,
                   const ProtectionState& protection, JsonHeaderRecord& header) {
    CopyAt(file.listening, image.ListeningPositions(), 0);
    for (std::size_t g = 0; g < file.groups.size() && g < json_key::kCompleteGroups; ++g) {
        ApplyGroup(file.groups[g], image.Record(static_cast<int>(g)));
    }
    BlankMarkerOfPlainTuning(image, protection);
    ApplyHeader(file.header, header);
}

Status ReadSingleJson(const std::string& path, ParameterImage& image,
                      const ProtectionState& protection, JsonHeaderRecord& header) {
    std::vector<std::uint8_t> bytes;
    if (Status loaded = ReadJsonFileBytes(path, bytes); !loaded) {
        return loaded;
    }
    JsonSingleFile file;
    if (Status parsed = ParseSingleJson(bytes, file); !parsed) {
        return parsed;
    }
    ApplyJsonFile(file, image, protection, header);
    return Status::Ok();
}

Status ReadCompleteJson(const std::string& path, ParameterImage& image,
                        const ProtectionState& protection, JsonHeaderRecord& header) {
    std::vector<std::uint8_t> bytes;
    if (Status loaded = ReadJsonFileBytes(path, bytes); !loaded) {
        return loaded;
    }
    JsonCompleteFile file;
    if (Status parsed = ParseCompleteJson(bytes, file); !parsed) {
        return parsed;
    }
    ApplyJsonFile(file, image, protection, header);
    return Status::Ok();
}

}  // namespace corva
