// Colours of the response graph and the names its legend shows for unnamed channels.
#pragma once

#include <array>

#include <QColor>

#include "protocol/ImageLayout.h"

namespace corva::pages {

// One colour per output channel, far enough apart to tell six overlapping curves apart.
inline const std::array<QColor, kOutputChannelCount> kChannelColours = {
    QColor{214, 54, 56},   // FL
    QColor{40, 110, 214},  // FR
    QColor{46, 160, 70},   // SL
    QColor{232, 140, 20},  // SR
    QColor{140, 70, 200},  // ULF
    QColor{18, 160, 170},  // Center
};

inline constexpr std::array<const char*, kOutputChannelCount> kDefaultChannelNames = {
    "FL", "FR", "SL", "SR", "ULF", "Center"};

// Curves of the channels that are not being edited stay visible but step back.
inline constexpr int kFaintCurveAlpha = 90;

namespace graph_colour {
inline const QColor kBackground{250, 250, 253};
inline const QColor kPlot{255, 255, 255};
inline const QColor kGridLine{222, 224, 235};
inline const QColor kZeroLine{170, 174, 196};
inline const QColor kInk{38, 43, 66};
inline const QColor kQuietInk{110, 116, 146};
inline const QColor kPanel{255, 255, 255, 225};  // under legend, caption and readout
inline const QColor kCrossover{90, 96, 130};
// A measurement's curves: grey as measured, green target, the predicted result nearly black.
inline const QColor kMeasured{120, 124, 145};
inline const QColor kTarget{40, 150, 70};
inline const QColor kPredicted{30, 32, 48};
}  // namespace graph_colour

}  // namespace corva::pages
