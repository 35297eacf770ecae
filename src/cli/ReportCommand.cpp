// report: every setting of a file in words, as an HTML page or a PDF file.
#include "ReportCommand.h"

#include "Cli.h"
#include "CliSupport.h"
#include "gui/tools/ReportWindow.h"
#include "model/FileSystem.h"
#include "settings/SettingsReport.h"
#include "shell/ScriptedPrompts.h"

#include <QGuiApplication>

namespace swted {

namespace {

struct ReportArguments {
    bool nonDefault = false;
    QStringList files;
    QString output; // empty: HTML on standard output
    QString fault;
};

bool IsPdf(const QString &path) { return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive); }
bool IsHtml(const QString &path)
{
    return path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) || path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

ReportArguments Split(const QStringList &args)
{
    ReportArguments a;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--non-default")) {
            a.nonDefault = true;
        } else if (args[i] == QLatin1String("-o")) {
            if (i + 1 >= args.size() || !a.output.isEmpty()) {
                a.fault = QStringLiteral("report takes one -o OUT.pdf or OUT.html");
                return a;
            }
            a.output = args[++i];
        } else {
            a.files << args[i];
        }
    }
    if (a.files.size() != 1)
        a.fault = QStringLiteral("report needs one FILE");
    else if (!a.output.isEmpty() && !IsPdf(a.output) && !IsHtml(a.output))
        a.fault = QStringLiteral("report writes OUT.pdf or OUT.html, not ") + a.output;
    return a;
}

} // namespace

QString ReportUsageFault(const QStringList &args) { return Split(args).fault; }

int RunReportCommand(const QStringList &args, Editor &editor, QTextStream &out, QTextStream &err)
{
    const ReportArguments a = Split(args);
    const QString &path = a.files.first();
    ScriptedPrompts said;
    SingleFile single(said, editor);
    const bool read = ReadFile(single.editor, path);
    for (const QString &text : said.texts())
        PrintPrefixed(err, path, text);
    if (!read)
        return CliFileFailed;
    const SettingsReportInput input = SettingsReportInputOf(single.editor, a.nonDefault);
    const QString html = SettingsReportHtml(input);
    int status = CliDone;
    if (input.explanation.stopped) {
        // Said, and the report still made: it says which pages it lacks.
        for (const QString &text : input.explanation.messages)
            PrintPrefixed(err, path, text);
        status = CliFileFailed;
    }
    if (a.output.isEmpty()) {
        out << html;
        out.flush();
        return status;
    }
    QString error;
    bool written = false;
    if (IsHtml(a.output)) {
        written = WriteReportFile(a.output, html.toUtf8(), &error, editor.force);
    } else if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        error = QStringLiteral("a PDF needs the window system's fonts, and this run has none");
    } else {
        written = WriteReportPdf(html, a.output, &error, editor.force);
    }
    if (!written) {
        err << "swted-cli: " << Printable(ReportWriteFailed(a.output, error)) << '\n';
        err.flush();
        return CliFileFailed;
    }
    return status;
}

bool ReportWritesPdf(const QStringList &arguments)
{
    // The options before the command, as the tool takes them.
    QStringList args = arguments;
    while (!args.isEmpty() && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--program-dir") && !args.isEmpty())
            args.removeFirst();
    }
    if (args.isEmpty() || args.takeFirst() != QLatin1String("report"))
        return false;
    const ReportArguments a = Split(args);
    return a.fault.isEmpty() && IsPdf(a.output);
}

} // namespace swted
