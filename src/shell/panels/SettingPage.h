// The Setting page of the settings panel: the language button and the factory reset.
#pragma once

#include <QWidget>

namespace corva::controls {
class TwoStateSwitch;
class FlatButton;
}  // namespace corva::controls

namespace corva::shell {

class AppContext;
class ConnectionDriver;
class FloatingPanel;

class SettingPage : public QWidget {
    Q_OBJECT

public:
    SettingPage(AppContext& context, ConnectionDriver& connection, FloatingPanel& panel,
                QWidget* parent = nullptr);

    controls::TwoStateSwitch* languageButton() { return languageButton_; }
    controls::FlatButton* resetButton() { return resetButton_; }

private:
    void FactoryReset();

    AppContext& context_;
    ConnectionDriver& connection_;
    FloatingPanel& panel_;
    controls::TwoStateSwitch* languageButton_;
    controls::FlatButton* resetButton_;
};

}  // namespace corva::shell
