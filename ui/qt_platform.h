#pragma once

#include "platform.h"

namespace deckplate::ui {

/// The real platform: Qt message boxes, and the report file and viewer of this system —
/// "d:\WExo.txt" and Notepad on Windows; ~/d/WExo.txt (the folder ~/d standing for drive D:)
/// and the desktop's text viewer elsewhere.
class QtPlatform : public Platform {
  public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    void ReportError(QWidget* parent, const QString& text) override;
    void EndProgram() override;
    QString WriteReportFile(const QByteArray& bytes) override;
    QString StartViewer() override;

    /// "d:/WExo.txt" on Windows, ~/d/WExo.txt elsewhere.
    static QString ReportPath();
};

}  // namespace deckplate::ui
