// Tools > Settings Report...: the report of what the pages show, saved as
// PDF or HTML and printed through the prompts; failures said, never taken
// for done.
#include "gui/MainWindow.h"
#include "gui/MainWindowFixture.h"
#include "gui/tools/ReportWindow.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include "TestRegistry.h"
#include <QtTest>
#include <functional>

using namespace swted;
using swted::test::ReadBytes;
using swted::test::WriteBytes;

class TestReportWindow : public QObject, protected swted::test::MainWindowFixture {
    Q_OBJECT

    void Start(const QString &file)
    {
        window = std::make_unique<MainWindow>(*editor);
        QVERIFY(window->StartUp(file, prog));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    // Opens the report from the Tools menu, runs act on it and closes it.
    void WithReport(const std::function<void(ReportWindow *)> &act)
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            auto *report = qobject_cast<ReportWindow *>(QApplication::activeModalWidget());
            if (!report) {
                if (QWidget *other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            act(report);
            ran = true;
            report->closeButton->click();
        });
        window->mnuTooReport->trigger();
        QVERIFY(ran);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(prompts->busyDepth, 0);
    }
    static void ExpectMessage(const Message &m, const QString &text, MessageButtons buttons)
    {
        QCOMPARE(m.text, text);
        QCOMPARE(m.title, QStringLiteral("Settings Report"));
        QCOMPARE(m.buttons, buttons);
        QCOMPARE(m.icon, MessageIcon::Exclamation);
    }

private slots:
    void init() { SetUp(false); }
    void cleanup() { TearDown(); }

    // After Find Option Switch, its access key its own; the Tools menu (and
    // so the item) greyed without a file.
    void menuItem()
    {
        Start(QString());
        QVERIFY(!window->mnuTools->menuAction()->isEnabled());
        window.reset();
        Start(job);
        QVERIFY(window->mnuTools->menuAction()->isEnabled());
        QCOMPARE(window->mnuTooReport->text(), QStringLiteral("Settings &Report..."));
        QCOMPARE(window->mnuTooReport->objectName(), QStringLiteral("mnuTooReport"));
        const QList<QAction *> tools = window->mnuTools->actions();
        QCOMPARE(tools.indexOf(window->mnuTooReport), tools.indexOf(window->mnuSeaFind) + 1);
        QSet<QChar> keys;
        for (QAction *a : tools) {
            const qsizetype amp = a->text().indexOf('&');
            if (amp >= 0)
                keys.insert(a->text().at(amp + 1).toUpper());
        }
        QCOMPARE(keys.size(), tools.size());
    }

    // The page on screen is stored first: the report shows an edit not
    // yet saved, and says so; the box keeps only the non-default settings.
    void reportOfThePagesAsShown()
    {
        Start(job);
        QLineEdit *left = window->ActivePage()->Get<QLineEdit>("Opt_10_Text");
        left->setFocus();
        left->selectAll();
        QTest::keyClicks(left, "17");
        WithReport([](ReportWindow *report) {
            QCOMPARE(report->windowTitle(), QStringLiteral("Settings Report"));
            QVERIFY(report->isModal());
            QCOMPARE(report->nonDefault->text(), QStringLiteral("Only &non-default settings"));
            QVERIFY(!report->nonDefault->isChecked());
            QCOMPARE(report->savePdf->text(), QStringLiteral("Save as P&DF..."));
            QCOMPARE(report->saveHtml->text(), QStringLiteral("Save as &HTML..."));
            QCOMPARE(report->print->text(), QStringLiteral("&Print..."));
            QCOMPARE(report->closeButton->text(), QStringLiteral("Close"));
            const QString all = report->preview->toPlainText();
            QVERIFY(all.contains(QStringLiteral("The settings include changes not saved to the file yet.")));
            QVERIFY(report->Html().contains(QStringLiteral(">Left (mm)</td><td class=\"value\">17</td>")));
            QVERIFY(all.contains(QStringLiteral("plotted-iso.trim-marks-plot-orientation.stacking-value")));
            report->nonDefault->click();
            const QString changed = report->preview->toPlainText();
            QVERIFY(changed.contains(QStringLiteral("plotted-iso.drawing-margins.left")));
            QVERIFY(!changed.contains(QStringLiteral("plotted-iso.trim-marks-plot-orientation.stacking-value")));
            QVERIFY(report->Html().contains(QStringLiteral("only those not at their defaults")));
        });
        QVERIFY(prompts->messages.isEmpty());
    }

