// The self-closing notice, the language bindings, and the notice hand-over between threads.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "ShellTestSupport.h"
#include "shell/app/Language.h"
#include "shell/app/MessagePresenter.h"
#include "shell/app/NoticePoster.h"
#include "shell/app/QtTranslations.h"
#include "shell/app/TimedMessage.h"

namespace corva::shell {
namespace {

using test::WaitFor;

// Runs `inspect` on the modal box once it is on screen.
void WhenBoxShows(std::function<void(QMessageBox&)> inspect) {
    QTimer::singleShot(0, [inspect = std::move(inspect)] {
        ASSERT_TRUE(WaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspect(*box);
    });
}

TEST(TimedMessageTest, ANoticeLeftAloneClosesItself) {
    QString caption;
    QString text;
    WhenBoxShows([&](QMessageBox& box) {
        caption = box.windowTitle();
        text = box.text();
    });
    EXPECT_EQ(ShowTimedMessage(nullptr, QStringLiteral("Connection failure!"),
                               QStringLiteral("Corva DSP")),
              kTimedMessageClosedItself);
    EXPECT_EQ(caption, QStringLiteral("Corva DSP"));
    EXPECT_EQ(text, QStringLiteral("Connection failure!"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(TimedMessageTest, OkClosesTheNoticeAtOnce) {
    WhenBoxShows([](QMessageBox& box) { box.button(QMessageBox::Ok)->click(); });
    // A limit far beyond the test's run: only the click can end it in time.
    EXPECT_EQ(ShowTimedMessage(nullptr, QStringLiteral("x"), QStringLiteral("Corva DSP"), 600000),
              kTimedMessageAcknowledged);
}

TEST(TimedMessageTest, ANoticeOnScreenKeepsItsLanguageThroughASwitch) {
    Language language;
    QLabel label;
    language.BindText(&label, Tr("Connection", "No connection can be opened"));
    QString textAfterSwitch;
    WhenBoxShows([&](QMessageBox& box) {
        language.Toggle();
        textAfterSwitch = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    ShowTimedMessage(nullptr, language.Pick(Tr("Connection", "No connection can be opened")),
                     QStringLiteral("Corva DSP"), 600000);
    EXPECT_EQ(textAfterSwitch, QStringLiteral("No connection can be opened"));
    EXPECT_EQ(label.text(), QStringLiteral("没有连接可以打开"));
}

TEST(LanguageTest, BoundTextsFollowEverySwitchUntilTheirWidgetIsGone) {
    Language language;
    auto* label = new QLabel;
    int refreshes = 0;
    language.BindText(label, Tr("Window", "Save"));
    language.OnChange(label, [&refreshes] { ++refreshes; });
    EXPECT_EQ(label->text(), QStringLiteral("Save"));
    language.Set(UiLanguage::Chinese);
    EXPECT_EQ(label->text(), QStringLiteral("保存"));
    language.Set(UiLanguage::Chinese);  // no change, no re-apply
    EXPECT_EQ(refreshes, 1);
    delete label;
    language.Toggle();  // the bindings went with the label
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(language.Pick(Tr("Window", "Save")), QStringLiteral("Save"));
}

TEST(NoticePosterTest, NoticesFromAWorkerThreadArriveInOrderOnTheGuiThread) {
    NoticePoster poster;
    std::vector<int> ids;
    bool allOnGuiThread = true;
    QObject::connect(&poster, &NoticePoster::NoticeArrived, [&](const Notice& notice) {
        allOnGuiThread = allOnGuiThread && QThread::currentThread() == qApp->thread();
        ids.push_back(static_cast<int>(notice.id));
    });
    QSignalSpy progress(&poster, &NoticePoster::ProgressArrived);
    NoticeSink sink = poster.NoticeSinkForWorker();
    auto progressSink = poster.ProgressSinkForWorker();
    std::thread worker([&] {
        sink({NoticeId::VersionReceived});
        progressSink(7);
        sink({NoticeId::SystemReceived});
        sink({NoticeId::OutputsReceived});
    });
    worker.join();
    EXPECT_TRUE(ids.empty());  // nothing is handled on the worker's thread
    ASSERT_TRUE(WaitFor([&] { return ids.size() == 3; }));
    EXPECT_TRUE(allOnGuiThread);
    EXPECT_EQ(ids, (std::vector<int>{1185, 1186, 1134}));
    ASSERT_EQ(progress.count(), 1);
    EXPECT_EQ(progress.at(0).at(0).toInt(), 7);
}

// The texts on a question's buttons, answered No, and on a notice's button.
struct BoxButtonTexts {
    QString yes;
    QString no;
    QString ok;
};

BoxButtonTexts AskAndNotify(MessagePresenter& presenter) {
    BoxButtonTexts texts;
    WhenBoxShows([&texts](QMessageBox& box) {
        texts.yes = box.button(QMessageBox::Yes)->text();
        texts.no = box.button(QMessageBox::No)->text();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(presenter.AskYesNo(QStringLiteral("?"), QStringLiteral("Corva DSP")));
    WhenBoxShows([&texts](QMessageBox& box) {
        texts.ok = box.button(QMessageBox::Ok)->text();
        box.button(QMessageBox::Ok)->click();
    });
    presenter.ShowPlain(QStringLiteral("!"), QStringLiteral("Corva DSP"));
    return texts;
}

TEST(QtTranslationsTest, QtsOwnButtonsAndMenusFollowTheLanguageAndStayEnglishWithoutACatalogue) {
    DialogPresenter presenter;
    Language language;
    language.Set(UiLanguage::Chinese);
    {
        const QtTranslations qtTexts(language);
        ASSERT_TRUE(qtTexts.chineseAvailable()) << "Qt's Chinese catalogue is missing (./setup)";
        const BoxButtonTexts chinese = AskAndNotify(presenter);
        EXPECT_TRUE(chinese.yes.startsWith(QStringLiteral("是"))) << chinese.yes.toStdString();
        EXPECT_TRUE(chinese.no.startsWith(QStringLiteral("否"))) << chinese.no.toStdString();
        EXPECT_EQ(chinese.ok, QStringLiteral("确定"));
        QLineEdit field;
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        EXPECT_TRUE(menu->actions().constFirst()->text().startsWith(QStringLiteral("撤消")))
            << menu->actions().constFirst()->text().toStdString();

        language.Set(UiLanguage::English);
        EXPECT_EQ(AskAndNotify(presenter).yes, QStringLiteral("&Yes"));
        language.Set(UiLanguage::Chinese);
        EXPECT_TRUE(AskAndNotify(presenter).no.startsWith(QStringLiteral("否")));
    }
    // Gone with its owner, and a machine without the catalogue keeps Qt's English.
    const QtTranslations missing(language, {QStringLiteral("/nonexistent")});
    EXPECT_FALSE(missing.chineseAvailable());
    const BoxButtonTexts english = AskAndNotify(presenter);
    EXPECT_EQ(english.yes, QStringLiteral("&Yes"));
    EXPECT_EQ(english.ok, QStringLiteral("OK"));
}

}  // namespace
}  // namespace corva::shell
