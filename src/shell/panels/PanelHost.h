// The three panel slots of the main view (settings, save, open): at most one panel is open,
// opening one closes the others, opening an open one does nothing, and each opens under the
// top-bar button that asked for it.
#pragma once

#include <array>
#include <functional>

#include <QObject>
#include <QPointer>

#include "shell/panels/FloatingPanel.h"

namespace corva::shell {

class PanelHost : public QObject {
    Q_OBJECT

public:
    // Makes the panel of a slot (parented to the main window).
    using Factory = std::function<FloatingPanel*(PanelSlot)>;
    explicit PanelHost(Factory factory, QObject* parent = nullptr);

    void Open(PanelSlot slot, const QWidget* anchor);
    void Close(PanelSlot slot);  // nothing when the slot is empty
    void CloseAll();

    FloatingPanel* panel(PanelSlot slot) const;
    int openCount() const;

private:
    Factory factory_;
    std::array<QPointer<FloatingPanel>, 3> slots_;
};

}  // namespace corva::shell
