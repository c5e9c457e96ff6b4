// The colours every custom-drawn control shares, so the controls read as one family.
#pragma once

#include <QColor>

namespace corva::controls::colour {

inline const QColor kInk{38, 43, 66};
inline const QColor kAccent{72, 86, 170};
inline const QColor kBorder{196, 199, 216};  // outlines, and the fader's groove

}  // namespace corva::controls::colour
