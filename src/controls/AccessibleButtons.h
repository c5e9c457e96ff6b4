// What assistive technology sees of the window's push buttons: their name (the accessible name,
// else the text), whether they are checkable and checked, and actions that do what a click
// does. Qt's own toggle action on a checkable button only flips its mark, so a control that
// reacts to clicks (the channel chooser, BY, link, mute, polarity) did nothing when a screen
// reader pressed it; here "Toggle" and "Press" both click.
#pragma once

namespace corva::controls {

// Installs the interface for every QPushButton and every custom button of the program (tool
// buttons, check boxes and radio buttons keep Qt's own). Call once after the application
// object exists; installing again does nothing.
void InstallAccessibleButtons();

}  // namespace corva::controls
