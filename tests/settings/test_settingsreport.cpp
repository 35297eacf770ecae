// The settings report as HTML: pages and panels in the order they stand,
// every text escaped, the non-default filter, the switches no page edits,
// and the writing of a report file.
#include "model/SwitchStore.h"
#include "pages/ControlWords.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsReport.h"
#include "shell/ScriptedPrompts.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;

namespace {

QStringList Matches(const QString &html, const QString &pattern)
{
    QStringList out;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(html);
    while (it.hasNext())
        out << it.next().captured(1);
    return out;
}
QStringList PageHeadings(const QString &html) { return Matches(html, QStringLiteral("<h2>([^<]*)</h2>")); }
// The keys of the setting rows, in order.
QStringList Keys(const QString &html) { return Matches(html, QStringLiteral("<td class=\"(?:framed-)?key\"[^>]*>([^<]*)</td>")); }
// The panel titles of one page's part of the report.
QStringList Panels(const QString &html, const QString &page)
{
    const qsizetype from = html.indexOf(QStringLiteral("<h2>") + page + QStringLiteral("</h2>"));
    const qsizetype to = html.indexOf(QStringLiteral("<h2>"), from + 1);
    return Matches(html.mid(from, to - from), QStringLiteral("<h3>([^<]*)</h3>"));
}

SettingsReportInput Input(const SwitchStore &store, bool nonDefaultOnly = false)
{
    SettingsReportInput in;
    in.filePath = QStringLiteral("/projects/area 1/PLANT.OPT");
    in.extension = QStringLiteral("OPT");
    in.typeDescription = QStringLiteral("KARVEN OPTIONS FILE");
    in.fileTime = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    in.reportTime = QDateTime(QDate(2024, 3, 6), QTime(8, 0, 1));
    in.explanation = ExplainSettings(store, false, nullptr);
    in.defaults = DefaultsExplanation(false, nullptr);
    in.nonDefaultOnly = nonDefaultOnly;
    return in;
}

// The tab captions, in the order of the strip.
QStringList TabCaptions()
{
    QStringList pages;
    for (const Setting &s : AllSettings()) {
        const QString caption = CaptionAsShown(s.description->tabCaption);
        if (pages.isEmpty() || pages.last() != caption)
            pages << caption;
    }
    return pages;
}

SwitchStore DefaultsFile()
{
    SwitchStore store;
    store.DefaultAllSwitches();
    return store;
}

} // namespace

class TestSettingsReport : public QObject {
    Q_OBJECT

private slots:
    void documentAndHead()
    {
        const QString html = SettingsReportHtml(Input(DefaultsFile()));
        QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n")));
        QVERIFY(html.endsWith(QStringLiteral("</body>\n</html>\n")));
        QVERIFY(html.contains(QStringLiteral("<title>Settings of PLANT.OPT</title>")));
        for (const char *fact : {"<td>/projects/area 1/PLANT.OPT</td>", "<td>OPT (KARVEN OPTIONS FILE)</td>",
                                 "<td>2024-03-05 14:07:09</td>", "<td>2024-03-06 08:00:01</td>"})
            QVERIFY2(html.contains(QString::fromUtf8(fact)), fact);
    }

    // Pages in the order of the tab strip, each page's panels sub-page by
    // sub-page, row by row, from the left: a panel whose controls the
    // description lists in two places is one panel, and every setting is
    // in the report once, in the order of its page.
    void pagesAndPanelsInOrder()
    {
        const QString html = SettingsReportHtml(Input(DefaultsFile()));
        QCOMPARE(PageHeadings(html), TabCaptions() + QStringList{"Switches no page edits"});
        QCOMPARE(Panels(html, "Plotted Iso"),
                 (QStringList{"PAPER SETTINGS", "DRAWING MARGINS", "PLOTFILE / BACKING SHEET FORMAT", "FILE/SCREEN",
                              "DXF FILE UNITS", "DEFAULT DRAWING FRAME", "DRAWING - RESERVED AREAS",
                              "SCALING - DRAWING OUTPUT", "TRIM MARKS / PLOT ORIENTATION", "PLOT LENGTH CONTROL"}));
        const QStringList keys = Keys(html);
        QCOMPARE(keys.size(), AllSettings().size());
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        const qsizetype trim = keys.indexOf("plotted-iso.trim-marks-plot-orientation.draw-trim-marks");
        QCOMPARE(keys.mid(trim, 3), (QStringList{"plotted-iso.trim-marks-plot-orientation.draw-trim-marks",
                                                 "plotted-iso.trim-marks-plot-orientation.stacking-value",
                                                 "plotted-iso.trim-marks-plot-orientation.plot-across-paper-roll"}));
        // A frame's settings stand under its title, indented.
        QVERIFY(html.contains(QRegularExpression(
            "<td class=\"frame\" colspan=\"2\">Non standard paper size</td></tr>\n<tr><td class=\"framed\"[^>]*>Width \\(mm\\)</td>")));
    }

