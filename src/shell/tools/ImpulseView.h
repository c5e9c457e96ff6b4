// The start of every channel's impulse response, overlaid in the channels' colours, each
// scaled to its own peak, with a mark and the channel's name where its direct sound arrives:
// how far apart the speakers sound at the seat, at a glance.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QWidget>

#include "measure/SweepDeconvolver.h"
#include "protocol/ImageLayout.h"

namespace corva::shell {

class ImpulseView : public QWidget {
    Q_OBJECT

public:
    explicit ImpulseView(QWidget* parent = nullptr);

    // Keeps the part of `impulse` the view can show around `arrivalMs`.
    void SetChannel(int channel, const measure::ImpulseResponse& impulse, double arrivalMs);
    void Clear();
    bool hasChannel(int channel) const;

    QSize sizeHint() const override { return {420, 150}; }
    QSize minimumSizeHint() const override { return {240, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Trace {
        std::vector<double> samples;  // from `startMs`, each scaled to the trace's peak
        double startMs = 0.0;
        double sampleMs = 1.0;
        double arrivalMs = 0.0;
    };
    std::array<std::optional<Trace>, kOutputChannelCount> traces_{};
};

}  // namespace corva::shell
