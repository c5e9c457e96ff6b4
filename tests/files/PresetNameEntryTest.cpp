// What a preset-name field keeps of typed text: the 13-byte limit in the record's code page,
// the blank that moves a Chinese character to an even offset, and the refusals.
#include <gtest/gtest.h>

#include "commands/PresetNameEntry.h"

namespace corva {
namespace {

const std::string kZhong = "\xE4\xB8\xAD";  // 中, two bytes in the code page

TEST(PresetNameEntryTest, AlignedChineseCharactersStartAtEvenOffsets) {
    EXPECT_EQ(AcceptPresetNameEntry("abc" + kZhong, DoubleByteRule::Align), "abc " + kZhong);
    EXPECT_EQ(AcceptPresetNameEntry("ab" + kZhong, DoubleByteRule::Align), "ab" + kZhong);
    EXPECT_EQ(AcceptPresetNameEntry(kZhong + "a" + kZhong, DoubleByteRule::Align),
              kZhong + "a " + kZhong);
}

TEST(PresetNameEntryTest, NothingPastThirteenBytesAndNoCharacterCutInTwo) {
    EXPECT_EQ(AcceptPresetNameEntry("abcdefghijklmnop", DoubleByteRule::Align), "abcdefghijklm");
    // Twelve letters leave one byte: the blank would be the thirteenth, the character no room.
    EXPECT_EQ(AcceptPresetNameEntry("abcdefghijk" + kZhong, DoubleByteRule::Align), "abcdefghijk");
    EXPECT_EQ(AcceptPresetNameEntry("abcdefghijkl" + kZhong, DoubleByteRule::Align),
              "abcdefghijkl");
    EXPECT_EQ(AcceptPresetNameEntry("abcdefghijklmnop", DoubleByteRule::Refuse), "abcdefghijklm");
}

TEST(PresetNameEntryTest, RefusedTyping) {
    EXPECT_EQ(AcceptPresetNameEntry("ab" + kZhong, DoubleByteRule::Refuse), std::nullopt);
    // A character the code page cannot carry is refused under either rule.
    EXPECT_EQ(AcceptPresetNameEntry("ab\xF0\x9F\x8E\xB5", DoubleByteRule::Align), std::nullopt);
    EXPECT_EQ(AcceptPresetNameEntry("ab\xF0\x9F\x8E\xB5", DoubleByteRule::Refuse), std::nullopt);
    EXPECT_EQ(AcceptPresetNameEntry("", DoubleByteRule::Refuse), "");
}

}  // namespace
}  // namespace corva
