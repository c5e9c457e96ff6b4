// JSON preset files: layout of the written text, round trips, the header checks in order and
// files that must change nothing.
#include <gtest/gtest.h>

#include "files/JsonPresetReader.h"
#include "files/JsonPresetWriter.h"
#include "files/JsonScramble.h"
#include "files/JsonTestSupport.h"

namespace corva {
namespace {

using test::Bytes;
using test::kFixedTime;

Bytes SingleBytes(const ParameterImage& image, const JsonHeaderRecord& header = {}) {
    Bytes bytes;
    EXPECT_TRUE(BuildSingleJson(image, header, kFixedTime, bytes).ok());
    return bytes;
}

Bytes CompleteBytes(const ParameterImage& image, const JsonHeaderRecord& header = {}) {
    Bytes bytes;
    EXPECT_TRUE(BuildCompleteJson(image, header, kFixedTime, bytes).ok());
    return bytes;
}

ParameterImage PatternImage(int seed) {
    ParameterImage image;
    test::FillAll(image, seed);
    return image;
}

TEST(JsonScrambleTest, XorsEachByteWithItsPositionAndUndoesItself) {
    Bytes bytes(600, 0);
    ScrambleByPosition(bytes);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(bytes[255], 255);
    EXPECT_EQ(bytes[256], 0);  // the position count wraps every 256 bytes
    EXPECT_EQ(bytes[513], 1);
    ScrambleByPosition(bytes.data(), bytes.size());
    EXPECT_EQ(bytes, Bytes(600, 0));
}

TEST(JsonWriterTest, SingleFileIsTheFormattedPrintScrambled) {
    const auto bytes = SingleBytes(PatternImage(3));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], '{');
    EXPECT_EQ(bytes[1], 0x0B);  // the line feed after "{", XORed with 1

    const auto text = test::TextOf(bytes);
    EXPECT_EQ(text.rfind("{\n\t\"dnm\":\t{\n\t\t\"company_brand\":\t\"DNM\",\n", 0), 0u);
    EXPECT_TRUE(text.ends_with("},\n\t\"fileType\":\t\"single\"\n}"));  // no line end after it
    EXPECT_NE(text.find("\"data_encryption_bool\":\tfalse"), std::string::npos);
    EXPECT_NE(text.find("\"data_upload_time\":\t\"" + JsonUploadTime(kFixedTime) + "\""),
              std::string::npos);
    EXPECT_NE(text.find("\"data_head_data\":\t94,"), std::string::npos);
    // Chinese texts are GB2312 bytes, not escapes.
    EXPECT_NE(text.find("\"data_car_type\":\t\"\xbc\xaa\xc0\xfb\xb2\xa9\xd4\xbd\""),
              std::string::npos);
    EXPECT_NE(text.find("\"group_name\":\t[84, 117, 110, 101, 48,"), std::string::npos);
}

TEST(JsonWriterTest, MembersComeInTheFileOrder) {
    const auto single = test::TreeOf(SingleBytes(PatternImage(1)));
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(test::KeysOf(single.get()),
              (std::vector<std::string>{"dnm", "client", "data_info", "data", "fileType"}));
    EXPECT_EQ(test::KeysOf(test::At(single.get(), {"data"})),
              (std::vector<std::string>{"group_name", "music", "output", "system"}));
    const auto system = test::KeysOf(test::At(single.get(), {"data", "system"}));
    ASSERT_EQ(system.size(), 8u);
    EXPECT_EQ(system[4], "sound_delay_field");
    const auto info = test::KeysOf(test::At(single.get(), {"data_info"}));
    ASSERT_EQ(info.size(), 19u);
    EXPECT_EQ(info[4], "data_encryption_bool");

    const auto complete = test::TreeOf(CompleteBytes(PatternImage(1)));
    ASSERT_NE(complete, nullptr);
    EXPECT_EQ(
        test::KeysOf(complete.get()),
        (std::vector<std::string>{"dnm", "client", "data_info", "fileType", "system", "data"}));
    EXPECT_EQ(test::KeysOf(cJSON_GetArrayItem(test::At(complete.get(), {"data"}), 5)),
              (std::vector<std::string>{"group_name", "music", "output"}));
}

