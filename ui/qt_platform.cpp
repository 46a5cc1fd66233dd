#include "qt_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <filesystem>

#include "control_table.h"
#include "error_report.h"
#include "file_replacement.h"
#include "gbk.h"

namespace deckplate::ui {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowModal(QWidget* parent, QMessageBox::Icon icon, std::string_view text) {
    QMessageBox box(icon, FromUtf8(form::kApplicationTitle), FromUtf8(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

QString ReportPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("d:/WExo.txt");
#else
    // No drive letters here: the folder ~/d stands for drive D:.
    return QDir::homePath() + QStringLiteral("/d/WExo.txt");
#endif
}

}  // namespace

void QtPlatform::ShowMessage(std::string_view text) {
    ShowModal(window_, QMessageBox::NoIcon, text);
}

void QtPlatform::ReportError(std::string_view text) {
    ShowModal(window_, QMessageBox::Critical, text);
}

void QtPlatform::EndProgram() { QCoreApplication::exit(0); }

std::string QtPlatform::WriteReportFile(std::string_view text) {
    const std::filesystem::path path = QDir::toNativeSeparators(ReportPath()).toStdU16String();
#ifndef Q_OS_WIN
    std::error_code failure;
    std::filesystem::create_directories(path.parent_path(), failure);
    if (failure) return "无法创建文件夹 " + path.parent_path().string() + "：" + failure.message();
#endif
    try {
        os::ReplaceFile(path, os::EncodeGbk(text));
        return {};
    } catch (const os::FileError& error) {
        return form::FileErrorText(error);
    }
}

std::string QtPlatform::StartViewer() {
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
    return QStringLiteral("无法启动 %1 打开 %2").arg(program, path).toStdString();
}

std::string QtPlatform::LoadSetting(std::string_view key) {
    return QSettings().value(FromUtf8(key)).toString().toStdString();
}

void QtPlatform::SaveSetting(std::string_view key, std::string_view value) {
    QSettings().setValue(FromUtf8(key), FromUtf8(value));
}

}  // namespace deckplate::ui
