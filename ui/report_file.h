#pragma once
// The report file, written so that a failed write never destroys the previous report.

#include <QByteArray>
#include <QString>

namespace deckplate::ui {

/// Replaces the file at `path` with `bytes` in one step (write to a temporary file, then
/// rename). Returns an empty string on success, else why it failed, naming the path; the
/// previous file is then untouched.
QString ReplaceFile(const QString& path, const QByteArray& bytes);

}  // namespace deckplate::ui
