#include "ui/qt_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <filesystem>

#include "form/control_table.h"
#include "os/paths.h"

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

}  // namespace

void QtPlatform::ShowMessage(std::string_view text) {
    ShowModal(window_, QMessageBox::NoIcon, text);
}

void QtPlatform::ReportError(std::string_view text) {
    ShowModal(window_, QMessageBox::Critical, text);
}

void QtPlatform::EndProgram() { QCoreApplication::exit(0); }

std::string QtPlatform::ReportPath() {
#ifdef Q_OS_WIN
    return "d:\\WExo.txt";
#else
    // No drive letters here: the folder ~/d stands for drive D:.
    const std::filesystem::path folder = os::PathFromUtf8(QDir::homePath().toStdString()) / "d";
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure) throw os::FileError(os::FileStep::FindFolder, folder, failure);
    return os::Utf8Of(folder / "WExo.txt");
#endif
}

void QtPlatform::WriteTextFile(std::string_view path, std::string_view text,
                               os::TextEncoding encoding) {
    os::ReplaceTextFile(os::PathFromUtf8(path), text, encoding);
}

std::string QtPlatform::OpenFile(std::string_view path, form::Viewer viewer) {
    const QString file = QDir::toNativeSeparators(FromUtf8(path));
#if defined(Q_OS_WIN)
    if (viewer == form::Viewer::TextEditor &&
        QProcess::startDetached(QStringLiteral("notepad.exe"), {file}))
        return {};
#elif defined(Q_OS_MACOS)
    if (viewer == form::Viewer::TextEditor &&
        QProcess::startDetached(QStringLiteral("open"), {QStringLiteral("-e"), file}))
        return {};
#else
    // The desktop's own choice for either kind of file.
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {file})) return {};
#endif
    if (viewer == form::Viewer::Browser && QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return {};
    return QStringLiteral("无法打开 %1").arg(file).toStdString();
}

std::string QtPlatform::ChooseSaveFile(std::string_view name) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(window_, FromUtf8(form::kApplicationTitle),
                                        QDir(documents).filePath(FromUtf8(name)))
        .toStdString();
}

std::string QtPlatform::LoadSetting(std::string_view key) {
    return QSettings().value(FromUtf8(key)).toString().toStdString();
}

void QtPlatform::SaveSetting(std::string_view key, std::string_view value) {
    QSettings().setValue(FromUtf8(key), FromUtf8(value));
}

}  // namespace deckplate::ui
