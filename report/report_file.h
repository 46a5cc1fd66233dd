#pragma once
// The report's bytes and their file: GBK (code page 936) without byte-order mark, written so
// that a failed write never destroys the previous report.

#include <QByteArray>
#include <QString>

namespace deckplate::report {

/// GBK bytes of `text`; a character GBK lacks (an emoji typed into a load box) becomes "?".
QByteArray EncodeGbk(const QString& text);

/// Replaces the file at `path` with `bytes` in one step (write to a temporary file, then
/// rename). Returns an empty string on success, else why it failed, naming the path; the
/// previous file is then untouched.
QString ReplaceFile(const QString& path, const QByteArray& bytes);

}  // namespace deckplate::report
