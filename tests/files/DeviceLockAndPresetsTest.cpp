// Locking the tuning and the processor's stored presets, against the simulated processor.
#include <gtest/gtest.h>

#include "commands/DeviceLock.h"
#include "commands/MachinePresets.h"
#include "files/JsonTestSupport.h"
#include "model/ChannelEditor.h"
#include "protocol/FrameLayout.h"
#include "support/Rendered.h"
#include "transfer/EngineHarness.h"

namespace corva {
namespace {

class LockAndPresetsTest : public ::testing::Test {
protected:
    void SetUp() override {
        processor = devices.Plug("dsp");
        ASSERT_TRUE(Reconnect());
    }
    // A new connection: the full read brings back what the processor stored.
    bool Reconnect() {
        engine.controller.Disconnect();
        return engine.controller.ConnectToPath("dsp").ok() && engine.WaitSynchronised();
    }
    std::uint8_t ProcessorByte(int channel, std::size_t offset) {
        std::uint8_t value = 0;
        processor->WithMemory([&](ParameterImage& memory) {
            value = memory.Block(0, BlockType::Output, channel)[offset];
        });
        return value;
    }
    template <typename T>
    T Locked(const std::function<T()>& read) {
        std::lock_guard lock(engine.session.engine().sendLock);
        return read();
    }

