// Where the file commands ask for a path: the platform's own save and open dialogs, behind an
// interface so tests can answer them.
#pragma once

#include <QString>

class QWidget;

namespace corva::shell {

// `start` when it is a folder that exists, else the nearest folder above it that does (the
// home folder when none does): a dialog started at a missing folder would offer its last name
// as the file name.
QString ExistingFolderFor(const QString& start);

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or an empty text when the user cancelled. `start` is a folder or a
    // path whose folder the dialog opens in; `filter` is in Qt's syntax ("Name (*.ext)").
    virtual QString ChooseSavePath(QWidget* parent, const QString& caption, const QString& start,
                                   const QString& filter) = 0;
    // Existing files only.
    virtual QString ChooseOpenPath(QWidget* parent, const QString& caption, const QString& start,
                                   const QString& filter) = 0;
};

class NativeFileChooser final : public FileChooser {
public:
    QString ChooseSavePath(QWidget* parent, const QString& caption, const QString& start,
                           const QString& filter) override;
    QString ChooseOpenPath(QWidget* parent, const QString& caption, const QString& start,
                           const QString& filter) override;
};

}  // namespace corva::shell