    void saving_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("chosen");    // in the scratch folder
        QTest::addColumn<QString>("written");   // the file that holds the report, or empty
        QTest::addColumn<int>("overwrite");     // -1: no question; else the answer Yes (1) or No (0)
        QTest::addColumn<QString>("failure");   // the message, %W for the scratch folder
        QTest::newRow("PDF, extension added") << true << "r" << "r.pdf" << -1 << "";
        QTest::newRow("HTML named .htm") << false << "r.htm" << "r.htm" << -1 << "";
        QTest::newRow("PDF over a file, Yes") << true << "old.pdf" << "old.pdf" << 1 << "";
        QTest::newRow("HTML over a file, No") << false << "old.html" << "" << 0 << "";
        QTest::newRow("PDF into a missing folder")
            << true << "none/r.pdf" << "" << -1 << "Cannot write the report %W/none/r.pdf: No such file or directory.";
        QTest::newRow("HTML over a folder")
            << false << "dir.html" << "" << 1 << "Cannot write the report %W/dir.html: it is a folder, not a regular file.";
    }
    void saving()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(int, overwrite);
        QFETCH(QString, failure);
        WriteBytes(work->filePath("old.pdf"), "old");
        WriteBytes(work->filePath("old.html"), "old");
        QDir().mkpath(work->filePath("dir.html"));
        Start(job);
        prompts->dialogResults.push_back(work->filePath(chosen));
        if (overwrite >= 0)
            prompts->answers.push_back(overwrite ? Answer::Yes : Answer::No);
        WithReport([pdf](ReportWindow *report) { (pdf ? report->savePdf : report->saveHtml)->click(); });

        QCOMPARE(prompts->dialogs.size(), 1);
        const FileDialogRequest &request = prompts->dialogs[0].request;
        QVERIFY(prompts->dialogs[0].save);
        QCOMPARE(request.title, pdf ? QStringLiteral("Save Report As PDF") : QStringLiteral("Save Report As HTML"));
        QCOMPARE(request.fileName, work->filePath(pdf ? "JOB-OPT-settings.pdf" : "JOB-OPT-settings.html"));
        int said = 0;
        if (overwrite >= 0) {
            ExpectMessage(prompts->messages[said++], work->filePath(chosen) + " already exists.\rOverwrite?",
                          MessageButtons::YesNo);
        }
        if (!failure.isEmpty())
            ExpectMessage(prompts->messages[said++], failure.replace("%W", work->path()), MessageButtons::Ok);
        QCOMPARE(prompts->messages.size(), said);
        if (!written.isEmpty()) {
            const QByteArray bytes = ReadBytes(work->filePath(written));
            QVERIFY(bytes.startsWith(pdf ? QByteArray("%PDF-") : QByteArray("<!DOCTYPE html>")));
            QVERIFY(bytes.trimmed().endsWith(pdf ? QByteArray("%%EOF") : QByteArray("</html>")));
        }
        QCOMPARE(ReadBytes(work->filePath("old.html")), QByteArray("old")); // No keeps it
        QVERIFY(!QFile::exists(work->filePath("none")));
    }

    // Without a printer the PDF is offered; with one, nothing is asked.
    void printing_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<int>("answer"); // to the offer of a PDF: Yes (1) or No (0)
        QTest::newRow("printer") << true << -1;
        QTest::newRow("no printer, PDF instead") << false << 1;
        QTest::newRow("no printer, no PDF") << false << 0;
    }
    void printing()
    {
        QFETCH(bool, printer);
        QFETCH(int, answer);
        Start(job);
        const QString pdf = work->filePath("printed.pdf");
        if (answer >= 0)
            prompts->answers.push_back(answer ? Answer::Yes : Answer::No);
        prompts->dialogResults.push_back(pdf);
        WithReport([printer, pdf](ReportWindow *report) {
            report->SetPrinterSource([printer, pdf]() -> std::unique_ptr<QPrinter> {
                if (!printer)
                    return nullptr;
                auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
                p->setOutputFormat(QPrinter::PdfFormat);
                p->setOutputFileName(pdf);
                return p;
            });
            report->print->click();
        });
        if (!printer) {
            QCOMPARE(prompts->messages.size(), 1);
            ExpectMessage(prompts->messages[0], "No printer is installed.\rSave the report as a PDF file instead?",
                          MessageButtons::YesNo);
        } else {
            QVERIFY(prompts->messages.isEmpty());
        }
        QCOMPARE(prompts->dialogs.size(), answer == 1 ? 1 : 0);
        QCOMPARE(ReadBytes(pdf).startsWith("%PDF-"), answer != 0);
    }
};

SWTED_TEST_MAIN(TestReportWindow)
#include "test_reportwindow.moc"
