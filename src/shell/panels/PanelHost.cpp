#include "shell/panels/PanelHost.h"

namespace corva::shell {
namespace {

std::size_t Index(PanelSlot slot) {
    return static_cast<std::size_t>(slot);
}

// The settings panel sits a little lower under its button than the file panels.
int GapBelowButton(PanelSlot slot) {
    return slot == PanelSlot::Settings ? 4 : 2;
}

}  // namespace

PanelHost::PanelHost(Factory factory, QObject* parent)
    : QObject(parent), factory_{std::move(factory)} {}

void PanelHost::Open(PanelSlot slot, const QWidget* anchor) {
    for (const PanelSlot other : {PanelSlot::Settings, PanelSlot::Save, PanelSlot::Open}) {
        if (other != slot) {
            Close(other);
        }
    }
    if (slots_[Index(slot)]) {
        return;
    }
    FloatingPanel* panel = factory_(slot);
    slots_[Index(slot)] = panel;
    connect(panel, &FloatingPanel::CloseRequested, this, &PanelHost::Close);
    panel->PlaceUnder(anchor, GapBelowButton(slot));
    panel->show();
    panel->raise();
    panel->activateWindow();
}

void PanelHost::Close(PanelSlot slot) {
    QPointer<FloatingPanel>& held = slots_[Index(slot)];
    if (!held) {
        return;
    }
    FloatingPanel* panel = held;
    held = nullptr;
    panel->hide();
    panel->deleteLater();  // it may be the sender of the request being handled
}

void PanelHost::CloseAll() {
    for (const PanelSlot slot : {PanelSlot::Settings, PanelSlot::Save, PanelSlot::Open}) {
        Close(slot);
    }
}

FloatingPanel* PanelHost::panel(PanelSlot slot) const {
    return slots_[Index(slot)];
}

int PanelHost::openCount() const {
    int count = 0;
    for (const auto& panel : slots_) {
        count += panel ? 1 : 0;
    }
    return count;
}

}  // namespace corva::shell
