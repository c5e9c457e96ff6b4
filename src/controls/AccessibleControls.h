// What assistive technology sees of the window's push buttons and lists. Buttons: their name
// (the accessible name, else the text), whether they are checkable and checked, and actions
// that do what a click does (Qt's own toggle action on a checkable button only flips its mark,
// so a control that reacts to clicks did nothing when a screen reader pressed it). Lists: the
// accessible name says what the list is for and the value is the chosen entry (Qt on Linux
// names a list by its entry), "Press" opens it and "Increase"/"Decrease" choose the next or
// previous entry, which takes effect as any choice does.
#pragma once

namespace corva::controls {

// Installs the interfaces for every QPushButton, every custom button of the program (tool
// buttons, check boxes and radio buttons keep Qt's own) and every QComboBox. Call once after
// the application object exists; installing again does nothing.
void InstallAccessibleControls();

}  // namespace corva::controls
