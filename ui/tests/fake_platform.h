#pragma once
// A platform that records what the window asked of it, and answers as a test tells it to.

#include <QStringList>

#include "platform.h"

namespace deckplate::ui {

class FakePlatform : public Platform {
  public:
    QStringList messages;
    QStringList errors;
    int endProgramCalls = 0;
    QList<QByteArray> writes;
    int viewerStarts = 0;
    QString writeFailure;   ///< returned by WriteReportFile when set
    QString viewerFailure;  ///< returned by StartViewer when set
    QStringList calls;      ///< "write" and "viewer" in the order they came

    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    void ReportError(QWidget*, const QString& text) override { errors << text; }
    void EndProgram() override { ++endProgramCalls; }
    QString WriteReportFile(const QByteArray& bytes) override {
        calls << QStringLiteral("write");
        if (writeFailure.isEmpty()) writes << bytes;
        return writeFailure;
    }
    QString StartViewer() override {
        calls << QStringLiteral("viewer");
        ++viewerStarts;
        return viewerFailure;
    }
};

}  // namespace deckplate::ui