TEST(JsonRoundTripTest, SingleFileRestoresItsPartsAndLeavesTheRestAlone) {
    test::ScratchFolder folder;
    const auto path = folder.File("live.qvms");
    const auto source = PatternImage(5);
    ASSERT_TRUE(WriteSingleJson(path, source, JsonHeaderRecord{}, kFixedTime).ok());

    ParameterImage target;
    const ParameterImage untouched;
    JsonHeaderRecord header;
    ASSERT_TRUE(ReadSingleJson(path, target, ProtectionState{}, header).ok());
    const auto live = target.Live();
    EXPECT_EQ(test::Slice(live, 0, 16), test::Slice(source.Live(), 0, 16));
    EXPECT_EQ(test::Slice(live, 296, 112 + 6 * 296),
              test::Slice(source.Live(), 296, 112 + 6 * 296));
    EXPECT_EQ(test::Slice(target.ListeningPositions(), 0, 50),
              test::Slice(source.ListeningPositions(), 0, 50));
    // The effect name, the effect area and the first input are not in a single file.
    EXPECT_EQ(test::Slice(live, 16, 280), test::Slice(untouched.Live(), 16, 280));
    // Stored presets neither.
    EXPECT_EQ(test::Slice(target.Record(4), 0, kRecordSize),
              test::Slice(untouched.Record(4), 0, kRecordSize));
    EXPECT_EQ(header.fileType, "single");
    EXPECT_EQ(header.info.uploadTime, JsonUploadTime(kFixedTime));

    // Written again from what was read: the same bytes.
    EXPECT_EQ(SingleBytes(target, header), test::ReadFileBytes(path));
}

TEST(JsonRoundTripTest, CompleteFileHoldsSixteenGroupsAndRestoresEveryPreset) {
    test::ScratchFolder folder;
    const auto path = folder.File("all.qvma");
    const auto source = PatternImage(20);
    ASSERT_TRUE(WriteCompleteJson(path, source, JsonHeaderRecord{}, kFixedTime).ok());

    const auto tree = test::TreeOf(test::ReadFileBytes(path));
    const cJSON* groups = test::At(tree.get(), {"data"});
    ASSERT_EQ(cJSON_GetArraySize(groups), 16);
    const cJSON* name0 = test::At(cJSON_GetArrayItem(groups, 0), {"group_name"});
    EXPECT_EQ(cJSON_GetArrayItem(name0, 4)->valueint, '0');  // "Tune0-20": the live record

    ParameterImage target;
    JsonHeaderRecord header;
    ASSERT_TRUE(ReadCompleteJson(path, target, ProtectionState{}, header).ok());
    for (int preset = 0; preset <= kPresetCount; ++preset) {
        SCOPED_TRACE(preset);
        EXPECT_EQ(test::Slice(target.Record(preset), 0, 16),
                  test::Slice(source.Record(preset), 0, 16));
        EXPECT_EQ(test::Slice(target.Record(preset), 296, 1888),
                  test::Slice(source.Record(preset), 296, 1888));
    }
    EXPECT_EQ(test::Slice(target.ListeningPositions(), 0, 50),
              test::Slice(source.ListeningPositions(), 0, 50));
    EXPECT_EQ(CompleteBytes(target, header), test::ReadFileBytes(path));
}

TEST(JsonRoundTripTest, ByteValuesTakeTheLowEightBitsAndShortArraysLeaveTheRest) {
    const auto base = PatternImage(1);
    const auto bytes = test::EditJson(SingleBytes(base), [](cJSON* root) {
        cJSON_ReplaceItemInObject(test::At(root, {"data"}), "group_name",
                                  cJSON_CreateIntArray(std::array{257, -1, 65}.data(), 3));
        // A seventh output array is not part of the record and is passed over.
        cJSON_AddItemToArray(test::At(root, {"data", "output", "output"}), test::Numbers(296, 9));
    });
    ParameterImage target;
    test::FillAll(target, 40);
    const auto before = test::Snapshot(target);
    JsonSingleFile file;
    ASSERT_TRUE(ParseSingleJson(bytes, file).ok());
    JsonHeaderRecord header;
    ApplyJsonFile(file, target, ProtectionState{}, header);
    EXPECT_EQ(target.Live()[0], 1);
    EXPECT_EQ(target.Live()[1], 255);
    EXPECT_EQ(target.Live()[2], 65);
    EXPECT_EQ(test::Slice(target.Live(), 3, 13), test::Slice(before.records[0], 3, 13));
    EXPECT_EQ(test::Slice(target.Live(), 408, 6 * 296), test::Slice(base.Live(), 408, 6 * 296));
}

// ---- Protection bytes ----

class JsonProtectionTest : public ::testing::Test {
protected:
    // Saved from protected tuning: the live record holds the marker and the password.
    Bytes ProtectedFile() {
        auto image = PatternImage(2);
        auto block0 = image.Block(0, BlockType::Output, 0);
        block0[288] = '!';
        const std::string password = "123456";
        std::copy(password.begin(), password.end(), block0.begin() + 290);
        JsonHeaderRecord header;
        header.info.encryption = true;  // as read from a file that claims it
        return SingleBytes(image, header);
    }
};

