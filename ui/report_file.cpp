#include "report_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace deckplate::ui {

QString ReplaceFile(const QString& path, const QByteArray& bytes) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return QStringLiteral("文件夹不存在：%1").arg(QDir::toNativeSeparators(folder.filePath()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("无法写入 %1：%2").arg(shown, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("写入 %1 失败：%2").arg(shown, reason);
    }
    if (!file.commit()) return QStringLiteral("保存 %1 失败：%2").arg(shown, file.errorString());
    return {};
}

}  // namespace deckplate::ui
