// The small window shown while a bulk transfer runs: a blinking line of text and a bar that
// follows the answered frames and creeps on by itself. It watches the transfer's busy state
// on a 200 ms tick and says "End of data transmission" and hides once that is clear.
#pragma once

#include <functional>

#include <QTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace corva::shell {

class ComposedText;
class Language;

inline constexpr int kProgressTickMs = 200;

class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    // `transferBusy` tells whether the transfer still runs.
    ProgressWindow(Language& language, std::function<bool()> transferBusy,
                   QWidget* parent = nullptr);

    // Shows the window centred on the screen with the bar at 0 of `frameCount`.
    void Start(int frameCount);
    // The bar follows the index of each answered frame.
    void SetPosition(int progressIndex);
    // A disconnect: bar to 0, window hidden at once.
    void Reset();

    bool running() const { return timer_.isActive(); }
    int position() const;
    int maximum() const;
    QString text() const;
    bool textShowsAlert() const { return alert_; }  // the red phase of the blinking

signals:
    void Started();
    void Finished();

private:
    void Tick();
    void Stop();
    void PaintText();

    Language& language_;
    std::function<bool()> transferBusy_;
    QLabel* text_;
    ComposedText* shown_;  // running or ended, in the language of the moment
    QProgressBar* bar_;
    QTimer timer_;
    bool alert_ = false;
};

}  // namespace corva::shell
