#pragma once
// What the window needs from the operating system, behind one interface: the message box, the
// error report, ending the program, the report file and its viewer. QtPlatform does it for real
// (with a Windows and a Linux branch for the file and the viewer); tests use a recording fake.

#include <QByteArray>
#include <QString>

class QWidget;

namespace deckplate::ui {

inline const QString kApplicationTitle = QStringLiteral("平台钢铺板计算");

class Platform {
  public:
    virtual ~Platform() = default;

    /// Modal message with one OK button, no icon and the application's title.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    /// Modal error report with the application's title; the program keeps running.
    virtual void ReportError(QWidget* parent, const QString& text) = 0;
    /// Ends the program at once, without prompt.
    virtual void EndProgram() = 0;

    /// Replaces the report file with `bytes` as one step: on failure the previous file stays as
    /// it was. Returns an empty string on success, else the reason in words.
    virtual QString WriteReportFile(const QByteArray& bytes) = 0;
    /// Opens the report in the text editor without waiting. Empty on success, else the reason.
    virtual QString StartViewer() = 0;
};

}  // namespace deckplate::ui
