#include "model/OptionsReader.h"
#include "model/TextFile.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {

// A block-layout table: 10 lines of 14 values; line k holds k*100+i.
QStringList BlockTable()
{
    QStringList lines;
    for (int k = 1; k <= 10; ++k) {
        QString l;
        for (int i = 1; i <= 14; ++i)
            l += QStringLiteral("%1 ").arg((k - 1) * 14 + i, 6);
        lines << l + QStringLiteral("    ! comment %1").arg(k);
    }
    return lines;
}

QStringList OneValueTable(int first = 1)
{
    QStringList lines;
    for (int n = first; n <= 140; ++n)
        lines << QStringLiteral("%1   %2   Purpose %1").arg(n).arg(n * 3);
    return lines;
}

} // namespace

class TestReader : public QObject {
    Q_OBJECT

    OptionsDocument doc;
    SwitchStore store;

    ReadOutcome Read(const QString &path, const QStringList &lines)
    {
        doc.CurrentFilePath = path;
        return ReadOptionsLines(doc, store, StandardTypes(), lines);
    }

private slots:
    void init()
    {
        doc = OptionsDocument();
        store = SwitchStore();
    }

    void pathParts()
    {
        QCOMPARE(FileNameOf(QStringLiteral("C:\\dir\\sub/name.opt")), QStringLiteral("NAME.OPT"));
        QCOMPARE(ExtensionOf(QStringLiteral("/a.b/file.Opt")), QStringLiteral("OPT"));
        QCOMPARE(ExtensionOf(QStringLiteral("/a/file.x.opt")), QStringLiteral("X.OPT"));
        QCOMPARE(ExtensionOf(QStringLiteral("/a.b/file")), QString());
        QCOMPARE(DirectoryOf(QStringLiteral("C:\\dir\\x.opt")), QStringLiteral("C:\\dir\\"));
        QCOMPARE(DirectoryOf(QStringLiteral("/d/e/x.opt")), QStringLiteral("/d/e/"));
        QCOMPARE(DirectoryOf(QStringLiteral("x.opt")), QString());
    }

    void switchLineCountRounding()
    {
        QCOMPARE(SwitchLineCountFor(14), 10);
        QCOMPARE(SwitchLineCountFor(1), 140);
        QCOMPARE(SwitchLineCountFor(3), 47);  // 46.67
        QCOMPARE(SwitchLineCountFor(6), 23);  // 23.33
        QCOMPARE(SwitchLineCountFor(56), 2);  // 2.5 goes to the even 2
        QCOMPARE(SwitchLineCountFor(40), 4);  // 3.5 goes to the even 4
        QCOMPARE(SwitchLineCountFor(280), 0); // 0.5 goes to 0
        QCOMPARE(SwitchLineCountFor(0), 0);
        QCOMPARE(SwitchLineCountFor(-1), 0);
    }

    void blockLayoutWithLeadAndTrailerLines()
    {
        QStringList lines{QStringLiteral("lead one"), QStringLiteral("lead two"),
                          QStringLiteral("karven_options_block and more text"), QStringLiteral("  10   !whatever")};
        QStringList table = BlockTable();
        table[0] = QStringLiteral("   0     5   100") + QString(11 * 6, QLatin1Char(' ')).replace(QStringLiteral("      "), QStringLiteral("     7"))
            + QStringLiteral("     ! first line comment");
        lines << table << QStringLiteral("-152 /C:\\FONTS\\USER.FIF") << QStringLiteral("END");

        QVERIFY(Read(QStringLiteral("/x/job.opt"), lines).ok);
        QCOMPARE(doc.CurrentExtension, QStringLiteral("OPT"));
        QCOMPARE(doc.SwitchLineCount, 10);
        QCOMPARE(doc.LeadLineCount, 2);
        QCOMPARE(doc.LeadLines, (QStringList{QStringLiteral("lead one"), QStringLiteral("lead two")}));
        QCOMPARE(doc.HeadLines.size(), 2);
        QCOMPARE(doc.HeadLines[0], QStringLiteral("karven_options_block and more text"));
        QCOMPARE(doc.TrailerLineCount, 2);
        QCOMPARE(doc.TrailerLines[0], QStringLiteral("-152 /C:\\FONTS\\USER.FIF"));
        QCOMPARE(store.GetSwitchValue(1), 0);
        QCOMPARE(store.GetSwitchValue(2), 5);
        QCOMPARE(store.GetSwitchValue(3), 100);
        QCOMPARE(store.GetSwitchValue(4), 7);
        QCOMPARE(store.GetSwitchValue(14), 7);
        QCOMPARE(doc.LineTails[1], QStringLiteral("! first line comment"));
        QCOMPARE(store.GetSwitchValue(15), 15);
        QCOMPARE(store.GetSwitchValue(140), 140);
        QCOMPARE(doc.LineTails[10], QStringLiteral("! comment 10"));
        QCOMPARE(doc.AsRead.SwitchLines, table);
        QCOMPARE(doc.OutputSwitchLines, table);
        QVERIFY(doc.FileLoaded);
        QVERIFY(!store.HasUnsavedChanges());
    }

