#include "shell/FileChooser.h"

#include <QFileDialog>

namespace corva::shell {

QString NativeFileChooser::ChooseSavePath(QWidget* parent, const QString& caption,
                                          const QString& start, const QString& filter) {
    // The dialog asks before it replaces an existing file.
    return QFileDialog::getSaveFileName(parent, caption, start, filter);
}

QString NativeFileChooser::ChooseOpenPath(QWidget* parent, const QString& caption,
                                          const QString& start, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, start, filter, nullptr,
                                        QFileDialog::ReadOnly);
}

}  // namespace corva::shell
