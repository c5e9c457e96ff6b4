// The per-user settings: remembered folders and their repair, the firmware and language
// values, the start-up language rule, and the store's layout.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include "ShellTestSupport.h"
#include "platform/settings/SettingsInUseMarkers.h"
#include "shell/app/Language.h"
#include "shell/app/LanguageSetting.h"
#include "shell/app/SettingsStore.h"
#include "shell/panels/FileChooser.h"

namespace corva::shell {
namespace {

using test::ClearSettingsStore;
using test::StoredValue;

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettingsStore();
        QDir().mkpath(Documents());
    }
    QString Documents() const { return folders.filePath(QStringLiteral("Documents")); }
    SettingsStore MakeStore() const {
        return SettingsStore({folders.filePath(QStringLiteral("start")), Documents()});
    }

    QTemporaryDir folders;
};

TEST_F(SettingsStoreTest, AMissingGroupGivesEveryKindTheDocumentsFolder) {
    SettingsStore store = MakeStore();
    EXPECT_EQ(store.GetPath(PathKind::AllPresets), Documents());
    for (const char* key :
         {"PC_File/File_Path", "PC_File/AllFile_Path", "PC_File/Map_Path", "PC_File/Hex"}) {
        EXPECT_EQ(StoredValue(QString::fromLatin1(key)), Documents()) << key;
    }
}

TEST_F(SettingsStoreTest, ADeletedRememberedFolderIsRepairedToDocuments) {
    SettingsStore store = MakeStore();
    const QString presets = folders.filePath(QStringLiteral("presets"));
    ASSERT_TRUE(QDir().mkpath(presets));
    store.PutPath(PathKind::SinglePreset, presets);
    store.PutPath(PathKind::Hex, presets);
    EXPECT_EQ(store.GetPath(PathKind::SinglePreset), presets);

    ASSERT_TRUE(QDir(presets).removeRecursively());
    EXPECT_EQ(store.GetPath(PathKind::SinglePreset), Documents());
    EXPECT_EQ(StoredValue(QStringLiteral("PC_File/File_Path")), Documents());
    // Only the kind that was asked for is repaired.
    EXPECT_EQ(StoredValue(QStringLiteral("PC_File/Hex")), presets);
}

// A save dialog started at a missing folder offers that folder's name as the file name (Save
// then writes "Documents.qvms"): the dialogs start in a folder that exists, with no name.
TEST_F(SettingsStoreTest, AMissingDocumentsFolderGivesAnExistingFolderToStartIn) {
    SettingsStore store = MakeStore();
    ASSERT_TRUE(QDir(Documents()).removeRecursively());
    EXPECT_EQ(store.GetPath(PathKind::SinglePreset), folders.path());
    EXPECT_EQ(ExistingFolderFor(folders.filePath(QStringLiteral("gone/deeper"))), folders.path());
    EXPECT_EQ(ExistingFolderFor(Documents()), folders.path());
    EXPECT_EQ(ExistingFolderFor(folders.path()), folders.path());
}

