#include "ui/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>
#include <chrono>
#include <filesystem>

#include "form/control_table.h"
#include "os/paths.h"
#include "ui/dialog_window.h"
#include "ui/qt_text.h"
#include "ui/viewer_process.h"

namespace deckplate::ui {
namespace {

// How long a viewer is given to fail: xdg-open hands a file to the desktop's program and ends
// within a fraction of a second, with a failing status when there is none or it will not start.
// One that runs the program itself (no desktop known to it) is still running after this.
constexpr std::chrono::milliseconds kViewerPatience{2000};

// A file dialog's first folder: StartFolder()'s, else the documents, else home (a documents
// folder that is not there would leave the dialog in home with "Documents" typed).
QString FirstFolder(const std::string& remembered) {
    if (!remembered.empty()) return QStringFromUtf8(remembered);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// The filters of a file dialog: the files of the kind `extension`, described as `kind` when
// there is a description, then all files.
QString FileFilters(std::string_view kind, const QString& extension) {
    QString filters;
    if (!extension.isEmpty()) {
        const QString pattern = QStringLiteral("*.") + extension;
        filters =
            kind.empty() ? pattern : QStringLiteral("%1 (%2)").arg(QStringFromUtf8(kind), pattern);
        filters += QStringLiteral(";;");
    }
    return filters + QStringLiteral("所有文件 (*)");
}

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

// A message names files and quotes what they hold ("<h1>", "<i>x.deckplate"): shown as it is,
// never as rich text.
void ShowModal(QWidget* parent, QMessageBox::Icon icon, std::string_view text) {
    QMessageBox box(icon, QStringFromUtf8(form::kApplicationTitle), QStringFromUtf8(text),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// Whether the engineer lets the existing file `path` be replaced.
bool MayReplace(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Warning, QStringFromUtf8(form::kApplicationTitle),
                    QStringLiteral("“%1”已存在。\n要替换它吗？").arg(QFileInfo(path).fileName()),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// Why xdg-open could not show the file, by the statuses its manual gives.
QString XdgOpenFailure(int status) {
    switch (status) {
        case 1:
            return QStringLiteral("xdg-open 的命令行有误");
        case 2:
            return QStringLiteral("xdg-open 找不到这个文件");
        case 3:
            return QStringLiteral("系统中没有打开这类文件的程序");
        case 4:
            return QStringLiteral("打开它的程序未能启动，或报告了错误");
        default:
            return QStringLiteral("xdg-open 以状态 %1 结束").arg(status);
    }
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
    return form::WindowsReportPath();
#else
    // No drive letters here: the folder ~/d stands for drive D:.
    const std::filesystem::path folder = os::PathFromUtf8(QDir::homePath().toStdString()) / "d";
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure) throw os::FileError(os::FileStep::FindFolder, folder, failure);
    return os::Utf8Of(folder / form::kReportFileName);
#endif
}

void QtPlatform::WriteTextFile(std::string_view path, std::string_view text,
                               os::TextEncoding encoding) {
    os::ReplaceTextFile(os::PathFromUtf8(path), text, encoding);
}

std::string QtPlatform::OpenFile(std::string_view path, form::Viewer viewer) {
    const std::string file(path);
    // The desktop's own choice for every kind of file (on macOS, its text editor for the report).
#ifdef Q_OS_MACOS
    const std::string program = "open";
    const std::vector<std::string> arguments = viewer == form::Viewer::TextEditor
                                                   ? std::vector<std::string>{"-e", file}
                                                   : std::vector<std::string>{file};
#else
    const std::string program = "xdg-open";
    const std::vector<std::string> arguments{file};
#endif
    const ViewerStart start = StartViewer(program, arguments, kViewerPatience);
    QString why;
    switch (start.outcome) {
        case ViewerStart::Outcome::Running:
            return {};
        case ViewerStart::Outcome::Ended:
            if (start.code == 0) return {};
            why = program == "xdg-open" ? XdgOpenFailure(start.code)
                                        : QStringLiteral("%1 以状态 %2 结束")
                                              .arg(QStringFromUtf8(program))
                                              .arg(start.code);
            break;
        case ViewerStart::Outcome::Killed:
            why = QStringLiteral("%1 被信号 %2 终止").arg(QStringFromUtf8(program)).arg(start.code);
            break;
        case ViewerStart::Outcome::NotStarted:
            // Without it, Qt's own way to the desktop (its portal, in a sandbox) may still serve
            // a book or a schedule's results.
            if (viewer != form::Viewer::TextEditor &&
                QDesktopServices::openUrl(QUrl::fromLocalFile(QStringFromUtf8(path))))
                return {};
            why = start.code == ENOENT
                      ? QStringLiteral("系统中没有 %1").arg(QStringFromUtf8(program))
                      : QStringLiteral("%1 无法启动（系统错误 %2）")
                            .arg(QStringFromUtf8(program))
                            .arg(start.code);
            break;
    }
    return QStringLiteral("无法打开 %1：%2。").arg(QStringFromUtf8(path), why).toStdString();
}

std::string QtPlatform::ChooseSaveFile(std::string_view name,
                                       std::span<const form::FileKind> kinds) {
    const std::filesystem::path proposed = os::PathFromUtf8(ProposedPath(name));
    const std::string extension =
        proposed.has_extension() ? os::Utf8Of(proposed.extension()).substr(1) : "";
    QString suffix = QStringFromUtf8(extension);
    // With kinds, each a filter of its own: the proposed name's chosen, and a name typed without
    // an extension given the chosen kind's.
    QStringList kindFilters, kindSuffixes;
    for (const form::FileKind& kind : kinds) {
        kindSuffixes << QStringFromUtf8(kind.extension);
        kindFilters << QStringLiteral("%1 (*.%2)")
                           .arg(QStringFromUtf8(kind.description), kindSuffixes.constLast());
    }
    QString chosen = proposed.has_parent_path()
                         ? QStringFromUtf8(os::Utf8Of(proposed))
                         : QDir(FirstFolder({})).filePath(QStringFromUtf8(os::Utf8Of(proposed)));
    for (;;) {
        QFileDialog dialog(Owner(), QStringFromUtf8(form::kApplicationTitle));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        if (kinds.empty()) {
            dialog.setNameFilter(FileFilters(form::FileKindName(extension), suffix));
        } else {
            dialog.setNameFilters(kindFilters);
            qsizetype at = 0;
            while (at < kindSuffixes.size() &&
                   kindSuffixes[at].compare(suffix, Qt::CaseInsensitive) != 0)
                ++at;
            dialog.selectNameFilter(kindFilters.value(at < kindFilters.size() ? at : 0));
            QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                             [&](const QString& filter) {
                                 suffix = kindSuffixes.value(kindFilters.indexOf(filter));
                                 dialog.setDefaultSuffix(suffix);
                             });
        }
        // The extension goes on first, and only then is the engineer asked about replacing the
        // file of that name: a dialog of the desktop's may ask before it adds one.
        dialog.setDefaultSuffix(suffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(chosen);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        chosen = dialog.selectedFiles().constFirst();
        if (!suffix.isEmpty() && !QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
            chosen += QLatin1Char('.') + suffix;
        if (!QFileInfo::exists(chosen) || MayReplace(Owner(), chosen)) break;
    }
    RememberFolderOf(chosen.toStdString());
    return chosen.toStdString();
}

std::string QtPlatform::ChooseOpenFile(std::string_view kind, std::string_view extension) {
    const std::string chosen =
        QFileDialog::getOpenFileName(Owner(), QStringLiteral("打开") + QStringFromUtf8(kind),
                                     FirstFolder(StartFolder()),
                                     FileFilters(kind, QStringFromUtf8(extension)))
            .toStdString();
    RememberFolderOf(chosen);
    return chosen;
}

std::string QtPlatform::ChooseFolder(std::string_view title) {
    const std::string chosen = QFileDialog::getExistingDirectory(Owner(), QStringFromUtf8(title),
                                                                 FirstFolder(StartFolder()))
                                   .toStdString();
    RememberFolder(chosen);
    return chosen;
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
