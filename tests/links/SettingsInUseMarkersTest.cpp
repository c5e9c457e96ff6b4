#include "platform/settings/SettingsInUseMarkers.h"

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <QSettings>
#include <QTemporaryDir>

namespace corva {
namespace {

std::string FileText(const QString& path) {
    std::ifstream file{path.toStdString()};
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class SettingsInUseMarkersTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    std::string IniPath() const { return folder_.filePath("markers.ini").toStdString(); }

    QTemporaryDir folder_;
};

TEST_F(SettingsInUseMarkersTest, TwoCopiesSeeEachOthersMarks) {
    SettingsInUseMarkers first{IniPath()};
    SettingsInUseMarkers second{IniPath()};
    EXPECT_TRUE(second.IsFree("/dev/hidraw3"));

    first.Mark("/dev/hidraw3");
    // Written out at once, not when the store object goes away: copies in other processes
    // only see the file.
    const std::string text = FileText(QString::fromStdString(IniPath()));
    EXPECT_NE(text.find("[USB]"), std::string::npos);
    EXPECT_NE(text.find("=0"), std::string::npos);
    EXPECT_FALSE(second.IsFree("/dev/hidraw3"));
    EXPECT_TRUE(second.IsFree("/dev/hidraw4"));

    second.Unmark("/dev/hidraw3");
    EXPECT_TRUE(first.IsFree("/dev/hidraw3"));
}

TEST_F(SettingsInUseMarkersTest, PathsWithSeparatorsAndEscapesStayDistinct) {
    SettingsInUseMarkers markers{IniPath()};
    const std::string windowsPath =
        "\\\\?\\hid#vid_0483&pid_5750#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    markers.Mark("/dev/hidraw3");
    markers.Mark(windowsPath);
    markers.Mark("a%2Fb");

    SettingsInUseMarkers other{IniPath()};
    EXPECT_FALSE(other.IsFree("/dev/hidraw3"));
    EXPECT_FALSE(other.IsFree(windowsPath));
    EXPECT_FALSE(other.IsFree("a%2Fb"));
    // Paths a careless key would fold together with the marked ones.
    EXPECT_TRUE(other.IsFree("a/b"));
    EXPECT_TRUE(other.IsFree("/dev/hidraw"));
    EXPECT_TRUE(other.IsFree("dev/hidraw3"));
    EXPECT_TRUE(other.IsFree("\\dev\\hidraw3"));
    EXPECT_TRUE(other.IsFree("/dev"));

    // One value per device directly in the group, whatever the path looks like.
    QSettings raw{QString::fromStdString(IniPath()), QSettings::IniFormat};
    raw.beginGroup("USB");
    EXPECT_EQ(raw.childKeys().size(), 3);
    EXPECT_TRUE(raw.childGroups().isEmpty());
    for (const QString& key : raw.childKeys()) {
        EXPECT_EQ(raw.value(key).toString(), "0");
    }
}

TEST_F(SettingsInUseMarkersTest, ClearAllDropsEveryMark) {
    SettingsInUseMarkers first{IniPath()};
    SettingsInUseMarkers second{IniPath()};
    first.Mark("/dev/hidraw3");
    first.Mark("/dev/hidraw5");
    second.ClearAll();
    EXPECT_TRUE(first.IsFree("/dev/hidraw3"));
    EXPECT_TRUE(first.IsFree("/dev/hidraw5"));
    EXPECT_EQ(FileText(QString::fromStdString(IniPath())).find("[USB]"), std::string::npos);

    first.Mark("/dev/hidraw5");  // marks work again after clearing
    EXPECT_FALSE(second.IsFree("/dev/hidraw5"));
}

TEST_F(SettingsInUseMarkersTest, SharedStoreIsThePerUserFileOfTheProgram) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    SettingsInUseMarkers markers;
    markers.Mark("/dev/hidraw3");
    const std::string text = FileText(folder_.filePath("CorvaDSP-BV1.00_GB2312.exe.ini"));
    EXPECT_NE(text.find("[USB]"), std::string::npos);
    markers.ClearAll();
}

}  // namespace
}  // namespace corva
