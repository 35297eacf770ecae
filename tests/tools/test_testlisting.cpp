#include "model/OptionsReader.h"
#include "model/SwitchStore.h"
#include "tools/TestListing.h"
#include "TestSupport.h"

#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {

QVector<FileType> Types()
{
    QVector<FileType> types = StandardTypes();
    types << FileType{QStringLiteral("FIV"), QStringLiteral("FIVE"), 0, QStringLiteral("FIVES"), 1, 5}
          << FileType{QStringLiteral("THR"), QStringLiteral("THREE"), 0, QStringLiteral("THREES"), 1, 3}
          << FileType{QStringLiteral("SIX"), QStringLiteral("SIX"), 0, QStringLiteral("SIXES"), 1, 6}
          << FileType{QStringLiteral("ALL"), QStringLiteral("ALL"), 1, QString(), 0, 70}
          << FileType{QStringLiteral("FTS"), QStringLiteral("FORTY-SEVEN"), 0, QStringLiteral("WIDE"), 2, 47};
    return types;
}

struct Read {
    OptionsDocument doc;
    SwitchStore store;
    QStringList lines;
};

// Reads lines as a file of that name; values are the switch numbers.
void ReadLines(Read &r, const QString &name, const QStringList &lines)
{
    r.lines = lines;
    r.doc.CurrentFilePath = name;
    const ReadOutcome outcome = ReadOptionsLines(r.doc, r.store, Types(), lines);
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
}

// A table of k values per line, value i for switch i, each line ending with
// "tail h"; as many lines as the type has.
QStringList Table(int k, int lineCount)
{
    QStringList lines;
    for (int h = 1; h <= lineCount; ++h) {
        QStringList values;
        for (int i = k * (h - 1) + 1; i <= k * h; ++i)
            values << QString::number(i);
        lines << values.join(QLatin1Char(' ')) + QStringLiteral(" tail ") + QString::number(h);
    }
    return lines;
}

QString CrLfText(const QStringList &lines) { return QString::fromLatin1(CrLf(lines)); }

QStringList Lines(const QString &text)
{
    QStringList l = text.split(QStringLiteral("\r\n"));
    l.removeLast(); // after the last line end
    return l;
}

// Four blanks and a value right-aligned in ten characters.
QString F(const char *value)
{
    const QString v = QString::fromLatin1(value);
    return QStringLiteral("    ") + QString(10 - v.size(), QLatin1Char(' ')) + v;
}

} // namespace

