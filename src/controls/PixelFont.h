// A widget's font at a fixed pixel height: the controls are laid out in pixels, so their small
// texts are sized in pixels too, whatever the screen's resolution.
#pragma once

#include <QFont>

namespace corva::controls {

inline QFont WithPixelSize(QFont font, int pixels) {
    font.setPixelSize(pixels);
    return font;
}

}  // namespace corva::controls
