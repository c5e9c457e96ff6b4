#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "core/ByteOrder.h"
#include "core/RegularFile.h"
#include "firmware/UpdateSequencer.h"
#include "protocol/FrameLayout.h"
#include "support/Rendered.h"

namespace corva {
namespace {

std::vector<std::uint8_t> TwoRegionFile(bool withDsp, std::size_t mcuProgramBytes) {
    std::vector<std::uint8_t> file(0x40004 + (mcuProgramBytes ? 8 + mcuProgramBytes : 0), 0);
    if (withDsp) {
        std::memcpy(file.data(), "WDSP", 4);
        for (std::size_t i = 0; i < 0xFFFF; ++i) {
            file[4 + i] = static_cast<std::uint8_t>(i * 7);
        }
    }
    if (mcuProgramBytes) {
        std::memcpy(file.data() + 0x40004, "WMCU", 4);
        for (std::size_t i = 0; i < mcuProgramBytes; ++i) {
            file[0x4000C + i] = static_cast<std::uint8_t>(i + 1);
        }
    }
    return file;
}

std::vector<std::uint8_t> McuOnlyFile(std::size_t programBytes) {
    std::vector<std::uint8_t> file = {'W', 'M', 'C', 'U', 0xA0, 0xA1, 0xA2, 0xA3};
    for (std::size_t i = 0; i < programBytes; ++i) {
        file.push_back(static_cast<std::uint8_t>(0x10 + i));
    }
    return file;
}

// Every frame the sequencer produces until it is done, handshake item first.
std::vector<std::unique_ptr<QueuedFrame>> AllSteps(UpdateSequencer& sequencer) {
    std::vector<std::unique_ptr<QueuedFrame>> all;
    for (int calls = 0; calls < 5000 && !sequencer.finished(); ++calls) {
        for (auto& step : sequencer.NextUpdateStep()) {
            all.push_back(std::move(step));
        }
    }
    return all;
}

std::string Codes(const std::vector<std::unique_ptr<QueuedFrame>>& steps) {
    std::string codes;
    for (const auto& step : steps) {
        if (step->code == frame_code::kFirmwareHandshake) {
            codes += 'H';
        } else if (codes.empty() || codes.back() != static_cast<char>(step->code) ||
                   (step->code != ';' && step->code != '8')) {
            codes += static_cast<char>(step->code);  // runs of blocks show once
        }
    }
    return codes;
}

TEST(FirmwareFileTest, TagsDecideTheParts) {
    EXPECT_FALSE(ParseFirmware(std::vector<std::uint8_t>{'W', 'D', 'S', 'P', 1, 2}).status.ok());
    EXPECT_EQ(ParseFirmware(std::vector<std::uint8_t>{}).status.message().In(UiLanguage::English),
              "Update file error!");
    const auto exact = ParseFirmware(TwoRegionFile(true, 0));
    ASSERT_TRUE(exact.status.ok());  // 0x40004 bytes: a DSP-only file
    EXPECT_TRUE(exact.image.hasDsp);
    EXPECT_FALSE(exact.image.hasMcu);
    EXPECT_EQ(exact.image.dsp.size(), 0xFFFFu);
    EXPECT_FALSE(ParseFirmware(TwoRegionFile(false, 0)).status.ok());

    const auto mcu = ParseFirmware(McuOnlyFile(3));
    ASSERT_TRUE(mcu.status.ok());
    EXPECT_EQ(mcu.image.mcuHeader, (std::vector<std::uint8_t>{0xA0, 0xA1, 0xA2, 0xA3}));
    EXPECT_EQ(mcu.image.checkByte, 0x12 ^ 0x10 ^ 0x11 ^ 0x12);
    EXPECT_EQ(mcu.image.plannedSteps, 11 / 48 + 6);
    EXPECT_EQ(LoadFirmwareFile("/nonexistent/update.bin").status.message().In(UiLanguage::English),
              "Bin File error!");
}

// A scratch file for one test, removed afterwards.
class FirmwareFileOnDisk {
public:
    FirmwareFileOnDisk()
        : path_{(std::filesystem::temp_directory_path() /
                 ("corva-firmware-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".bin"))
                    .string()} {}
    ~FirmwareFileOnDisk() { std::filesystem::remove(path_); }
    void Write(const std::vector<std::uint8_t>& bytes) const {
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// An endless stream of 'W' bytes that counts how many it has handed out.
class EndlessBytes : public std::streambuf {
public:
    std::size_t served() const { return served_; }

protected:
    int_type underflow() override {
        byte_ = 'W';
        setg(&byte_, &byte_, &byte_ + 1);
        ++served_;
        return traits_type::to_int_type(byte_);
    }

private:
    char byte_ = 'W';
    std::size_t served_ = 0;
};

const test::BothLanguages kTooLarge{"The firmware file is too large (more than 524296 bytes)!",
                                    "固件文件太大（超过 524296 字节）!"};

TEST(FirmwareFileTest, TheLargestFileIsTwoFullRegions) {
    EXPECT_EQ(kMaxFirmwareFileBytes, 0x80008u);
    EXPECT_EQ(test::Rendered(FirmwareFileTooLarge()), kTooLarge);
    // An MCU part as long as a whole region still loads.
    FirmwareFileOnDisk file;
    file.Write(TwoRegionFile(true, kMaxFirmwareFileBytes - 0x40004 - 8));
    const auto largest = LoadFirmwareFile(file.path());
    ASSERT_TRUE(largest.status.ok()) << largest.status.message().In(UiLanguage::English);
    EXPECT_EQ(largest.image.mcu.size() + largest.image.mcuHeader.size(), 0x40000u);
}

TEST(FirmwareFileTest, ALargerFileIsRefusedBeforeItIsRead) {
    FirmwareFileOnDisk file;
    auto bytes = TwoRegionFile(true, kMaxFirmwareFileBytes - 0x40004 - 8);
    bytes.push_back(0);
    file.Write(bytes);
    EXPECT_EQ(test::Rendered(LoadFirmwareFile(file.path()).status.message()), kTooLarge);

    // A gigabyte (sparse on disk) is refused as quickly, without being read into memory.
    std::filesystem::resize_file(file.path(), std::uintmax_t{1} << 30);
    EXPECT_EQ(test::Rendered(LoadFirmwareFile(file.path()).status.message()), kTooLarge);
}

TEST(FirmwareFileTest, NothingPastTheLimitIsRead) {
    EndlessBytes endless;
    std::istream in(&endless);
    EXPECT_EQ(test::Rendered(ReadFirmwareFile(in).status.message()), kTooLarge);
    EXPECT_LE(endless.served(), kMaxFirmwareFileBytes + 1);

    // A device that never ends is no file of ours either: it is not even opened.
    EXPECT_EQ(LoadFirmwareFile("/dev/zero").status.message(), NotARegularFileMessage("/dev/zero"));

    std::istringstream small(std::string("WMCU\xA0\xA1\xA2\xA3\x10", 9));
    EXPECT_TRUE(ReadFirmwareFile(small).status.ok());
}

TEST(UpdateSequencerTest, DspBlocksCarryTheirAddressesAndTheLastIsZeroFilled) {
    auto parsed = ParseFirmware(TwoRegionFile(true, 0));
    UpdateSequencer sequencer(parsed.image);
    const auto steps = AllSteps(sequencer);
    EXPECT_EQ(Codes(steps), "H6:;9");
    std::vector<const QueuedFrame*> blocks;
    for (const auto& step : steps) {
        if (step->code == firmware_step::kDspBlock)
            blocks.push_back(step.get());
    }
    ASSERT_EQ(blocks.size(), 1490u);  // 1489 full blocks and one of 19 bytes
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const auto frame = blocks[i]->data();
        ASSERT_EQ(frame.size(), 64u);
        EXPECT_EQ(ReadLe32(frame, frame::kHeaderSize), i * 44);
    }
    const auto last = blocks.back()->data().subspan(frame::kHeaderSize + 4, 44);
    EXPECT_EQ(last[18], static_cast<std::uint8_t>((65516 + 18) * 7));
    EXPECT_TRUE(std::all_of(last.begin() + 19, last.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(steps.back()->data()[frame::kHeaderSize], 0x12);  // no MCU part: check of nothing
}

TEST(UpdateSequencerTest, McuBlocksArePaddedWithFF) {
    for (const std::size_t bytes : {48u, 49u}) {
        auto parsed = ParseFirmware(McuOnlyFile(bytes));
        UpdateSequencer sequencer(parsed.image);
        const auto steps = AllSteps(sequencer);
        EXPECT_EQ(Codes(steps), "H678" + std::string("9"));
        const auto blocks = std::count_if(steps.begin(), steps.end(), [](const auto& step) {
            return step->code == firmware_step::kMcuBlock;
        });
        EXPECT_EQ(blocks, bytes == 48 ? 1 : 2);
        const auto lastBlock = steps[steps.size() - 2]->data().subspan(frame::kHeaderSize, 48);
        if (bytes == 48) {
            EXPECT_EQ(lastBlock[47], 0x10 + 47);
        } else {
            EXPECT_EQ(lastBlock[0], 0x10 + 48);
            EXPECT_TRUE(std::all_of(lastBlock.begin() + 1, lastBlock.end(),
                                    [](auto b) { return b == 0xFF; }));
        }
        EXPECT_EQ(steps.front()->data().size(), 64u);  // the handshake item
    }
}

TEST(UpdateSequencerTest, TwoPartFileStartsAndFinishesOnce) {
    auto parsed = ParseFirmware(TwoRegionFile(true, 100));
    ASSERT_TRUE(parsed.image.hasMcu);
    UpdateSequencer sequencer(parsed.image);
    const auto steps = AllSteps(sequencer);
    EXPECT_EQ(Codes(steps), "H6:;789");
    const auto& header = steps[steps.size() - 5];  // '7', three '8's, '9'
    EXPECT_EQ(header->code, firmware_step::kMcuHeader);
    EXPECT_EQ(header->data().size(), 20u);
    EXPECT_EQ(steps.back()->data().size(), 17u);
    EXPECT_EQ(sequencer.StatusAfter('8')->In(UiLanguage::English), "Programming......");
    EXPECT_FALSE(sequencer.StatusAfter('8'));  // only the first MCU block says so
}

}  // namespace
}  // namespace corva
