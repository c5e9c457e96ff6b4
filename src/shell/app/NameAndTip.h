// Gives a control the name a screen reader says and the tooltip a mouse shows, both
// following the language.
#pragma once

#include <QWidget>

#include "shell/app/Language.h"

namespace corva::shell {

// Accessible names are entries of their own ("accessible name") that Chinese keeps English, so
// scripts and tests find the controls by the same names.
inline void BindName(Language& language, QWidget* widget, const UiText& name) {
    language.Bind(widget, name,
                  [widget](const QString& value) { widget->setAccessibleName(value); });
}

inline void BindNameAndTip(Language& language, QWidget* widget, const UiText& name,
                           const UiText& tip) {
    BindName(language, widget, name);
    language.Bind(widget, tip, [widget](const QString& value) { widget->setToolTip(value); });
}

}  // namespace corva::shell
