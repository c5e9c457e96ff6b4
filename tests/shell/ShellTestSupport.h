// What the shell tests share: a presenter that records messages and answers questions, a
// cleared settings store, event-driven waits, and a whole program (context and shown window)
// on the simulated processor.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/settings/SettingsInUseMarkers.h"
#include "platform/settings/SharedSettings.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/MainView.h"
#include "shell/app/MainWindow.h"
#include "sim/InProcessLink.h"
#include "sim/SimulatedProcessorKit.h"

namespace corva::shell::test {

// Generous: the machine may be busy; a passing test never waits this long.
inline constexpr int kWaitLimitMs = 20000;

inline void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

inline bool WaitFor(const std::function<bool()>& condition, int limitMs = kWaitLimitMs) {
    return QTest::qWaitFor(condition, limitMs);
}

struct ShownMessage {
    enum class Kind { Timed, Plain, Question } kind;
    QString text;
    QString caption;
};

class RecordingPresenter final : public MessagePresenter {
public:
    void ShowTimed(const QString& text, const QString& caption) override {
        shown.push_back({ShownMessage::Kind::Timed, text, caption});
    }
    void ShowPlain(const QString& text, const QString& caption) override {
        shown.push_back({ShownMessage::Kind::Plain, text, caption});
    }
    bool AskYesNo(const QString& question, const QString& caption) override {
        shown.push_back({ShownMessage::Kind::Question, question, caption});
        if (onQuestion) {
            onQuestion();
        }
        return answerYes;
    }
    bool Showed(const QString& text) const {
        for (const auto& message : shown) {
            if (message.text == text) {
                return true;
            }
        }
        return false;
    }

    std::vector<ShownMessage> shown;
    bool answerYes = true;
    std::function<void()> onQuestion;  // runs while the question is "on screen"
};

// Empties the per-user store (the test run's temporary one).
inline void ClearSettingsStore() {
    QSettings store(QSettings::IniFormat, QSettings::UserScope,
                    QString::fromLatin1(kSharedStoreName));
    store.clear();
    store.sync();
}

inline QString StoredValue(const QString& key) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope,
                    QString::fromLatin1(kSharedStoreName));
    return store.value(key).toString();
}

// A program on the simulated processor: context, recording presenter and shown window.
class Program {
public:
    explicit Program(Timing timing = Timing{}) {
        ClearSettingsStore();
        AppSetup setup;
        setup.source = DeviceSource::Demo;
        setup.timing = timing;
        setup.simulator = sim::SimulatedProcessorKit::Factory();
        setup.folders = {folders.filePath(QStringLiteral("start")),
                         folders.filePath(QStringLiteral("documents"))};
        context = std::make_unique<AppContext>(setup);
        auto recorder = std::make_unique<RecordingPresenter>();
        messages = recorder.get();
        context->SetMessagePresenter(std::move(recorder));
        window = std::make_unique<MainWindow>(*context);
        window->show();
    }

    MainView& view() { return window->view(); }
    ConnectionDriver& connection() { return view().connection(); }
    sim::SimDeviceEnumerator& devices() { return sim::SimulatedProcessorKit::Of(*context->demoDevices()); }

    bool WaitSynchronised() {
        return WaitFor([this] { return connection().synchronised(); });
    }

    QTemporaryDir folders;
    std::unique_ptr<AppContext> context;
    RecordingPresenter* messages = nullptr;
    std::unique_ptr<MainWindow> window;  // destroyed before the context
};

}  // namespace corva::shell::test
