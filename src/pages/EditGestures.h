// Ties a control's press and release to the edit API's gesture, so everything the control
// changes while it is held (a pulled fader, a held arrow key, a held spin button) is one undo
// step.
#pragma once

#include <QAbstractButton>

#include "model/ChannelEditor.h"

namespace corva::pages {

// For the program's own controls, which say when a gesture starts and ends.
template <class Control>
    requires requires { &Control::GestureStarted; }
void ConnectGesture(Control* control, ChannelEditor& editor) {
    QObject::connect(control, &Control::GestureStarted, control,
                     [&editor] { editor.BeginGesture(); });
    QObject::connect(control, &Control::GestureFinished, control,
                     [&editor] { editor.EndGesture(); });
}

// A repeating button also emits released and pressed between its repeats while it stays down;
// only the real release ends the gesture.
inline void ConnectGesture(QAbstractButton* button, ChannelEditor& editor) {
    QObject::connect(button, &QAbstractButton::pressed, button,
                     [&editor] { editor.BeginGesture(); });
    QObject::connect(button, &QAbstractButton::released, button, [button, &editor] {
        if (!button->isDown()) {
            editor.EndGesture();
        }
    });
}

}  // namespace corva::pages
