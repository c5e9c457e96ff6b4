// The progress window on its own: blinking and creeping while busy, the end text, the bar
// following answered frames, and the reset on a disconnect.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "ShellTestSupport.h"
#include "shell/app/Language.h"
#include "shell/dialogs/ProgressWindow.h"

namespace corva::shell {
namespace {

using test::WaitFor;

class ProgressWindowTest : public ::testing::Test {
protected:
    Language language;
    bool busy = true;
    ProgressWindow window{language, [this] { return busy; }};
};

TEST_F(ProgressWindowTest, WhileBusyTheTextBlinksAndTheBarCreepsToTwoBelowItsEnd) {
    window.Start(10);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Data transmission"));
    EXPECT_EQ(window.position(), 0);
    ASSERT_TRUE(WaitFor([&] { return window.textShowsAlert(); }));
    ASSERT_TRUE(WaitFor([&] { return !window.textShowsAlert(); }));
    ASSERT_TRUE(WaitFor([&] { return window.position() == 8; }));
    // Further ticks keep it there: it blinks on without moving.
    ASSERT_TRUE(WaitFor([&] { return window.textShowsAlert(); }));
    ASSERT_TRUE(WaitFor([&] { return !window.textShowsAlert(); }));
    EXPECT_EQ(window.position(), 8);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ProgressWindowTest, AnsweredFramesMoveTheBarAndTheEndHidesTheWindow) {
    QSignalSpy finished(&window, &ProgressWindow::Finished);
    window.Start(30);
    window.SetPosition(25);
    EXPECT_EQ(window.position(), 25);
    window.SetPosition(99);
    EXPECT_EQ(window.position(), 30);
    busy = false;
    ASSERT_TRUE(WaitFor([&] { return finished.count() == 1; }));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.text(), QStringLiteral("End of data transmission"));
    window.SetPosition(5);  // late answers after the end move nothing
    EXPECT_EQ(window.position(), 30);
}

TEST_F(ProgressWindowTest, TheEndTextFollowsTheLanguageAndAResetHidesAtOnce) {
    language.Set(UiLanguage::Chinese);
    window.Start(5);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("数据传输"));
    EXPECT_EQ(window.text(), QStringLiteral("数据处理中……请稍候"));
    window.SetPosition(3);
    QSignalSpy finished(&window, &ProgressWindow::Finished);
    window.Reset();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.position(), 0);
    EXPECT_FALSE(window.running());

    window.Start(5);
    busy = false;
    ASSERT_TRUE(WaitFor([&] { return !window.running(); }));
    EXPECT_EQ(window.text(), QStringLiteral("数据传输结束"));
}

}  // namespace
}  // namespace corva::shell
