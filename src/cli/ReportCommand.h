// report: the settings report of an options file, as HTML or PDF.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace swted {

class Editor;

// Checks the shape of "report [--non-default] FILE [-o OUT.pdf|OUT.html]";
// empty when it is sound, else what is wrong.
QString ReportUsageFault(const QStringList &args);
// Reads FILE and writes its report to OUT, or as HTML to out. 1 when the
// file cannot be read, a page's user font set-up would end the editor, or
// the report cannot be written.
int RunReportCommand(const QStringList &args, Editor &editor, QTextStream &out, QTextStream &err);

// Whether a whole command line (after the program's name) writes a PDF
// report, which needs a QGuiApplication.
bool ReportWritesPdf(const QStringList &arguments);

} // namespace swted
