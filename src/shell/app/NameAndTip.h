// Gives a control the name a screen reader says and the tooltip a mouse shows, both
// following the language.
#pragma once

#include <QWidget>

#include "shell/app/Language.h"

namespace corva::shell {

inline void BindNameAndTip(Language& language, QWidget* widget, const UiText& name,
                           const UiText& tip) {
    language.Bind(widget, name,
                  [widget](const QString& value) { widget->setAccessibleName(value); });
    language.Bind(widget, tip, [widget](const QString& value) { widget->setToolTip(value); });
}

}  // namespace corva::shell