    void keywordOnlyCountsAtTheStartOfALine()
    {
        QStringList lines{QStringLiteral(" KARVEN_OPTIONS_BLOCK"), QStringLiteral("x KARVEN_OPTIONS_BLOCK")};
        lines << BlockTable();
        store.SetWholeValue(5, 99);
        const ReadOutcome r = Read(QStringLiteral("/x/job.OPT"), lines);
        QVERIFY(!r.ok);
        QCOMPARE(r.message, QStringLiteral("Test String 'KARVEN_OPTIONS_BLOCK' not found in /x/job.OPT"));
        // The store keeps what it held, and that is now the reference.
        QCOMPARE(store.GetSwitchValue(5), 99);
        QVERIFY(!store.HasUnsavedChanges());
        QVERIFY(!doc.FileLoaded);
    }

    void firstKeywordLineCounts()
    {
        QStringList lines{QStringLiteral("KARVEN_OPTIONS_BLOCK"), QStringLiteral("")};
        lines << BlockTable() << QStringLiteral("KARVEN_OPTIONS_BLOCK again");
        QVERIFY(Read(QStringLiteral("a.opt"), lines).ok);
        QCOMPARE(doc.LeadLineCount, 0);
        QCOMPARE(doc.TrailerLines, QStringList{QStringLiteral("KARVEN_OPTIONS_BLOCK again")});
    }

    void oneValuePerLine()
    {
        QStringList lines{QStringLiteral("Switch   Switch"), QStringLiteral("Number"), QStringLiteral("---")};
        QStringList table = OneValueTable();
        table[6] = QStringLiteral("12   4   Weld numbering");
        lines << table;
        QVERIFY(Read(QStringLiteral("list.OPL"), lines).ok);
        QCOMPARE(doc.SwitchLineCount, 140);
        QCOMPARE(store.GetSwitchValue(7), 4);
        QCOMPARE(store.GetSwitchValue(12), 36);
        QCOMPARE(doc.LineTails[7], QStringLiteral("   Weld numbering"));
        QCOMPARE(store.GetSwitchValue(140), 420);
        QCOMPARE(doc.TrailerLineCount, 0);
    }

    void oneValuePerLineOddLines()
    {
        QStringList lines{QStringLiteral("SWITCH"), QString(), QString()};
        QStringList table = OneValueTable();
        table[0] = QStringLiteral("1 5");           // value to the end of the line
        table[1] = QStringLiteral("noblank");       // nothing after the number
        table[2] = QString();                       // empty line
        table[3] = QStringLiteral("4    ");         // only blanks after the number
        lines << table;
        QVERIFY(Read(QStringLiteral("t.ops"), lines).ok);
        QCOMPARE(store.GetSwitchValue(1), 5);
        QCOMPARE(doc.LineTails[1], QStringLiteral(" "));
        QCOMPARE(store.GetSwitchValue(2), 0);
        QCOMPARE(store.GetSwitchValue(3), 0);
        QCOMPARE(store.GetSwitchValue(4), 0);
    }