class TestTestListing : public QObject {
    Q_OBJECT

private slots:
    // The left text is the file as read, byte for byte, whatever changed
    // since; the right text shows the values as they are now.
    void leftTextIsTheFileAsRead()
    {
        Read r;
        QStringList lines = {QStringLiteral("lead one"), QStringLiteral("  lead two  ")};
        lines << QStringLiteral("Switch   Switch                 Switch") << QStringLiteral("Number   Setting")
              << QStringLiteral("------   -------");
        for (int n = 1; n <= 140; ++n)
            lines << QStringLiteral("%1       %2                    Purpose %1").arg(n).arg(n * 10);
        lines << QStringLiteral("trailer \xe9") << QString();
        ReadLines(r, QStringLiteral("/jobs/A.OPL"), lines);
        r.store.SetWholeValue(7, 120);
        const TestListing listing = BuildTestListing(r.doc, r.store);
        QCOMPARE(listing.OpSw, CrLfText(lines));
        QCOMPARE(listing.OpSw.toLatin1(), CrLf(lines));

        const QStringList right = Lines(listing.FileText);
        QCOMPARE(right.size(), lines.size());
        QCOMPARE(right[0], QStringLiteral("    lead one"));
        QCOMPARE(right[1], QStringLiteral("      lead two  "));
        QCOMPARE(right[2], QStringLiteral("    Switch   Switch                 Switch"));
        QCOMPARE(right[4], QStringLiteral("    ------   -------"));
        // OPL: the number, blanks to column 8, the value, blanks to column
        // 21 after it, then the purpose text without its leading blanks.
        QCOMPARE(right[5 + 6], QStringLiteral("    7       120                  Purpose 7"));
        QCOMPARE(right[5 + 0], QStringLiteral("    1       10                   Purpose 1"));
        QCOMPARE(right[5 + 139], QStringLiteral("    140     1400                 Purpose 140"));
        QCOMPARE(right[145], QStringLiteral("    trailer \xe9"));
        QCOMPARE(right[146], QStringLiteral("    "));
        QVERIFY(listing.FileText.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(listing.FileText.count(QStringLiteral("\r\n")), lines.size());
        QCOMPARE(listing.FileText.count(QLatin1Char('\n')), lines.size());
    }

    // Another one-per-line type: the value ends at the value end column
    // measured from the file, then twenty blanks.
    void onePerLineToTheValueEndColumn()
    {
        for (int column : {13, 16}) {
            Read r;
            QStringList lines = {QStringLiteral("Switch table"), QStringLiteral("head 2"), QStringLiteral("head 3")};
            for (int n = 1; n <= 140; ++n) {
                const QString v = QString::number(n == 1 ? 0 : n);
                lines << QString::number(n) + QString(column - QString::number(n).size() - v.size(), QLatin1Char(' '))
                        + v + (n == 9 ? QString() : QStringLiteral("   tail %1").arg(n));
            }
            ReadLines(r, QStringLiteral("B.ops"), lines);
            QCOMPARE(r.doc.ValueEndColumn, column);
            r.store.SetWholeValue(7, 120);
            r.store.SetWholeValue(100, -123456789);
            const QStringList right = Lines(BuildTestListing(r.doc, r.store).FileText);
            QCOMPARE(right.size(), 143);
            QCOMPARE(right[0], QStringLiteral("    Switch table"));
            const QString gap(column - 4, QLatin1Char(' '));
            const QString twenty(20, QLatin1Char(' '));
            QCOMPARE(right[3 + 6], QStringLiteral("    7") + gap.left(column - 4) + QStringLiteral("120") + twenty
                         + QStringLiteral("tail 7"));
            if (column == 13)
                QCOMPARE(right[3 + 6], QStringLiteral("    7         120                    tail 7"));
            // A line without a tail keeps the blanks after its value.
            QCOMPARE(right[3 + 8], QStringLiteral("    9") + QString(column - 2, QLatin1Char(' ')) + QStringLiteral("9")
                         + twenty);
            // A value too wide for the column is not cut; no blanks are added
            // before it.
            QCOMPARE(right[3 + 99],
                     QStringLiteral("    100") + QString(qMax(0, column - 13), QLatin1Char(' '))
                         + QStringLiteral("-123456789") + twenty + QStringLiteral("tail 100"));
        }
    }

    // Five per line: each value in a field of ten after four blanks, then
    // two blanks and the line's tail. A file without lead lines starts with
    // its first head line.
    void severalPerLine()
    {
        Read r;
        QStringList lines = {QStringLiteral("FIVES head")};
        lines << Table(5, 28) << QStringLiteral("after");
        ReadLines(r, QStringLiteral("C.FIV"), lines);
        r.store.SetWholeValue(1, 999999999);
        r.store.SetWholeValue(2, 0);
        r.store.SetWholeValue(5, -42);
        const TestListing listing = BuildTestListing(r.doc, r.store);
        const QStringList right = Lines(listing.FileText);
        QCOMPARE(right.size(), 30);
        QCOMPARE(right[0], QStringLiteral("    FIVES head"));
        QCOMPARE(right[1], F("999999999") + F("0") + F("3") + F("4") + F("-42") + QStringLiteral("  tail 1"));
        QCOMPARE(right[1], QStringLiteral("     999999999             0             3             4           -42  tail 1"));
        QCOMPARE(right[28], F("136") + F("137") + F("138") + F("139") + F("140") + QStringLiteral("  tail 28"));
        QCOMPARE(right[29], QStringLiteral("    after"));
        QCOMPARE(listing.OpSw, CrLfText(lines));
    }

    // A count per line that does not divide 140: switches 1 to 140 only.
    // Three per line makes 47 lines, the last with switches 139 and 140 and
    // then its tail; six per line makes 23 lines, which hold switches 1 to
    // 138, as the file does.
    void countThatDoesNotDivide140()
    {
        {
            Read r;
            QStringList table = Table(3, 47);
            table.last() = QStringLiteral("139 140 0 tail 47");
            ReadLines(r, QStringLiteral("D.THR"), QStringList{QStringLiteral("THREES")} + table);
            const QStringList right = Lines(BuildTestListing(r.doc, r.store).FileText);
            QCOMPARE(right.size(), 48);
            QCOMPARE(right[46], F("136") + F("137") + F("138") + QStringLiteral("  tail 46"));
            QCOMPARE(right[47], F("139") + F("140") + QStringLiteral("  tail 47"));
        }
        {
            Read r;
            ReadLines(r, QStringLiteral("E.SIX"), QStringList{QStringLiteral("SIXES")} + Table(6, 23));
            const QStringList right = Lines(BuildTestListing(r.doc, r.store).FileText);
            QCOMPARE(right.size(), 24);
            QCOMPARE(right[23], F("133") + F("134") + F("135") + F("136") + F("137") + F("138") + QStringLiteral("  tail 23"));
        }
    }

    // Two whole listings, byte for byte: lead lines of a type without
    // keyword, and a last line that holds only the switches that remain.
    void wholeListings()
    {
        {
            Read r;
            QStringList lines = {QStringLiteral("LEAD")};
            QStringList values;
            for (int i = 1; i <= 70; ++i)
                values << QStringLiteral("0");
            lines << values.join(QLatin1Char(' ')) + QStringLiteral(" one") << values.join(QLatin1Char(' '));
            ReadLines(r, QStringLiteral("F.ALL"), lines);
            r.store.SetWholeValue(70, 7);
            r.store.SetWholeValue(71, 12345);
            const QString zero = F("0");
            const QString expected = QStringLiteral("    LEAD\r\n") + zero.repeated(69) + F("7") + QStringLiteral("  one\r\n")
                + F("12345") + zero.repeated(69) + QStringLiteral("  \r\n");
            const TestListing listing = BuildTestListing(r.doc, r.store);
            QCOMPARE(listing.FileText, expected);
            QCOMPARE(listing.OpSw, CrLfText(lines));
        }
        {
            Read r;
            QStringList lines = {QStringLiteral("WIDE open"), QStringLiteral("second head")};
            QStringList table = Table(47, 3);
            lines << table << QStringLiteral("END") << QStringLiteral("-152 record");
            ReadLines(r, QStringLiteral("G.FTS"), lines);
            QString expected = QStringLiteral("    WIDE open\r\n    second head\r\n");
            for (int h = 1; h <= 3; ++h) {
                QString line;
                for (int i = 47 * (h - 1) + 1; i <= qMin(47 * h, 140); ++i)
                    line += F(QByteArray::number(i).constData());
                expected += line + QStringLiteral("  tail ") + QString::number(h) + QStringLiteral("\r\n");
            }
            expected += QStringLiteral("    END\r\n    -152 record\r\n");
            const TestListing listing = BuildTestListing(r.doc, r.store);
            QCOMPARE(listing.FileText, expected);
            QCOMPARE(Lines(listing.FileText)[4].size(), 46 * 14 + 2 + 6);
            QCOMPARE(listing.OpSw, CrLfText(lines));
        }
    }

    void testingToolSwitch()
    {
        QVERIFY(TestingToolOn(QStringLiteral("YES")));
        QVERIFY(TestingToolOn(QStringLiteral("yes")));
        QVERIFY(TestingToolOn(QStringLiteral("yEs")));
        QVERIFY(!TestingToolOn(QStringLiteral("Y")));
        QVERIFY(!TestingToolOn(QStringLiteral(" YES")));
        QVERIFY(!TestingToolOn(QStringLiteral("YES ")));
        QVERIFY(!TestingToolOn(QStringLiteral("1")));
        QVERIFY(!TestingToolOn(QString()));
    }

    // The font of a printout: the first "Courier" in the printer's order,
    // else a fixed-pitch font so that columns stay aligned, else the first.
    void printerFont()
    {
        using V = QVector<FontFamily>;
        QCOMPARE(ChoosePrinterFont(V{{"Arial", false}, {"Courier 10 Pitch", true}, {"Courier New", true}}),
                 QStringLiteral("Courier 10 Pitch"));
        QCOMPARE(ChoosePrinterFont(V{{"Courier New", true}, {"Courier", true}}), QStringLiteral("Courier New"));
        QCOMPARE(ChoosePrinterFont(V{{"courier", true}, {"Mono", true}, {"CourierPS", false}}),
                 QStringLiteral("CourierPS"));
        QCOMPARE(ChoosePrinterFont(V{{"DejaVu Sans", false}, {"DejaVu Sans Mono", true}, {"Mono", true}}),
                 QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(ChoosePrinterFont(V{{"Arial", false}, {"Times", false}}), QStringLiteral("Arial"));
        QCOMPARE(ChoosePrinterFont(V{}), QString());
    }
};

SWTED_TEST_GUILESS_MAIN(TestTestListing)
#include "test_testlisting.moc"
