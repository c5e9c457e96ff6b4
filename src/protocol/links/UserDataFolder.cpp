#include "protocol/links/UserDataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace corva {

std::string SnapshotFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("CorvaDSP/snapshots")).toStdString();
}

}  // namespace corva