    void valueEndColumn_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::newRow("one digit at 7") << "1     5      text" << 13;
        QTest::newRow("nine digits at 7") << "1     123456789      text" << 15;
        QTest::newRow("to the end") << "140         123456789" << 21;
        QTest::newRow("no blank") << "140" << 13;
        QTest::newRow("only blanks") << "1      " << 13;
    }
    void valueEndColumn()
    {
        QFETCH(QString, line);
        QFETCH(int, column);
        QCOMPARE(MeasureValueEndColumn(line), column);
    }

    void numberRulesOnSeveralValueLines()
    {
        QStringList lines{QStringLiteral("KARVEN_OPTIONS_BLOCK"), QString()};
        QStringList table = BlockTable();
        table[0] = QStringLiteral("3.5 2.5 12abc abc -7 1.5e2");      // fewer values than 14
        table[1] = QStringLiteral("1 5\t6 2 3 4 5 6 7 8 9 10 11 12 13 rest"); // 5<tab>6 is one token
        lines << table;
        QVERIFY(Read(QStringLiteral("a.OPT"), lines).ok);
        QCOMPARE(store.GetSwitchValue(1), 4);
        QCOMPARE(store.GetSwitchValue(2), 2);
        QCOMPARE(store.GetSwitchValue(3), 12);
        QCOMPARE(store.GetSwitchValue(4), 0);
        QCOMPARE(store.GetSwitchValue(5), -7);
        QCOMPARE(store.GetSwitchValue(6), 150);
        for (int s = 7; s <= 14; ++s)
            QCOMPARE(store.GetSwitchValue(s), 0);
        QCOMPARE(doc.LineTails[1], QString());
        QCOMPARE(store.GetSwitchValue(15), 1);
        QCOMPARE(store.GetSwitchValue(16), 56);
        QCOMPARE(store.GetSwitchValue(17), 2);
        QCOMPARE(store.GetSwitchValue(28), 13);
        QCOMPARE(doc.LineTails[2], QStringLiteral("rest"));
    }

    void typeWithoutKeywordUsesDeclaredLeadLines()
    {
        QStringList lines{QStringLiteral("first lead"), QStringLiteral("second lead")};
        for (int k = 0; k < 7; ++k) {
            QString l;
            for (int i = 1; i <= 20; ++i)
                l += QString::number(k * 20 + i) + QLatin1Char(' ');
            lines << l + QStringLiteral("tail");
        }
        lines << QStringLiteral("trailer");
        QVERIFY(Read(QStringLiteral("x.def"), lines).ok);
        QCOMPARE(doc.LeadLineCount, 2);
        QCOMPARE(doc.HeadLineCount, 0);
        QCOMPARE(doc.SwitchLineCount, 7);
        QCOMPARE(store.GetSwitchValue(1), 1);
        QCOMPARE(store.GetSwitchValue(140), 140);
        QCOMPARE(doc.LineTails[7], QStringLiteral("tail"));
        QCOMPARE(doc.TrailerLines, QStringList{QStringLiteral("trailer")});
    }

    void failuresNameTheFileAndTheFault_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        QStringList shortTable{QStringLiteral("KARVEN_OPTIONS_BLOCK"), QString(), QStringLiteral("1 2 3")};
        QTest::newRow("unknown extension") << "/d/a.txt" << BlockTable()
            << "Cannot read /d/a.txt:\rits extension 'TXT' matches no file type listed in Swted.ini.";
        QTest::newRow("two dots") << "/d/a.b.opt" << BlockTable()
            << "Cannot read /d/a.b.opt:\rits extension 'B.OPT' matches no file type listed in Swted.ini.";
        QTest::newRow("no extension") << "/d/a" << BlockTable()
            << "Cannot read /d/a:\rits name has no extension listed in Swted.ini.";
        QTest::newRow("empty file") << "/d/e.opt" << QStringList()
            << "Cannot read /d/e.opt:\rthe file is empty.";
        QTest::newRow("ends early") << "/d/s.opt" << shortTable
            << "Cannot read /d/s.opt:\rthe file ends after line 3, before its option switch table of 10 lines is complete.";
        QTest::newRow("no keyword, ends early") << "/d/s.def" << QStringList{QStringLiteral("lead")}
            << "Cannot read /d/s.def:\rthe file ends after line 1, before its option switch table of 7 lines is complete.";
        QStringList big{QStringLiteral("KARVEN_OPTIONS_BLOCK"), QString()};
        big << BlockTable();
        big[3] = QStringLiteral("1 2 2147483648");
        QTest::newRow("value too large") << "/d/b.opt" << big
            << "Cannot read /d/b.opt:\rthe value '2147483648' of Option Switch 17 on line 4 is outside the range of -2147483648 to 2147483647.";
        QStringList hex = big;
        hex[3] = QStringLiteral("&HFFFFFFFF");
        QTest::newRow("hex too large") << "/d/b.opt" << hex
            << "Cannot read /d/b.opt:\rthe value '&HFFFFFFFF' of Option Switch 15 on line 4 is outside the range of -2147483648 to 2147483647.";
        // Texts from the file are cut in messages, so a message fits a screen.
        QStringList huge = big;
        huge[3] = QString(1000000, QLatin1Char('9'));
        QTest::newRow("value of a million digits") << "/d/b.opt" << huge
            << "Cannot read /d/b.opt:\rthe value '" + QString(40, QLatin1Char('9'))
                   + "...' of Option Switch 15 on line 4 is outside the range of -2147483648 to 2147483647.";
        QStringList forty = big;
        forty[3] = QString(40, QLatin1Char('8'));
        QTest::newRow("value of 40 digits, shown whole") << "/d/b.opt" << forty
            << "Cannot read /d/b.opt:\rthe value '" + QString(40, QLatin1Char('8'))
                   + "' of Option Switch 15 on line 4 is outside the range of -2147483648 to 2147483647.";
        const QString longExtension = QString(300, QLatin1Char('x'));
        QTest::newRow("long extension") << "/d/a." + longExtension << BlockTable()
            << "Cannot read /d/a." + longExtension + ":\rits extension '" + QString(40, QLatin1Char('X'))
                   + "...' matches no file type listed in Swted.ini.";
    }
    void failuresNameTheFileAndTheFault()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        store.SetWholeValue(1, 11);
        const ReadOutcome r = Read(path, lines);
        QVERIFY(!r.ok);
        QCOMPARE(r.message, message);
        QCOMPARE(store.GetSwitchValue(1), 11);
        QVERIFY(!store.HasUnsavedChanges());
        QVERIFY(!doc.FileLoaded);
        QVERIFY(!doc.TypeSelected);
    }

    void typesWithoutSwitchTable()
    {
        QVector<FileType> types = StandardTypes();
        types.append({QStringLiteral("NOP"), QStringLiteral("NO OPTIONS"), 0, QStringLiteral("NOOP_BLOCK"), 1, -1});
        types.append({QStringLiteral("ZER"), QStringLiteral("ZERO"), 0, QString(), 0, 0});
        types.append({QStringLiteral("WID"), QStringLiteral("WIDE"), 0, QString(), 0, 300});
        for (const char *path : {"/d/a.nop", "/d/a.zer", "/d/a.wid"}) {
            doc.CurrentFilePath = QString::fromLatin1(path);
            const ReadOutcome r = ReadOptionsLines(doc, store, types, BlockTable());
            QVERIFY(!r.ok);
            QVERIFY2(r.message.contains(QStringLiteral("has no option switch table")), qPrintable(r.message));
            QVERIFY(r.message.startsWith(QStringLiteral("Cannot read ") + QString::fromLatin1(path)));
        }
    }

    void keywordTypeWithoutHeadLinesIsRefused()
    {
        // Its keyword line would be read as the first switch line and be
        // missing from every save, which could then never be read again.
        QVector<FileType> types = StandardTypes();
        types.append({QStringLiteral("KW0"), QStringLiteral("NO HEAD"), 0, QStringLiteral("KARVEN_OPTIONS_BLOCK"), 0, 14});
        types.append({QStringLiteral("NK0"), QStringLiteral("NO KEYWORD"), 0, QString(), 0, 14});
        QStringList lines{QStringLiteral("KARVEN_OPTIONS_BLOCK")};
        lines << BlockTable();
        store.SetWholeValue(1, 11);
        doc.CurrentFilePath = QStringLiteral("/d/a.kw0");
        const ReadOutcome r = ReadOptionsLines(doc, store, types, lines);
        QVERIFY(!r.ok);
        QCOMPARE(r.message, QStringLiteral("Cannot read /d/a.kw0:\rthe file type KW0 has the keyword KARVEN_OPTIONS_BLOCK"
                                           " but no head lines (Swted.ini gives it HEADLINES 0), so its keyword line"
                                           " would be taken for a switch line and lost on saving."));
        QCOMPARE(store.GetSwitchValue(1), 11);
        // Without a keyword no head lines are fine: the table starts at the top.
        doc.CurrentFilePath = QStringLiteral("/d/a.nk0");
        QVERIFY(ReadOptionsLines(doc, store, types, BlockTable()).ok);
        QCOMPARE(store.GetSwitchValue(1), 1);
    }

    void lastMatchingTypeWins()
    {
        QVector<FileType> types = StandardTypes();
        types.append({QStringLiteral("OPT"), QStringLiteral("OTHER"), 0, QStringLiteral("OTHER_KEY"), 1, 14});
        doc.CurrentFilePath = QStringLiteral("a.opt");
        QStringList lines{QStringLiteral("other_key")};
        lines << BlockTable();
        QVERIFY(ReadOptionsLines(doc, store, types, lines).ok);
        QCOMPARE(doc.BlockKeyword, QStringLiteral("OTHER_KEY"));
        QCOMPARE(doc.HeadLineCount, 1);
    }

    void tableThatDoesNotDivide140NeverPassesSwitch140()
    {
        QVector<FileType> types{{QStringLiteral("TRI"), QString(), 0, QString(), 0, 3},
                                {QStringLiteral("SIX"), QString(), 0, QString(), 0, 6}};
        QStringList lines;
        for (int k = 1; k <= 47; ++k)
            lines << QStringLiteral("%1 %2 %3 tail%4").arg(3 * k - 2).arg(3 * k - 1).arg(3 * k).arg(k);
        doc.CurrentFilePath = QStringLiteral("a.tri");
        QVERIFY(ReadOptionsLines(doc, store, types, lines).ok);
        QCOMPARE(doc.SwitchLineCount, 47);
        QCOMPARE(store.GetSwitchValue(140), 140);
        QCOMPARE(doc.LineTails[47], QStringLiteral("tail47")); // the 141st token is not a tail

        store = SwitchStore();
        store.SetWholeValue(139, 5);
        store.SetWholeValue(140, 6);
        lines.clear();
        for (int k = 1; k <= 23; ++k)
            lines << QStringLiteral("1 2 3 4 5 6");
        doc = OptionsDocument();
        doc.CurrentFilePath = QStringLiteral("a.six");
        QVERIFY(ReadOptionsLines(doc, store, types, lines).ok);
        QCOMPARE(store.GetSwitchValue(138), 6);
        QCOMPARE(store.GetSwitchValue(139), 5); // beyond the table: untouched
        QCOMPARE(store.GetSwitchValue(140), 6);
    }

    void filesOnDisk()
    {
        QTemporaryDir dir;
        // Mixed line ends, a Latin-1 byte in a lead line, no line end at the end.
        QByteArray bytes = "lead \xE9\xFF\r\nKARVEN_OPTIONS_BLOCK\r\r\n";
        const QStringList table = BlockTable();
        for (int k = 0; k < 10; ++k)
            bytes += table[k].toLatin1() + (k % 3 == 0 ? "\r\n" : k % 3 == 1 ? "\n" : "\r");
        bytes += "last line";
        const QString path = dir.filePath(QStringLiteral("Mixed.Opt"));
        WriteBytes(path, bytes);
        doc.CurrentFilePath = path;
        QVERIFY(ReadOptionsFile(doc, store, StandardTypes()).ok);
        QCOMPARE(doc.LeadLines[0].toLatin1(), QByteArray("lead \xE9\xFF"));
        QCOMPARE(doc.HeadLines[1], QString());
        QCOMPARE(store.GetSwitchValue(140), 140);
        QCOMPARE(doc.TrailerLines, QStringList{QStringLiteral("last line")});

        doc.CurrentFilePath = dir.filePath(QStringLiteral("missing.opt"));
        const ReadOutcome r = ReadOptionsFile(doc, store, StandardTypes());
        QVERIFY(!r.ok);
        QVERIFY(r.message.startsWith(QStringLiteral("Cannot read ") + doc.CurrentFilePath + QStringLiteral(":\r")));
    }

    void splitLines()
    {
        QCOMPARE(SplitLines("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(SplitLines("a\r\n\r\n"), (QStringList{"a", ""}));
        QCOMPARE(SplitLines("\n\r"), (QStringList{"", ""}));
        QCOMPARE(SplitLines(""), QStringList());
        QCOMPARE(SplitLines("\r\r\n"), (QStringList{"", ""}));
    }
};

SWTED_TEST_APPLESS_MAIN(TestReader)
#include "test_reader.moc"
