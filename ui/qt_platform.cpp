#include "qt_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>

#include "report_file.h"

namespace deckplate::ui {
namespace {

void ShowModal(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void QtPlatform::ShowMessage(QWidget* parent, const QString& text) {
    ShowModal(parent, QMessageBox::NoIcon, text);
}

void QtPlatform::ReportError(QWidget* parent, const QString& text) {
    ShowModal(parent, QMessageBox::Critical, text);
}

void QtPlatform::EndProgram() { QCoreApplication::exit(0); }

QString QtPlatform::ReportPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("d:/WExo.txt");
#else
    // No drive letters here: the folder ~/d stands for drive D:.
    return QDir::homePath() + QStringLiteral("/d/WExo.txt");
#endif
}

QString QtPlatform::WriteReportFile(const QByteArray& bytes) {
    const QString path = ReportPath();
#ifndef Q_OS_WIN
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("无法创建文件夹 %1").arg(QDir::toNativeSeparators(folder));
#endif
    return report::ReplaceFile(path, bytes);
}

QString QtPlatform::StartViewer() {
    const QString path = QDir::toNativeSeparators(ReportPath());
#if defined(Q_OS_WIN)
    const QString program = QStringLiteral("notepad.exe");
    const QStringList arguments{path};
#elif defined(Q_OS_MACOS)
    const QString program = QStringLiteral("open");
    const QStringList arguments{QStringLiteral("-e"), path};
#else
    const QString program = QStringLiteral("xdg-open");
    const QStringList arguments{path};
#endif
    if (QProcess::startDetached(program, arguments)) return {};
    return QStringLiteral("无法启动 %1 打开 %2").arg(program, path);
}

}  // namespace deckplate::ui
