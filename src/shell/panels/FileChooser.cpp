#include "shell/panels/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace corva::shell {

QString ExistingFolderFor(const QString& start) {
    QString folder = QDir::cleanPath(start);
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString above = QFileInfo(folder).path();
        if (above == folder) {
            break;
        }
        folder = above;
    }
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

QString NativeFileChooser::ChooseSavePath(QWidget* parent, const QString& caption,
                                          const QString& start, const QString& filter) {
    // The dialog asks before it replaces an existing file. A start that is a folder must
    // exist, or its name would be offered as the file's.
    const QFileInfo given(start);
    const QString folder = given.isDir() ? start : ExistingFolderFor(start);
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

QString NativeFileChooser::ChooseOpenPath(QWidget* parent, const QString& caption,
                                          const QString& start, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, ExistingFolderFor(start), filter, nullptr,
                                        QFileDialog::ReadOnly);
}

}  // namespace corva::shell