    // Whatever the file, the pages or the configuration say is text, never markup.
    void everyTextIsEscaped()
    {
        SettingsReportInput in = Input(DefaultsFile());
        in.filePath = QStringLiteral("/jobs/<b>&amp;/A&B.OPT");
        in.typeDescription = QStringLiteral("<i>TYPE</i>");
        in.explanation.settings[0].value = QStringLiteral("<script>alert(1)</script> & \"more\"");
        in.explanation.messages = {QStringLiteral("Value <7> & more\rsecond line")};
        const QString html = SettingsReportHtml(in);
        for (const char *raw : {"<b>", "<i>", "<script>", "&amp;/", "A&B"})
            QVERIFY2(!html.contains(QString::fromUtf8(raw)), raw);
        for (const char *escaped : {"/jobs/&lt;b&gt;&amp;amp;/A&amp;B.OPT", "&lt;i&gt;TYPE&lt;/i&gt;",
                                    "&lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;more&quot;",
                                    "<li>Value &lt;7&gt; &amp; more<br>second line</li>",
                                    "<title>Settings of A&amp;B.OPT</title>"})
            QVERIFY2(html.contains(QString::fromUtf8(escaped)), escaped);
    }

    // Only the settings whose words differ from the defaults' beside the
    // file, each with the default; a file of the defaults has none.
    void nonDefaultFilter_data()
    {
        QTest::addColumn<QStringList>("changes"); // KEY=VALUE made on a file of the defaults
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("defaults") << QStringList{} << QStringList{};
        QTest::newRow("one list") << QStringList{"plotted-iso.paper-settings.sheet-size=European A1"}
                                  << QStringList{"plotted-iso.paper-settings.sheet-size"};
        QTest::newRow("two pages") << QStringList{"plotted-iso.drawing-margins.left=12",
                                                  "welding.site-welds-with-spools.site-welds-not-assigned-to-spools=on"}
                                   << QStringList{"plotted-iso.drawing-margins.left",
                                                  "welding.site-welds-with-spools.site-welds-not-assigned-to-spools"};
    }
    void nonDefaultFilter()
    {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, keys);
        SwitchStore store = DefaultsFile();
        ScriptedPrompts quiet;
        for (const QString &change : changes) {
            const QStringList kv = change.split('=');
            const SettingEdit edit = SetSetting(store, quiet, false, nullptr, *FindSetting(kv[0]), kv[1]);
            QVERIFY2(edit.done, qPrintable(edit.error));
        }
        const QString html = SettingsReportHtml(Input(store, true));
        QCOMPARE(Keys(html), keys);
        QCOMPARE(html.count(QStringLiteral("<span class=\"default\">Default: ")), keys.size());
        QCOMPARE(PageHeadings(html), TabCaptions() + QStringList{"Switches no page edits"});
        QVERIFY(html.contains(QStringLiteral("<td>%1 of %2: only those not at their defaults</td>")
                                  .arg(keys.size()).arg(AllSettings().size())));
        if (keys.isEmpty())
            QCOMPARE(html.count(QStringLiteral("Every setting of this page is at its default.")), TabCaptions().size());
    }

    // By number, with the file's value; the filter keeps those off their default.
    void switchesNoPageEdits_data()
    {
        QTest::addColumn<bool>("nonDefaultOnly");
        QTest::newRow("all") << false;
        QTest::newRow("non-default") << true;
    }
    void switchesNoPageEdits()
    {
        QFETCH(bool, nonDefaultOnly);
        const QVector<int> others = SwitchesNoPageEdits();
        QVERIFY(others.size() > 2);
        SwitchStore store = DefaultsFile();
        store.SetWholeValue(others[1], 123456789);
        const QString html = SettingsReportHtml(Input(store, nonDefaultOnly));
        const QString part = html.mid(html.indexOf(QStringLiteral("<h2>Switches no page edits</h2>")));
        const QStringList numbers = Matches(part, QStringLiteral("<td class=\"number\">(\\d+)</td>"));
        const QStringList values = Matches(part, QStringLiteral("<td class=\"switch\">(-?\\d+)</td>"));
        QStringList expected;
        for (int n : others) {
            if (!nonDefaultOnly || n == others[1])
                expected << QString::number(n);
        }
        QCOMPARE(numbers, expected);
        QCOMPARE(values.at(numbers.indexOf(QString::number(others[1]))), QStringLiteral("123456789"));
    }

    // All or nothing, and never through a folder or a missing one; the
    // reason is given.
    void writingAReportFile()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath("report.html");
        QString error;
        QVERIFY(WriteReportFile(good, "<html></html>", &error));
        QCOMPARE(swted::test::ReadBytes(good), QByteArray("<html></html>"));
        QVERIFY(!WriteReportFile(dir.filePath("none/report.html"), "x", &error));
        QCOMPARE(error, QStringLiteral("No such file or directory"));
        QVERIFY(!WriteReportFile(dir.path(), "x", &error));
        QCOMPARE(error, QStringLiteral("it is a folder, not a regular file"));
        QCOMPARE(ReportWriteFailed("/x/A.pdf", error), QStringLiteral("Cannot write the report /x/A.pdf: it is a folder, not a regular file."));
    }
};

SWTED_TEST_APPLESS_MAIN(TestSettingsReport)
#include "test_settingsreport.moc"