    sim::SimDeviceEnumerator devices;
    test::SharedInUseMarkers inUse;
    std::shared_ptr<sim::SimulatedProcessor> processor;
    test::Engine engine{devices, inUse};
    DeviceLock lock{engine.session, engine.controller};
    MachinePresets presets{engine.session, engine.controller};
};

TEST_F(LockAndPresetsTest, ProtectReadBackUnlock) {
    ChannelEditor(engine.session).SetGain(3, 420);
    ASSERT_TRUE(engine.WaitQueueIdle());
    EXPECT_EQ(DeviceLock::CheckPasswordLength("12345")->text.In(UiLanguage::English),
              "the password length is incorrect! Please enter a 6-digit password!");
    EXPECT_FALSE(DeviceLock::CheckPasswordLength("      "));

    EXPECT_FALSE(lock.Protect("246810"));
    ASSERT_TRUE(engine.WaitQueueIdle());
    EXPECT_EQ(ProcessorByte(0, 288), '!');
    EXPECT_EQ(ProcessorByte(0, 290), '2' ^ kProtectionMask);
    EXPECT_FALSE(lock.editingEnabled());

    // A fresh connection recognises the protected tuning and shows it unscrambled.
    engine.session.engine().protection = ProtectionState{};
    ASSERT_TRUE(Reconnect());
    EXPECT_TRUE(lock.isProtected());
    EXPECT_EQ(Locked<std::string>([&] { return engine.session.engine().protection.password; }),
              "246810");
    EXPECT_EQ(Locked<int>([&] { return engine.session.engine().model.output(3).gainCode(); }), 420);
    EXPECT_EQ(Locked<std::string>([&] { return engine.session.engine().model.output(2).name(); }),
              "SL");

    EXPECT_EQ(lock.Unlock("000000")->text.In(UiLanguage::English),
              "Password and enter the password to encrypt the file does not match!");
    EXPECT_TRUE(lock.isProtected());
    EXPECT_FALSE(lock.Unlock("246810"));
    ASSERT_TRUE(engine.WaitQueueIdle());
    EXPECT_EQ(ProcessorByte(0, 288), ' ');
    ASSERT_TRUE(Reconnect());
    EXPECT_FALSE(lock.isProtected());
    EXPECT_EQ(Locked<int>([&] { return engine.session.engine().model.output(3).gainCode(); }), 420);
}

TEST_F(LockAndPresetsTest, ResetRestoresDefaultOutputsOnly) {
    ChannelEditor(engine.session).SetGain(1, 100);
    ASSERT_TRUE(engine.WaitQueueIdle());
    ASSERT_FALSE(lock.Protect("abcdef"));
    ASSERT_TRUE(engine.WaitQueueIdle());
    const auto inputBefore = Locked<std::vector<std::uint8_t>>([&] {
        const auto block = engine.session.engine().image.Block(0, BlockType::SecondInput, 2);
        return std::vector<std::uint8_t>(block.begin(), block.end());
    });
    EXPECT_FALSE(lock.Reset());
    EXPECT_FALSE(lock.isProtected());
    EXPECT_EQ(Locked<int>([&] { return engine.session.engine().model.output(1).gainCode(); }), 600);
    EXPECT_EQ(Locked<std::vector<std::uint8_t>>([&] {
                  const auto block =
                      engine.session.engine().image.Block(0, BlockType::SecondInput, 2);
                  return std::vector<std::uint8_t>(block.begin(), block.end());
              }),
              inputBefore);
    ASSERT_TRUE(engine.WaitQueueIdle());
    EXPECT_EQ(ProcessorByte(0, 288), ' ');
    ASSERT_TRUE(Reconnect());
    EXPECT_FALSE(lock.isProtected());
}

TEST_F(LockAndPresetsTest, ANameThatReadsTheSameIsTakenWhateverPadsIt) {
    // The processor's own names are padded with blanks; the program's with zeros.
    EXPECT_EQ(presets.Name(7), "Preset7");
    EXPECT_EQ(presets.SaveAs(3, "Preset7")->text.In(UiLanguage::English),
              "Have been the same machine preset name!");
    EXPECT_EQ(
        presets.SaveAs(3, "Preset7", PresetRules::ConnectedQuietly)->text.In(UiLanguage::English),
        "Have been the same name!");
    EXPECT_EQ(presets.Name(3), "Preset3");
    EXPECT_FALSE(presets.SaveAs(7, "Preset7")) << "a preset may keep its own name";
    ASSERT_TRUE(engine.WaitQueueIdle());
    // Only the first 13 bytes count, and a name that merely starts like another is free.
    ASSERT_FALSE(presets.SaveAs(8, "Longest name1"));
    EXPECT_TRUE(presets.SaveAs(9, "Longest name1x").has_value());
    EXPECT_FALSE(presets.SaveAs(9, "Preset"));
    ASSERT_TRUE(engine.WaitQueueIdle());
}

TEST_F(LockAndPresetsTest, SaveLoadAndDeleteStoredPresets) {
    EXPECT_EQ(presets.SaveAs(3, "")->style, MessageStyle::Timed);
    EXPECT_EQ(presets.SaveAs(3, "   ")->text.In(UiLanguage::English),
              "The machine preset name can not be all spaces!");
    ASSERT_FALSE(presets.SaveAs(7, "Rock"));
    EXPECT_EQ(presets.SaveAs(3, "Rock")->text.In(UiLanguage::English),
              "Have been the same machine preset name!");
    EXPECT_EQ(
        presets.SaveAs(3, "Rock", PresetRules::ConnectedQuietly)->text.In(UiLanguage::English),
        "Have been the same name!");
    EXPECT_FALSE(presets.SaveAs(7, "Rock")) << "a preset may keep its own name";

    ChannelEditor(engine.session).SetGain(0, 333);
    ASSERT_TRUE(engine.WaitQueueIdle());
    ASSERT_FALSE(presets.SaveAs(5, "Gain333"));
    ASSERT_TRUE(engine.WaitQueueIdle());
    ChannelEditor(engine.session).SetGain(0, 500);
    ASSERT_TRUE(engine.WaitQueueIdle());

    ASSERT_FALSE(presets.Load(5));
    EXPECT_FALSE(engine.controller.synchronised()) << "a recall reads the blocks again";
    ASSERT_TRUE(engine.WaitSynchronised());
    EXPECT_EQ(Locked<int>([&] { return engine.session.engine().model.output(0).gainCode(); }), 333);
    EXPECT_EQ(presets.Name(0), "Gain333") << "the live name follows the recalled preset";

    bool asked = false;
    ASSERT_FALSE(presets.Delete(5, [&](const UiText& question) {
        asked = question.In(UiLanguage::English) == "Are you delete No.5 preset?";
        return true;
    }));
    EXPECT_TRUE(asked);
    EXPECT_EQ(MachinePresets::StripLabel(5, presets.Name(5)).In(UiLanguage::Chinese), "预置5");
    ASSERT_TRUE(engine.WaitQueueIdle());
    ASSERT_TRUE(Reconnect());
    EXPECT_EQ(presets.Name(5), "");
}

TEST_F(LockAndPresetsTest, NotSynchronisedRefusesOnTheStrip) {
    engine.controller.Disconnect();
    EXPECT_EQ(presets.Load(2)->text.In(UiLanguage::Chinese), "未连接设备!");
    EXPECT_FALSE(presets.Load(2, PresetRules::ConnectedQuietly));
    EXPECT_EQ(presets.SaveAs(2, "x")->text.In(UiLanguage::English), "Not connected to device!");
}

// Everything a refused operation must leave as it was, as bytes.
struct SessionBytes {
    test::ImageSnapshot image;
    std::vector<std::uint8_t> model;  // the live record as the model would write it
    std::vector<std::vector<std::uint8_t>> queue;
    bool isProtected = false;
    bool released = false;
    bool resetAllowed = false;
    std::string password;
    bool synchronised = false;
    bool operator==(const SessionBytes&) const = default;
};

SessionBytes Capture(TuningSession& session) {
    auto& state = session.engine();
    std::lock_guard lock(state.sendLock);
    SessionBytes bytes;
    bytes.image = test::Snapshot(state.image);
    auto modelImage = std::make_unique<ParameterImage>(state.image);
    state.model.WriteAllToImage(*modelImage);
    bytes.model.assign(modelImage->Live().begin(), modelImage->Live().end());
    for (const auto& frame : state.queue.frames()) {
        bytes.queue.emplace_back(frame->data().begin(), frame->data().end());
    }
    bytes.isProtected = state.protection.isProtected;
    bytes.released = state.protection.released;
    bytes.resetAllowed = state.protection.resetAllowed;
    bytes.password = state.protection.password;
    bytes.synchronised = state.model.synchronised();
    return bytes;
}

const test::BothLanguages kNotConnected{"Not connected to device!", "未连接设备!"};
const test::BothLanguages kUsbFailure{
    "Connection failure!", "连接失败  请检查USB线缆是否插好或重启计算机和设备后再尝试连接!"};

TEST_F(LockAndPresetsTest, EveryPresetAndLockOperationWhileDisconnectedChangesNothing) {
    // Tuning that differs from every default, protected, then the link goes.
    ChannelEditor(engine.session).SetGain(2, 250);
    ASSERT_TRUE(engine.WaitQueueIdle());
    ASSERT_FALSE(presets.SaveAs(4, "Stored"));
    ASSERT_TRUE(engine.WaitQueueIdle());
    ASSERT_FALSE(lock.Protect("112233"));
    ASSERT_TRUE(engine.WaitQueueIdle());
    engine.controller.Disconnect();
    const SessionBytes before = Capture(engine.session);
    ASSERT_TRUE(before.isProtected);
    const auto yes = [](const UiText&) { return true; };

    EXPECT_EQ(test::Rendered(presets.SaveAs(6, "New")->text), kNotConnected);
    EXPECT_EQ(test::Rendered(presets.SaveAs(6, "New", PresetRules::ConnectedQuietly)->text),
              kUsbFailure);
    EXPECT_EQ(test::Rendered(presets.Load(4)->text), kNotConnected);
    EXPECT_FALSE(presets.Load(4, PresetRules::ConnectedQuietly));
    EXPECT_EQ(test::Rendered(presets.Delete(4, yes)->text), kNotConnected);
    EXPECT_FALSE(presets.Delete(4, yes, PresetRules::ConnectedQuietly));
    EXPECT_EQ(test::Rendered(lock.Unlock("112233")->text), kUsbFailure);
    EXPECT_EQ(test::Rendered(lock.Reset()->text), kUsbFailure);
    EXPECT_EQ(Capture(engine.session), before);
    EXPECT_EQ(presets.Name(4), "Stored");
    EXPECT_TRUE(lock.isProtected());

    // The same for a plain tuning: protecting it while disconnected sets no password.
    engine.session.engine().protection = ProtectionState{};
    const SessionBytes plain = Capture(engine.session);
    EXPECT_EQ(test::Rendered(lock.Protect("445566")->text), kUsbFailure);
    EXPECT_EQ(Capture(engine.session), plain);
    EXPECT_FALSE(lock.isProtected());
}

TEST_F(LockAndPresetsTest, AConnectionWhoseTuningIsStillBeingReadRefusesToo) {
    engine.controller.Disconnect();
    // A processor attached whose full read has not finished (no worker runs in this test).
    {
        std::lock_guard hold(engine.session.engine().sendLock);
        engine.session.engine().connected = true;
        engine.session.engine().model.SetSynchronised(false);
    }
    const SessionBytes before = Capture(engine.session);
    EXPECT_EQ(test::Rendered(presets.Load(3)->text), kNotConnected);
    EXPECT_EQ(test::Rendered(presets.SaveAs(3, "Half")->text), kNotConnected);
    EXPECT_EQ(test::Rendered(presets.Delete(3, [](const UiText&) { return true; })->text),
              kNotConnected);
    EXPECT_EQ(test::Rendered(lock.Protect("778899")->text), kNotConnected);
    EXPECT_EQ(test::Rendered(lock.Reset()->text), kNotConnected);
    EXPECT_EQ(Capture(engine.session), before);
    engine.session.engine().connected = false;
}

TEST_F(LockAndPresetsTest, ALinkLostWhileTheDeleteQuestionIsOpenDeletesNothing) {
    const SessionBytes connected = Capture(engine.session);
    EXPECT_EQ(test::Rendered(presets
                                 .Delete(2,
                                         [&](const UiText&) {
                                             engine.controller.Disconnect();
                                             return true;
                                         })
                                 ->text),
              kNotConnected);
    const SessionBytes after = Capture(engine.session);
    EXPECT_EQ(after.image, connected.image);
    EXPECT_TRUE(after.queue.empty());
}

TEST(MachinePresetNamesTest, DoubleByteCharactersStartAtEvenOffsets) {
    // Three Latin letters, then a Chinese character (GBK bytes D6 D0): a blank goes before it.
    EXPECT_EQ(MachinePresets::AlignDoubleByteNames("abc\xD6\xD0"), "abc \xD6\xD0");
    EXPECT_EQ(MachinePresets::AlignDoubleByteNames("ab\xD6\xD0"), "ab\xD6\xD0");
    // Never more than 13 bytes, never half a character.
    EXPECT_EQ(MachinePresets::AlignDoubleByteNames("abcdefghijkl\xD6\xD0"), "abcdefghijkl");
    EXPECT_TRUE(MachinePresets::HasDoubleByteCharacters("a\xD6\xD0"));
    EXPECT_FALSE(MachinePresets::HasDoubleByteCharacters("Preset 1"));
}

}  // namespace
}  // namespace corva
