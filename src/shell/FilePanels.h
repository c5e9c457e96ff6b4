// The save and open panels as frames under their top-bar buttons; the preset-file controls
// go inside them.
#pragma once

#include "shell/FloatingPanel.h"

namespace corva::shell {

class SavePanel : public FloatingPanel {
    Q_OBJECT

public:
    SavePanel(AppContext& context, QWidget* parent);
};

class OpenPanel : public FloatingPanel {
    Q_OBJECT

public:
    OpenPanel(AppContext& context, QWidget* parent);
};

}  // namespace corva::shell
