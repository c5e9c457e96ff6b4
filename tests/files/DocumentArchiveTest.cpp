// The three forms of a text's length field, and what the reader does with data that ends too
// soon or lies about its lengths.
#include <gtest/gtest.h>

#include "files/DocumentArchive.h"
#include "support/Hex.h"

namespace corva {
namespace {

using test::FromHex;
using test::ToHex;

TEST(DocumentArchiveTest, EveryLengthFormWritesAndReadsBack) {
    const struct {
        std::size_t length;
        const char* field;
    } cases[] = {{0, "00"},
                 {254, "FE"},
                 {255, "FF FF 00"},
                 {65533, "FF FD FF"},
                 {65534, "FF FF FF FE FF 00 00"},
                 {70000, "FF FF FF 70 11 01 00"}};
    for (const auto& c : cases) {
        std::string text(c.length, '\0');
        for (std::size_t i = 0; i < c.length; ++i) {
            text[i] = static_cast<char>('a' + i % 26);
        }
        ArchiveWriter writer;
        ASSERT_TRUE(writer.WriteText(text));
        writer.WriteByte(0x5A);
        const auto bytes = writer.bytes();
        const std::size_t fieldSize = bytes.size() - c.length - 1;
        EXPECT_EQ(ToHex(bytes.first(fieldSize)), c.field);

        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadText(), text) << c.length;
        std::uint8_t after = 0;
        EXPECT_TRUE(reader.ReadByte(after));
        EXPECT_EQ(after, 0x5A);
    }
    // A longer form than needed is read as well.
    const auto longForm = FromHex("FF FF FF 03 00 00 00 61 62 63");
    EXPECT_EQ(ArchiveReader(longForm).ReadText(), "abc");
}

TEST(DocumentArchiveTest, ReadsThatRunPastTheEndTakeNothing) {
    for (const char* hex : {"", "FF", "FF 10", "FF FF FF", "FF FF FF 01 00 00", "05 61 62",
                            "FF 00 01 61", "FF FF FF FF FF FF FF 61"}) {
        const auto bytes = FromHex(hex);
        ArchiveReader reader(bytes);
        EXPECT_FALSE(reader.ReadText()) << hex;
        EXPECT_EQ(reader.remaining(), bytes.size()) << hex;
    }
    const auto three = FromHex("01 02 03");
    ArchiveReader reader(three);
    std::array<std::uint8_t, 4> four{};
    EXPECT_FALSE(reader.ReadBytes(four));
    EXPECT_EQ(four, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(reader.remaining(), 3u);
}

TEST(DocumentArchiveTest, TagComparisonTellsACutCopyFromAnotherText) {
    ArchiveWriter writer;
    writer.WriteText("TAG_1.00");
    const std::vector<std::uint8_t> whole(writer.bytes().begin(), writer.bytes().end());
    EXPECT_EQ(ArchiveReader(whole).ReadTag("TAG_1.00"), TagMatch::Same);
    EXPECT_EQ(ArchiveReader(whole).ReadTag("TAG_1.01"), TagMatch::Different);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const std::span<const std::uint8_t> part(whole.data(), cut);
        EXPECT_EQ(ArchiveReader(part).ReadTag("TAG_1.00"), TagMatch::EndsEarly) << cut;
    }
    const auto other = FromHex("08 54 41 58");  // "TAX", cut short, not the tag
    EXPECT_EQ(ArchiveReader(other).ReadTag("TAG_1.00"), TagMatch::Different);
}

}  // namespace
}  // namespace corva
