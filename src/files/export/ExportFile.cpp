#include "files/export/ExportFile.h"

#include <QSaveFile>
#include <QString>

namespace corva {

UiText ExportWriteError(const std::string& path, const std::string& reason) {
    const std::string english = "The file \"" + path + "\" cannot be written";
    const std::string chinese = "无法写入文件“" + path + "”";
    if (reason.empty()) {
        return {english + ".", chinese + "。"};
    }
    return {english + ": " + reason + ".", chinese + "：" + reason + "。"};
}

Status WriteExportFile(const std::string& path, std::string_view bytes) {
    // QSaveFile writes to a temporary file in the target's folder and renames it on commit;
    // when it is destroyed uncommitted it removes the temporary file.
    QSaveFile file(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    if (!file.open(QIODevice::WriteOnly)) {
        return Status::Fail(ExportWriteError(path, file.errorString().toStdString()));
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return Status::Fail(ExportWriteError(path, reason));
    }
    if (!file.commit()) {
        return Status::Fail(ExportWriteError(path, file.errorString().toStdString()));
    }
    return Status::Ok();
}

}  // namespace corva