TEST_F(JsonProtectionTest, MarkerAndPasswordAreWrittenAsTheRecordHoldsThem) {
    const auto tree = test::TreeOf(ProtectedFile());
    const cJSON* block0 = cJSON_GetArrayItem(test::At(tree.get(), {"data", "output", "output"}), 0);
    EXPECT_EQ(cJSON_GetArrayItem(block0, 288)->valueint, '!');
    EXPECT_EQ(cJSON_GetArrayItem(block0, 290)->valueint, '1');
    EXPECT_TRUE(cJSON_IsFalse(test::At(tree.get(), {"data_info", "data_encryption_bool"})));
}

TEST_F(JsonProtectionTest, PlainTuningNeverKeepsAMarkerFromTheFile) {
    JsonSingleFile file;
    ASSERT_TRUE(ParseSingleJson(ProtectedFile(), file).ok());
    JsonHeaderRecord header;

    ParameterImage plain;
    const ProtectionState open;
    ApplyJsonFile(file, plain, open, header);
    EXPECT_EQ(plain.Block(0, BlockType::Output, 0)[288], ' ');
    EXPECT_EQ(plain.Block(0, BlockType::Output, 0)[290], '1');  // the rest as in the file
    EXPECT_FALSE(open.isProtected);

    ParameterImage locked;
    ProtectionState protection;
    protection.isProtected = true;
    protection.password = "654321";
    ApplyJsonFile(file, locked, protection, header);
    EXPECT_EQ(locked.Block(0, BlockType::Output, 0)[288], '!');
    EXPECT_EQ(protection.password, "654321");
}

TEST_F(JsonProtectionTest, CompleteFilesBlankOnlyTheLiveMarker) {
    auto image = PatternImage(2);
    image.Block(0, BlockType::Output, 0)[288] = '!';
    image.Block(3, BlockType::Output, 0)[288] = '!';  // a preset the processor keeps scrambled
    JsonCompleteFile file;
    ASSERT_TRUE(ParseCompleteJson(CompleteBytes(image), file).ok());
    ParameterImage target;
    JsonHeaderRecord header;
    ApplyJsonFile(file, target, ProtectionState{}, header);
    EXPECT_EQ(target.Block(0, BlockType::Output, 0)[288], ' ');
    EXPECT_EQ(target.Block(3, BlockType::Output, 0)[288], '!');
}

// ---- Files that are refused and change nothing ----

enum class Reader { Single, Complete };

struct BadFile {
    std::string what;
    Reader reader;
    std::function<Bytes(const Bytes& single, const Bytes& complete)> make;
    std::string message;  // start of the English message
};

Bytes Edited(const Bytes& file, const std::function<void(cJSON*)>& edit) {
    return test::EditJson(file, edit);
}

