// The About page of the settings panel: the processor's version tag, the program's software
// version text and, below them, the version this program was built as (the one --version
// prints and reports carry).
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
    QString buildLine() const;

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
    QLabel* build_;
};

}  // namespace corva::shell
