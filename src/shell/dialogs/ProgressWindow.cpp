#include "shell/dialogs/ProgressWindow.h"

#include <algorithm>

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/app/ComposedText.h"
#include "shell/app/Language.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/ShellTexts.h"

namespace corva::shell {
namespace {
constexpr int kStepsKeptBelowEnd = 2;  // the bar creeps no further than this below its end
}

ProgressWindow::ProgressWindow(Language& language, std::function<bool()> transferBusy,
                               QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      language_{language},
      transferBusy_{std::move(transferBusy)},
      text_{new QLabel(this)},
      shown_{new ComposedText(
          language, [this](const QString& value) { text_->setText(value); }, this)},
      bar_{new QProgressBar(this)} {
    setObjectName(QStringLiteral("progressWindow"));
    setFixedSize(360, 110);
    setAutoFillBackground(true);
    language_.Bind(this, text::kTransferTitle,
                   [this](const QString& title) { setWindowTitle(title); });

    text_->setFont(ShellFont(FontSize::Large));
    text_->setAlignment(Qt::AlignCenter);
    bar_->setTextVisible(false);
    bar_->setFixedHeight(14);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 22);
    layout->setSpacing(14);
    layout->addWidget(text_);
    layout->addWidget(bar_);

    timer_.setInterval(kProgressTickMs);
    connect(&timer_, &QTimer::timeout, this, &ProgressWindow::Tick);
}

void ProgressWindow::Start(int frameCount) {
    bar_->setRange(0, std::max(frameCount, 1));
    bar_->setValue(0);
    alert_ = false;
    shown_->Show(text::kTransferRunning);
    PaintText();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    const bool wasRunning = running();
    show();
    raise();
    timer_.start();
    if (!wasRunning) {
        emit Started();
    }
}

void ProgressWindow::SetPosition(int progressIndex) {
    if (running()) {
        bar_->setValue(std::clamp(progressIndex, bar_->minimum(), bar_->maximum()));
    }
}

void ProgressWindow::Reset() {
    bar_->setValue(0);
    Stop();
}

int ProgressWindow::position() const {
    return bar_->value();
}
int ProgressWindow::maximum() const {
    return bar_->maximum();
}
QString ProgressWindow::text() const {
    return text_->text();
}

void ProgressWindow::Tick() {
    if (transferBusy_()) {
        alert_ = !alert_;
        PaintText();
        if (bar_->value() < bar_->maximum() - kStepsKeptBelowEnd) {
            bar_->setValue(bar_->value() + 1);
        }
        return;
    }
    shown_->Show(text::kTransferEnded);
    alert_ = false;
    PaintText();
    Stop();
}

void ProgressWindow::Stop() {
    const bool wasRunning = running();
    timer_.stop();
    hide();
    if (wasRunning) {
        emit Finished();
    }
}

void ProgressWindow::PaintText() {
    QPalette palette = text_->palette();
    palette.setColor(QPalette::WindowText, alert_ ? colour::kTextBlinkB : colour::kTextBlinkA);
    text_->setPalette(palette);
}

}  // namespace corva::shell
