// The row of the processor's 15 presets inside the save and open panels: a button and a
// label per preset, scrolled sideways. A click loads, stores into or deletes that preset,
// by the strip's action; the context menu of a button changes the action and runs it there.
#pragma once

#include <array>

#include <QWidget>

#include "commands/MachinePresets.h"
#include "core/UiText.h"

class QLabel;
class QMenu;
class QScrollArea;

namespace corva::controls {
class PresetButton;
}

namespace corva::shell {

class AppContext;
class ConnectionDriver;
class FloatingPanel;

// What a click on a preset button does (numbered as the panels set it).
enum class PresetAction { SaveAs = 0, Load = 1, Delete = 2 };

// The strip's backdrop: the open panel's is a shade darker.
enum class StripShade { Save, Open };

class PresetStrip : public QWidget {
    Q_OBJECT

public:
    PresetStrip(AppContext& context, ConnectionDriver& connection, FloatingPanel& panel,
                PresetAction action, StripShade shade, QWidget* parent);

    PresetAction action() const { return action_; }
    // A question, a dialog or a message of the strip is open: the panel stays.
    bool busy() const { return busy_ > 0; }

    controls::PresetButton* button(int preset) const;
    QLabel* label(int preset) const;
    QMenu* menu() const { return menu_; }
    QScrollArea* scrollArea() const { return scroll_; }
    QLabel* modeLabel() const { return mode_; }

    // As wide as the panel it sits in: the row of presets scrolls inside.
    QSize sizeHint() const override { return {440, 113}; }
    QSize minimumSizeHint() const override { return {120, 90}; }

    // A click on preset button p, by the current action.
    void Act(int preset);
    // The context menu's choice for preset p: the action changes for later clicks too.
    void ChooseAction(int preset, PresetAction action);
    // Labels and looks from the names the processor's presets carry.
    void Refresh();

signals:
    // The click's action changed (through the context menu).
    void ActionChanged(corva::shell::PresetAction action);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Left and Right walk the buttons; a button that takes the focus is scrolled into view.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenMenu(int preset, QPoint globalPos);
    void LoadPreset(int preset);
    void SavePresetAs(int preset);
    void DeletePreset(int preset);
    void Show(const std::optional<UserMessage>& message);
    void ApplyTips();  // and the mode line

    AppContext& context_;
    ConnectionDriver& connection_;
    FloatingPanel& panel_;
    MachinePresets presets_;
    PresetAction action_;
    StripShade shade_;
    int menuPreset_ = 1;
    int busy_ = 0;
    QScrollArea* scroll_;
    QLabel* mode_;
    QMenu* menu_;
    std::array<controls::PresetButton*, kPresetCount> buttons_{};
    std::array<QLabel*, kPresetCount> labels_{};
};

}  // namespace corva::shell
