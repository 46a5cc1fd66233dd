// Replacing the report file: a failure never leaves a half-written or lost report.
#include "report_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

namespace deckplate::ui {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(ReplaceFile, WritesAndReplacesWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("WExo.txt");
    EXPECT_EQ(ReplaceFile(path, "first report, longer than the second"), QString());
    EXPECT_EQ(ReplaceFile(path, "second"), QString());
    EXPECT_EQ(ReadAll(path), QByteArray("second"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"WExo.txt"});  // no leftovers
}

TEST(ReplaceFile, MissingFolderIsNamed) {
    QTemporaryDir dir;
    const QString path = dir.filePath("no such folder/WExo.txt");
    const QString failure = ReplaceFile(path, "report");
    EXPECT_TRUE(failure.contains("no such folder")) << failure.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ReplaceFile, UnwritableFolderIsReported) {
    // /proc takes no new files, whoever runs the test.
    const QString failure = ReplaceFile("/proc/WExo.txt", "report");
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_TRUE(failure.contains("/proc/WExo.txt")) << failure.toStdString();
}

TEST(ReplaceFile, FailedWriteKeepsThePreviousReport) {
    QTemporaryDir dir;
    const QString path = dir.filePath("WExo.txt");
    ASSERT_EQ(ReplaceFile(path, "previous report"), QString());

    // A file size limit stands in for a full disk: the new report cannot be written whole.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const QString failure = ReplaceFile(path, QByteArray(64 * 1024, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(failure.isEmpty());
    EXPECT_TRUE(failure.contains(QDir::toNativeSeparators(path))) << failure.toStdString();
    EXPECT_EQ(ReadAll(path), QByteArray("previous report"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"WExo.txt"});
}

}  // namespace
}  // namespace deckplate::ui
