#include "shell/FilePanels.h"

#include <QVBoxLayout>

#include "shell/ShellTexts.h"

namespace corva::shell {

SavePanel::SavePanel(AppContext& context, QWidget* parent)
    : FloatingPanel(context, PanelSlot::Save, text::kSave, DragArea::Header, parent) {
    setObjectName(QStringLiteral("savePanel"));
    body()->addStretch();
}

OpenPanel::OpenPanel(AppContext& context, QWidget* parent)
    : FloatingPanel(context, PanelSlot::Open, text::kOpen, DragArea::Header, parent) {
    setObjectName(QStringLiteral("openPanel"));
    body()->addStretch();
}

}  // namespace corva::shell
