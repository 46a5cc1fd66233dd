#include "ui/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>
#include <filesystem>

#include "form/control_table.h"
#include "os/paths.h"
#include "ui/dialog_window.h"
#include "ui/qt_text.h"

namespace deckplate::ui {
namespace {

QString Documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

// How long saving a setting waits for the settings file's lock, and how old a lock that no one
// holds must be to be taken as left behind: a writer holds the lock for milliseconds.
constexpr std::chrono::milliseconds kSettingsLockWait{100};
constexpr std::chrono::milliseconds kSettingsLockLeftBehind{1000};

// QSettings writes under a lock file beside its file and waits for that lock without end. A lock
// left behind that names no ended process of this machine (an empty one, one from another
// machine) it takes as stale only once the file is 30 s old, and the lock of an owner that hangs
// never. So the lock is tried first, briefly, a lock that no one holds taken as left behind from
// 1 s old (a live owner keeps its lock's file locked, and such a lock is never removed). Held:
// the setting is not saved. No lock file can be made (the registry, a settings folder not yet
// made): QSettings goes its own way, which then waits for no lock either.
bool SettingsLockFree(const QSettings& settings) {
    QLockFile lock(settings.fileName() + QStringLiteral(".lock"));
    lock.setStaleLockTime(kSettingsLockLeftBehind);
    return lock.tryLock(kSettingsLockWait) || lock.error() != QLockFile::LockFailedError;
}

void ShowModal(QWidget* parent, QMessageBox::Icon icon, std::string_view text) {
    QMessageBox box(icon, QStringFromUtf8(form::kApplicationTitle), QStringFromUtf8(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

QWidget* QtPlatform::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return window_;
}

void QtPlatform::ShowMessage(std::string_view text) {
    ShowModal(Owner(), QMessageBox::NoIcon, text);
}

void QtPlatform::ReportError(std::string_view text) {
    ShowModal(Owner(), QMessageBox::Critical, text);
}

void QtPlatform::EndProgram() { QApplication::exit(0); }

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
    // The desktop's own choice for every kind of file.
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {file})) return {};
#endif
    if (viewer != form::Viewer::TextEditor && QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return {};
    return QStringLiteral("无法打开 %1").arg(file).toStdString();
}

std::string QtPlatform::ChooseSaveFile(std::string_view name,
                                       std::span<const form::FileKind> kinds) {
    // A bare name goes to the documents; a whole path starts in its own folder.
    const QString proposed = os::PathFromUtf8(name).has_parent_path()
                                 ? QStringFromUtf8(name)
                                 : QDir(Documents()).filePath(QStringFromUtf8(name));
    if (kinds.empty()) {
        return QFileDialog::getSaveFileName(Owner(), QStringFromUtf8(form::kApplicationTitle),
                                            proposed)
            .toStdString();
    }
    // Each kind a filter of its own; the proposed name's kind chosen, and a name typed without
    // an extension given the chosen kind's.
    QStringList filters;
    QStringList suffixes;
    const QString proposedSuffix = QFileInfo(proposed).suffix();
    int chosen = 0;
    for (const form::FileKind& kind : kinds) {
        const QString suffix = QStringFromUtf8(kind.extension);
        if (suffix.compare(proposedSuffix, Qt::CaseInsensitive) == 0) chosen = filters.size();
        filters << QStringLiteral("%1 (*.%2)").arg(QStringFromUtf8(kind.description), suffix);
        suffixes << suffix;
    }
    QFileDialog dialog(Owner(), QStringFromUtf8(form::kApplicationTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters[chosen]);
    dialog.setDefaultSuffix(suffixes[chosen]);
    dialog.selectFile(proposed);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixes.value(static_cast<int>(filters.indexOf(filter))));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

std::string QtPlatform::ChooseOpenFile(std::string_view kind, std::string_view extension) {
    const QString described = QStringFromUtf8(kind);
    const QString filter =
        QStringLiteral("%1 (*.%2);;所有文件 (*)").arg(described, QStringFromUtf8(extension));
    return QFileDialog::getOpenFileName(Owner(), QStringLiteral("打开") + described, Documents(),
                                        filter)
        .toStdString();
}

std::string QtPlatform::ChooseFolder(std::string_view title) {
    return QFileDialog::getExistingDirectory(Owner(), QStringFromUtf8(title), Documents())
        .toStdString();
}

void QtPlatform::RunDialog(form::Dialog& dialog) {
    if (!dialog.IsOpen()) return;
    DialogWindow view(dialog, Owner());
    view.exec();
    // Ending the program stops every event loop, the dialog's too: the model learns it is over.
    if (dialog.IsOpen()) dialog.Cancel();
}

bool QtPlatform::ShowProgress(std::string_view task, double done) {
    return progress_.Step(Owner(), task, done);
}

void QtPlatform::EndProgress() { progress_.End(); }

std::string QtPlatform::LoadSetting(std::string_view key) {
    return QSettings().value(QStringFromUtf8(key)).toString().toStdString();
}

void QtPlatform::SaveSetting(std::string_view key, std::string_view value) {
    // A choice that cannot be saved at once still holds for this run: it is given up rather than
    // leave the window frozen.
    QSettings settings;
    if (!SettingsLockFree(settings)) return;
    settings.setValue(QStringFromUtf8(key), QStringFromUtf8(value));
}

}  // namespace deckplate::ui
