// swted-cli report: the PDF holds every page of settings in order, without a
// display; the HTML is a whole document; failures are said and exit 1.
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted::test;

class TestCliReport : public QObject {
    Q_OBJECT

    QTemporaryDir *work = nullptr;
    QString prog;

    QStringList Args(const QStringList &args) const { return QStringList{"--program-dir", prog} + args; }
    static QString Example(const QString &name) { return QStringLiteral(SWTED_SOURCE_DIR "/examples/") + name; }


private slots:
    void init()
    {
        work = new QTemporaryDir;
        prog = MakeProgramDir(work->filePath("prog"));
    }
    void cleanup() { delete work; }

    // Made without a display or a platform named: the tab captions come in
    // the order of the strip, each before its settings; every page has its
    // foot.
    void pdfPageByPage()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = work->filePath("PLANT report.pdf");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(SWTED_BINARY_DIR "/swted-cli"), Args({"report", Example("PLANT.OPT"), "-o", pdf}));
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray());

        const QVector<QStringList> pages = PdfPages(pdf);
        QVERIFY(pages.size() > 3);
        QStringList lines;
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(pages[i].last(), QStringLiteral("Settings of PLANT.OPT Page %1 of %2").arg(i + 1).arg(pages.size()));
            lines += pages[i];
        }
        QCOMPARE(lines.first(), QStringLiteral("Settings of PLANT.OPT"));
        // In order: each caption, then a setting of its page with its value (and key).
        const QStringList expected{
            "Plotted Iso", "PAPER SETTINGS European A4 paper size (210 x 297 mm)", "plotted-iso.paper-settings.sheet-size",
            "Left (mm) 5",
            "System", "Printed Page Length (Number of lines) 55",
            "Material List", "TEXT SIZE User Fonts Absent (greyed)",
            "Welding", "Text Height for Weld Numbers Small-1.5 mm",
            "Dimensioning", "Suppress Jacket Dimensioning off",
            "Iso Style", "Tapped Branch Scaling Factor (Tap on Pipe Type Components) 65",
            "Iso Content", "Vent position off",
            "Specials", "Gap dimension (mm's) 18",
            "Switches no page edits"};
        qsizetype at = 0;
        for (const QString &line : expected) {
            const qsizetype found = lines.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable("not found in order: " + line));
            at = found + 1;
        }
    }

    // A whole document on standard output, UTF-8; only what differs from
    // the defaults with --non-default.
    void htmlOnStandardOutput()
    {
        const CliRun all = RunSwtedCli(Args({"report", Example("PLANT.OPT")}));
        QCOMPARE(all.status, 0);
        QVERIFY(all.out.startsWith("<!DOCTYPE html>\n<html lang=\"en\">"));
        QVERIFY(all.out.endsWith("</html>\n"));
        QVERIFY(all.out.contains("<td class=\"value\">European A4 paper size (210 x 297 mm)</td>"));
        const QString lint = QStandardPaths::findExecutable("xmllint");
        if (!lint.isEmpty()) {
            QProcess p;
            p.start(lint, {"--html", "--noout", "-"});
            p.write(all.out);
            p.closeWriteChannel();
            QVERIFY(p.waitForFinished());
            QCOMPARE(p.readAllStandardError(), QByteArray());
            QCOMPARE(p.exitCode(), 0);
        }
        const CliRun changed = RunSwtedCli(Args({"report", "--non-default", Example("PLANT.OPT")}));
        QCOMPARE(changed.status, 0);
        QVERIFY(changed.out.size() < all.out.size());
        QVERIFY(changed.out.contains("plotted-iso.paper-settings.sheet-size"));
        QVERIFY(!changed.out.contains("plotted-iso.drawing-margins.left<"));
        // Written to a file, the same document.
        const QString html = work->filePath("out.HTML");
        QCOMPARE(RunSwtedCli(Args({"report", Example("PLANT.OPT"), "-o", html})).status, 0);
        QByteArray written = ReadBytes(html);
        const QRegularExpression madeAt("Report made</td><td>[^<]*");
        QCOMPARE(QString::fromUtf8(written).remove(madeAt), QString::fromUtf8(all.out).remove(madeAt));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args"); // %W: the scratch folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err"); // a line of it, %W for the scratch folder
        QTest::newRow("folder missing for the PDF")
            << QStringList{"report", Example("PLANT.OPT"), "-o", "%W/none/r.pdf"} << 1
            << "swted-cli: Cannot write the report %W/none/r.pdf: No such file or directory.";
        QTest::newRow("HTML over a folder")
            << QStringList{"report", Example("PLANT.OPT"), "-o", "%W/dir.html"} << 1
            << "swted-cli: Cannot write the report %W/dir.html: it is a folder, not a regular file.";
        QTest::newRow("no such file") << QStringList{"report", "%W/NONE.OPT"} << 1 << "%W/NONE.OPT: No such file or directory";
        QTest::newRow("another kind of output") << QStringList{"report", Example("PLANT.OPT"), "-o", "r.txt"} << 2
                                                << "swted-cli: report writes OUT.pdf or OUT.html, not r.txt";
        QTest::newRow("two files") << QStringList{"report", Example("PLANT.OPT"), Example("PLANT.IDF")} << 2
                                   << "swted-cli: report needs one FILE";
        QTest::newRow("-o without a name") << QStringList{"report", Example("PLANT.OPT"), "-o"} << 2
                                           << "swted-cli: report takes one -o OUT.pdf or OUT.html";
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        QDir().mkpath(work->filePath("dir.html"));
        for (QString &a : args)
            a.replace("%W", work->path());
        const CliRun run = RunSwtedCli(Args(args));
        QCOMPARE(run.status, status);
        const QStringList lines = QString::fromUtf8(run.err).split('\n');
        QVERIFY2(lines.contains(err.replace("%W", work->path())), run.err.constData());
        QCOMPARE(run.out, QByteArray());
        QVERIFY(!QFile::exists(work->filePath("none")));
    }
};

SWTED_TEST_GUILESS_MAIN(TestCliReport)
#include "test_cli_report.moc"
