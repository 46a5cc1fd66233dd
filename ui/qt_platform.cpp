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
#include "ui/qt_text.h"

namespace deckplate::ui {
namespace {

void ShowModal(QWidget* parent, QMessageBox::Icon icon, std::string_view text) {
    QMessageBox box(icon, QStringFromUtf8(form::kApplicationTitle), QStringFromUtf8(text),
                    QMessageBox::Ok, parent);
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
    const QString file = QDir::toNativeSeparators(QStringFromUtf8(path));
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
    return QFileDialog::getSaveFileName(window_, QStringFromUtf8(form::kApplicationTitle),
                                        QDir(documents).filePath(QStringFromUtf8(name)))
        .toStdString();
}

std::string QtPlatform::LoadSetting(std::string_view key) {
    return QSettings().value(QStringFromUtf8(key)).toString().toStdString();
}

void QtPlatform::SaveSetting(std::string_view key, std::string_view value) {
    QSettings().setValue(QStringFromUtf8(key), QStringFromUtf8(value));
}

}  // namespace deckplate::ui