TEST_F(SettingsStoreTest, AFileOrEmptyTextIsNoFolder) {
    SettingsStore store = MakeStore();
    store.PutPath(PathKind::Map, QString());
    EXPECT_EQ(store.GetPath(PathKind::Map), Documents());
    QFile file(folders.filePath(QStringLiteral("plain.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    store.PutPath(PathKind::Map, file.fileName());
    EXPECT_EQ(store.GetPath(PathKind::Map), Documents());
}

TEST_F(SettingsStoreTest, FirmwareValuesAreCreatedWithDefaultsAndReadBack) {
    SettingsStore store = MakeStore();
    const FirmwareSettings& first = store.ReadFirmwareSettings();
    EXPECT_TRUE(first.name.isEmpty());
    EXPECT_TRUE(first.language.isEmpty());
    EXPECT_EQ(first.path,
              QDir::toNativeSeparators(folders.filePath(QStringLiteral("start/DataFile"))) +
                  QDir::separator() + QStringLiteral("*.bin"));
    EXPECT_EQ(StoredValue(QStringLiteral("DspMcu/Path")), first.path);

    store.WriteFirmwareSettings({QStringLiteral("updates/x.bin"), QStringLiteral("DataFile/*.bin"),
                                 QStringLiteral("English")});
    SettingsStore again = MakeStore();
    const FirmwareSettings& read = again.ReadFirmwareSettings();
    EXPECT_EQ(read.name, QStringLiteral("updates/x.bin"));
    EXPECT_EQ(read.path, QStringLiteral("DataFile/*.bin"));
    EXPECT_EQ(read.language, QStringLiteral("English"));
}

TEST_F(SettingsStoreTest, TheInUseMarksOfTheSameStoreAreLeftAlone) {
    SettingsInUseMarkers marks;
    marks.Mark("/dev/hidraw7");
    SettingsStore store = MakeStore();
    (void)store.GetPath(PathKind::SinglePreset);
    store.WriteFirmwareSettings({{}, {}, QStringLiteral("Chinese")});
    EXPECT_FALSE(marks.IsFree("/dev/hidraw7"));
}

TEST_F(SettingsStoreTest, TheDataFolderIsCreatedUnderTheStartUpFolder) {
    SettingsStore store = MakeStore();
    store.EnsureDataFolder();
    EXPECT_TRUE(QFileInfo(folders.filePath(QStringLiteral("start/DataFile"))).isDir());
    EXPECT_TRUE(store.ModeFileMask().endsWith(QStringLiteral("DataFile") + QDir::separator() +
                                              QStringLiteral("*.dat_d")));
}

// ---- Language at start-up ----

TEST(LanguageRuleTest, OnlyChineseOfChinaStartsInChinese) {
    EXPECT_EQ(LanguageForLocale(QLocale(QLocale::Chinese, QLocale::China)), UiLanguage::Chinese);
    EXPECT_EQ(LanguageForLocale(QLocale(QLocale::Chinese, QLocale::Taiwan)), UiLanguage::English);
    EXPECT_EQ(LanguageForLocale(QLocale(QLocale::Chinese, QLocale::Singapore)),
              UiLanguage::English);
    EXPECT_EQ(LanguageForLocale(QLocale(QLocale::German, QLocale::Germany)), UiLanguage::English);
}

TEST(LanguageRuleTest, OnlyTheExactStoredTextChineseMeansChinese) {
    EXPECT_EQ(LanguageFromStoredText(QStringLiteral("Chinese")), UiLanguage::Chinese);
    for (const char* other : {"chinese", "CHINESE", "Chinese ", "English", "zh", ""}) {
        EXPECT_EQ(LanguageFromStoredText(QString::fromLatin1(other)), UiLanguage::English) << other;
    }
}

TEST_F(SettingsStoreTest, TheFirstRunStoresTheLocaleLanguageAndLaterRunsFollowTheStore) {
    SettingsStore store = MakeStore();
    EXPECT_EQ(StartupLanguage(store, UiLanguage::Chinese), UiLanguage::Chinese);
    EXPECT_EQ(StoredValue(QStringLiteral("DspMcu/Language")), QStringLiteral("Chinese"));
    SettingsStore nextRun = MakeStore();
    EXPECT_EQ(StartupLanguage(nextRun, UiLanguage::English), UiLanguage::Chinese);
}

TEST_F(SettingsStoreTest, AStoredLowerCaseChineseStartsInEnglishAndStaysStored) {
    MakeStore().WriteFirmwareSettings({{}, {}, QStringLiteral("chinese")});
    SettingsStore store = MakeStore();
    EXPECT_EQ(StartupLanguage(store, UiLanguage::Chinese), UiLanguage::English);
    EXPECT_EQ(StoredValue(QStringLiteral("DspMcu/Language")), QStringLiteral("chinese"));
}

TEST_F(SettingsStoreTest, TheLanguageSwitchStoresItsNewLanguage) {
    SettingsStore store = MakeStore();
    (void)store.ReadFirmwareSettings();
    Language language;
    ToggleLanguage(language, store);
    EXPECT_EQ(language.current(), UiLanguage::Chinese);
    EXPECT_EQ(StoredValue(QStringLiteral("DspMcu/Language")), QStringLiteral("Chinese"));
    ToggleLanguage(language, store);
    EXPECT_EQ(StoredValue(QStringLiteral("DspMcu/Language")), QStringLiteral("English"));
}

}  // namespace
}  // namespace corva::shell
