#include "protocol/TextField.h"

#include <gtest/gtest.h>

#include "support/Hex.h"
#include "text/CodePage.h"

namespace corva {
namespace {

using test::FromHex;
using test::ToHex;

TEST(TextFieldTest, ReadsUpToZeroOrSizeMinusOneAndTrims) {
    EXPECT_EQ(TextFromField(FromHex("20 41 42 20 00 43")), "AB");
    EXPECT_EQ(TextFromField(FromHex("41 42 43 44")), "ABC");  // last byte never read
    EXPECT_EQ(TextFromField(FromHex("20 20 20 00")), "");
    EXPECT_EQ(TextFromField({}), "");
}

TEST(TextFieldTest, TerminatedFormNeedsRoomForTheZero) {
    std::vector<std::uint8_t> field(16, 0x55);
    const std::string fifteen = "ABCDEFGHIJKLMNO";
    ASSERT_TRUE(TextToField(field, fifteen, FieldForm::Terminated).ok());
    EXPECT_EQ(field[14], 'O');
    EXPECT_EQ(field[15], 0);

    const auto refused = TextToField(field, fifteen + "P", FieldForm::Terminated);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.message().In(UiLanguage::English), "char Len error!");
    EXPECT_EQ(refused.message().In(UiLanguage::Chinese), "字符长度错误!");
    EXPECT_EQ(field[0], 'A') << "a refused text leaves the field as it was";
    EXPECT_EQ(field[15], 0);
}

TEST(TextFieldTest, FittedFormFillsTheWholeFieldAndPadsAsAsked) {
    std::vector<std::uint8_t> field(8, 0x55);
    ASSERT_TRUE(TextToField(field, "ABCDEFGH", FieldForm::Fitted).ok());
    EXPECT_EQ(ToHex(field), "41 42 43 44 45 46 47 48");
    ASSERT_TRUE(TextToField(field, "AB", FieldForm::Fitted, FieldPadding::Blank).ok());
    EXPECT_EQ(ToHex(field), "41 42 20 20 20 20 20 20");
    ASSERT_TRUE(TextToField(field, "AB", FieldForm::Fitted, FieldPadding::Zero).ok());
    EXPECT_EQ(ToHex(field), "41 42 00 00 00 00 00 00");
    EXPECT_FALSE(TextToField(field, "ABCDEFGHI", FieldForm::Fitted).ok());
}

TEST(CodePageTest, ConvertsBetweenUtf8AndRecordBytes) {
    const auto bytes = EncodeRecordText("吉利博越");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(ToHex(std::vector<std::uint8_t>(bytes->begin(), bytes->end())),
              "BC AA C0 FB B2 A9 D4 BD");
    EXPECT_EQ(DecodeRecordText(*bytes), "吉利博越");
    EXPECT_EQ(DecodeRecordText("Preset1"), "Preset1");
    EXPECT_FALSE(DecodeRecordText("\x81\xff\xff").empty());  // bad bytes still decode to text
    EXPECT_FALSE(EncodeRecordText("🎵"));                     // no code in the code page
}

TEST(CodePageTest, FieldsCountCodePageBytesNotCharacters) {
    std::vector<std::uint8_t> name(8, 0);
    EXPECT_TRUE(Utf8ToField(name, "吉利博", FieldForm::Terminated).ok());  // 6 bytes and a 0
    EXPECT_EQ(Utf8FromField(name), "吉利博");
    EXPECT_FALSE(Utf8ToField(name, "吉利博越", FieldForm::Terminated).ok());  // 8 bytes
    EXPECT_EQ(Utf8FromField(name), "吉利博");
    EXPECT_FALSE(Utf8ToField(name, "🎵", FieldForm::Fitted).ok());
}

}  // namespace
}  // namespace corva
