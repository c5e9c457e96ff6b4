#include "shell/app/TimedMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace corva::shell {

int ShowTimedMessage(QWidget* owner, const QString& text, const QString& caption, int timeoutMs) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return kTimedMessageNotShown;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("timedMessage"));
    bool closedItself = false;
    QTimer::singleShot(timeoutMs, &box, [&box, &closedItself] {
        closedItself = true;
        box.done(QMessageBox::Ok);
    });
    box.exec();
    return closedItself ? kTimedMessageClosedItself : kTimedMessageAcknowledged;
}

}  // namespace corva::shell
