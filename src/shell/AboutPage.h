// The About page of the settings panel: the processor's version tag and the program's own.
#pragma once

#include <QWidget>

class QLabel;

namespace corva::shell {

class AppContext;
class ConnectionDriver;

class AboutPage : public QWidget {
    Q_OBJECT

public:
    AboutPage(AppContext& context, ConnectionDriver& connection, QWidget* parent = nullptr);

    QString deviceLine() const;
    QString softwareLine() const;

signals:
    void CloseRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    QString DeviceVersionTag() const;

    AppContext& context_;
    QLabel* device_;
    QLabel* software_;
};

}  // namespace corva::shell
