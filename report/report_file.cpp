#include "report_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

namespace deckplate::report {

QByteArray EncodeGbk(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    QStringEncoder encoder("GBK");
    for (auto it = text.cbegin(); it != text.cend();) {
        // One code point at a time, so that a character GBK lacks is replaced alone.
        const qsizetype length = it->isHighSurrogate() && it + 1 != text.cend() ? 2 : 1;
        const QByteArray piece = encoder.encode(QStringView(it, length));
        if (encoder.hasError()) {
            bytes += '?';
            encoder = QStringEncoder("GBK");
        } else {
            bytes += piece;
        }
        it += length;
    }
    return bytes;
}

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

}  // namespace deckplate::report
