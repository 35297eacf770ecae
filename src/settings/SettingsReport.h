// The settings report: every setting of a file in words, as a page of HTML to read, save or print.
#pragma once

#include "settings/SettingValues.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace swted {

class Editor;

// What a report is made of. Plain values, so that a report can be made of
// any explanation without a file.
struct SettingsReportInput {
    QString filePath;           // as the file was named (shown as Printable)
    QString extension;          // "OPT"
    QString typeDescription;    // the configured type's, "KARVEN OPTIONS FILE"
    QDateTime fileTime;         // when the file was last changed; invalid when unknown
    QDateTime reportTime;
    Explanation explanation;    // the file's settings (ExplainSettings)
    Explanation defaults;       // the built-in defaults beside it (DefaultsExplanation)
    bool nonDefaultOnly = false; // only the settings whose words differ from the defaults'
    bool unsavedChanges = false; // the explanation holds edits not saved yet
};

// The report as a whole HTML document (UTF-8, with its own style sheet for
// screen and paper): a head with the file's name, type and dates; each page
// of the tab strip in order with its panels in the order they stand on the
// page (sub-page, then row and column), each setting's caption, value in
// words and key; then the switches no page edits and the messages the pages
// gave. Every text from the file or the pages is escaped.
QString SettingsReportHtml(const SettingsReportInput &input);

// The input for the file an editor holds: its explanation with the
// configured run type and its user fonts, the defaults beside it, and the
// file's time on disk; the report time is now.
SettingsReportInput SettingsReportInputOf(Editor &editor, bool nonDefaultOnly);

// When a file was last changed; invalid when it cannot be told.
QDateTime FileModifiedTime(const QString &path);

// Writes a report (HTML or PDF bytes) as the whole content of path, as a
// save writes: not over a symbolic link out of its folder, a folder or a
// device, nor (unless forced) a file the user may not write; all or
// nothing. False with the reason otherwise.
bool WriteReportFile(const QString &path, const QByteArray &bytes, QString *error, bool force = false);

// "Cannot write the report NAME: REASON." as messages and the command line say it.
QString ReportWriteFailed(const QString &path, const QString &reason);

} // namespace swted