std::vector<BadFile> BadFiles() {
    using test::At;
    using test::Numbers;
    return {
        {"client brand 18", Reader::Single,
         [](const Bytes& s, const Bytes&) {
             return Edited(s, [](cJSON* r) {
                 cJSON_ReplaceItemInObject(At(r, {"client"}), "company_brand",
                                           cJSON_CreateString("18"));
             });
         },
         "The file belongs to another brand."},
        {"machine type in other case", Reader::Complete,
         [](const Bytes&, const Bytes& c) {
             return Edited(c, [](cJSON* r) {
                 cJSON_ReplaceItemInObject(At(r, {"data_info"}), "data_machine_type",
                                           cJSON_CreateString("CORVA DSP"));
             });
         },
         "The file was made for another machine type."},
        {"complete file offered as single", Reader::Single,
         [](const Bytes&, const Bytes& c) { return c; }, "The file is not a single preset file."},
        {"single file offered as complete", Reader::Complete,
         [](const Bytes& s, const Bytes&) { return s; }, "The file is not a complete preset file."},
        {"cut in the middle", Reader::Single,
         [](const Bytes& s, const Bytes&) { return Bytes(s.begin(), s.begin() + s.size() / 2); },
         "The file is damaged or incomplete"},
        {"invalid JSON", Reader::Single,
         [](const Bytes&, const Bytes&) {
             return test::FileOf("{\"dnm\": {\"company_brand\": DNM}}");
         },
         "The file is damaged or incomplete"},
        {"not scrambled", Reader::Single,
         [](const Bytes& s, const Bytes&) {
             const auto text = test::TextOf(s);
             return Bytes(text.begin(), text.end());
         },
         "The file is damaged or incomplete"},
        {"something after the end", Reader::Complete,
         [](const Bytes&, const Bytes& c) { return test::FileOf(test::TextOf(c) + "\n}"); },
         "The file is damaged or incomplete"},
        {"empty", Reader::Complete, [](const Bytes&, const Bytes&) { return Bytes{}; },
         "The file is damaged or incomplete"},
        {"17 groups", Reader::Complete,
         [](const Bytes&, const Bytes& c) {
             return Edited(c, [](cJSON* r) {
                 cJSON* groups = At(r, {"data"});
                 cJSON_AddItemToArray(groups, cJSON_Duplicate(cJSON_GetArrayItem(groups, 1), true));
             });
         },
         "The file holds more than 16 presets."},
        {"400-element output array", Reader::Single,
         [](const Bytes& s, const Bytes&) {
             return Edited(s, [](cJSON* r) {
                 cJSON_ReplaceItemInArray(At(r, {"data", "output", "output"}), 2, Numbers(400, 1));
             });
         },
         "\"output\" in the file is longer"},
        {"17-byte group name", Reader::Single,
         [](const Bytes& s, const Bytes&) {
             return Edited(s, [](cJSON* r) {
                 cJSON_ReplaceItemInObject(At(r, {"data"}), "group_name", Numbers(17, 65));
             });
         },
         "\"group_name\" in the file is longer"},
        {"two music arrays", Reader::Complete,
         [](const Bytes&, const Bytes& c) {
             return Edited(c, [](cJSON* r) {
                 cJSON* group = cJSON_GetArrayItem(At(r, {"data"}), 15);
                 cJSON_AddItemToArray(At(group, {"music", "music"}), Numbers(112, 1));
             });
         },
         "\"music\" in the file is longer"},
        {"51-byte listening table", Reader::Complete,
         [](const Bytes&, const Bytes& c) {
             return Edited(c, [](cJSON* r) {
                 cJSON_ReplaceItemInObject(At(r, {"system"}), "sound_delay_field", Numbers(51, 1));
             });
         },
         "\"sound_delay_field\" in the file is longer"},
        {"a text inside a byte array", Reader::Single,
         [](const Bytes& s, const Bytes&) {
             return Edited(s, [](cJSON* r) {
                 cJSON_ReplaceItemInArray(
                     cJSON_GetArrayItem(At(r, {"data", "output", "output"}), 1), 7,
                     cJSON_CreateString("7"));
             });
         },
         "\"output\" in the file has the wrong type."},
        {"company block without qq", Reader::Single,
         [](const Bytes& s, const Bytes&) {
             return Edited(
                 s, [](cJSON* r) { cJSON_DeleteItemFromObject(At(r, {"dnm"}), "company_qq"); });
         },
         "The file has no \"company_qq\"."},
        {"system without out_led", Reader::Single,
         [](const Bytes& s, const Bytes&) {
             return Edited(s, [](cJSON* r) {
                 cJSON_DeleteItemFromObject(At(r, {"data", "system"}), "out_led");
             });
         },
         "The file has no \"out_led\"."},
        {"a group without outputs halfway", Reader::Complete,
         [](const Bytes&, const Bytes& c) {
             return Edited(c, [](cJSON* r) {
                 cJSON_DeleteItemFromObject(cJSON_GetArrayItem(At(r, {"data"}), 8), "output");
             });
         },
         "The file has no \"output\"."},
    };
}

TEST(JsonRefusalTest, EveryBadFileIsRefusedAndChangesNothing) {
    test::ScratchFolder folder;
    const auto source = PatternImage(7);
    JsonHeaderRecord written;
    written.company.name = "Written";
    const auto single = SingleBytes(source, written);
    const auto complete = CompleteBytes(source, written);

    for (const auto& bad : BadFiles()) {
        SCOPED_TRACE(bad.what);
        const auto path = folder.File(bad.reader == Reader::Single ? "bad.qvms" : "bad.qvma");
        test::WriteFileBytes(path, bad.make(single, complete));

        ParameterImage image;
        test::FillAll(image, 60);
        const auto before = test::Snapshot(image);
        JsonHeaderRecord header;
        header.company.name = "Mine";
        const auto headerBefore = header;
        const Status status = bad.reader == Reader::Single
                                  ? ReadSingleJson(path, image, ProtectionState{}, header)
                                  : ReadCompleteJson(path, image, ProtectionState{}, header);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.message().In(UiLanguage::English).rfind(bad.message, 0), 0u)
            << status.message().In(UiLanguage::English);
        EXPECT_FALSE(status.message().In(UiLanguage::Chinese).empty());
        EXPECT_TRUE(test::Snapshot(image) == before);
        EXPECT_EQ(header, headerBefore);
    }
}

TEST(JsonRefusalTest, MissingFileIsReportedAndChangesNothing) {
    test::ScratchFolder folder;
    ParameterImage image;
    const auto before = test::Snapshot(image);
    JsonHeaderRecord header;
    const Status status =
        ReadSingleJson(folder.File("none.qvms"), image, ProtectionState{}, header);
    EXPECT_EQ(status.message().In(UiLanguage::English), "The file cannot be opened.");
    EXPECT_TRUE(test::Snapshot(image) == before);
}

}  // namespace
}  // namespace corva
