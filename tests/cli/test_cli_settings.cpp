// swted-cli on settings by key: diff names what a set changed, refusals and
// second sets leave every byte, several files are done one by one.
#include "TestSupport.h"
#include "model/SwitchStore.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

class TestCliSettings : public QObject {
    Q_OBJECT

    QTemporaryDir *work = nullptr;
    QString prog;

    CliRun Cli(const QStringList &args) { return RunSwtedCli(QStringList{"--program-dir", prog} + args); }
    QString Example(const QString &name, const QString &type = "OPT")
    {
        const QString path = work->filePath(name + "." + type);
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.") + type, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
private slots:
    void init()
    {
        work = new QTemporaryDir;
        prog = MakeProgramDir(work->filePath("prog"));
    }
    void cleanup() { delete work; }

    // diff of a file with itself is empty; after one set it names exactly
    // the settings that set changed, the ones its interlock sets off too.
    void diffNamesWhatASetChanged_data()
    {
        QTest::addColumn<QString>("prepare"); // switch assignments first, or empty
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("list") << "" << "plotted-iso.paper-settings.sheet-size=European A1"
                              << QStringList{"plotted-iso.paper-settings.sheet-size"};
        QTest::newRow("interlock clears the other size")
            << "15=700 16=500" << "plotted-iso.paper-settings.sheet-size=#3"
            << QStringList{"plotted-iso.paper-settings.sheet-size", "plotted-iso.paper-settings.non-standard-paper-size.width",
                           "plotted-iso.paper-settings.non-standard-paper-size.height"};
        QTest::newRow("check") << "" << "plotted-iso.trim-marks-plot-orientation.draw-trim-marks=off"
                               << QStringList{"plotted-iso.trim-marks-plot-orientation.draw-trim-marks"};
        QTest::newRow("field") << "" << "plotted-iso.drawing-margins.left=12"
                               << QStringList{"plotted-iso.drawing-margins.left"};
    }
    void diffNamesWhatASetChanged()
    {
        QFETCH(QString, prepare);
        QFETCH(QString, assignment);
        QFETCH(QStringList, keys);
        const QString a = Example("A");
        if (!prepare.isEmpty())
            QCOMPARE(Cli(QStringList{"set", a} + prepare.split(' ')).status, 0);
        const CliRun same = Cli({"diff", a, a});
        QCOMPARE(same.status, 0);
        QCOMPARE(same.out, QByteArray());
        const QString b = work->filePath("B.OPT");
        QFile::copy(a, b);
        const CliRun set = Cli({"set", b, assignment});
        QVERIFY2(set.status == 0, set.err.constData());
        const CliRun diff = Cli({"diff", a, b});
        QCOMPARE(diff.status, 1);
        QCOMPARE(LineHeads(diff.out), keys);
    }

    // A refused set or reset leaves the file byte for byte as it was, with
    // no backup; the reason lists what is allowed.
    void refusalsLeaveTheFile_data()
    {
        QTest::addColumn<QStringList>("args"); // FILE is appended after the command
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("unknown key") << QStringList{"set", "plotted-iso.no-such.key=1"} << 2 << "unknown key";
        QTest::newRow("no such item") << QStringList{"set", "plotted-iso.paper-settings.sheet-size=B5"} << 1
                                      << "Allowed: \"Default (European A2)\"";
        QTest::newRow("ambiguous") << QStringList{"set", "plotted-iso.paper-settings.sheet-size=European"} << 1
                                   << "could be any of";
        QTest::newRow("out of range") << QStringList{"set", "plotted-iso.drawing-margins.left=1000"} << 1
                                      << "Allowed: -99 to 999 (mm)";
        QTest::newRow("not on or off") << QStringList{"set", "plotted-iso.trim-marks-plot-orientation.draw-trim-marks=yes"}
                                       << 1 << "Allowed: on, off";
        QTest::newRow("greyed for T-KOR") << QStringList{"T-KOR", "set", "plotted-iso.drawing-margins.left=12"} << 1
                                          << "greyed for the T-KOR run type";
        QTest::newRow("reset greyed") << QStringList{"T-KOR", "reset", "plotted-iso.drawing-margins.left"} << 1
                                      << "greyed for the T-KOR run type";
    }
    void refusalsLeaveTheFile()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, said);
        if (args.first() == "T-KOR") {
            args.removeFirst();
            QByteArray ini = ReadBytes(prog + "/Swted.ini");
            ini.replace("PROGRAM = KARVEN", "PROGRAM = T-KOR");
            WriteBytes(prog + "/Swted.ini", ini);
        }
        const QString path = Example("JOB");
        const QByteArray before = ReadBytes(path);
        args.insert(1, path);
        const CliRun r = Cli(args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(said.toUtf8()), r.err.constData());
        QCOMPARE(ReadBytes(path), before);
        QVERIFY(!QFileInfo::exists(work->filePath("JOB.BAK")));
    }

    // Several files: each saved or refused on its own, a summary, and a
    // status that says one was refused; the dry run writes nothing and
    // prints the switches and settings that would change.
    void severalFiles()
    {
        const QString good = Example("GOOD");
        const QString missing = work->filePath("MISSING.OPT");
        const QString key = "plotted-iso.paper-settings.sheet-size";

        const CliRun dry = Cli({"set", "--dry-run", good, key + "=European A1"});
        QCOMPARE(dry.status, 0);
        QCOMPARE(dry.out, (good + ": 14 4 1\n" + good + ": " + key
                           + ": European A4 paper size (210 x 297 mm) -> European A1 paper size (594 x 841 mm)\n")
                              .toUtf8());
        QCOMPARE(ReadBytes(good), ReadBytes(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPT")));

        const CliRun r = Cli({"set", missing, good, key + "=European A1"});
        QVERIFY(r.status != 0);
        QVERIFY2(r.out.endsWith("set: 1 changed, 0 unchanged, 1 refused\n"), r.out.constData());
        QCOMPARE(Cli({"get", good, key}).out, QByteArray("European A1 paper size (594 x 841 mm)\n"));
        QVERIFY(!QFileInfo::exists(missing));
    }

    // explain --non-default of a file of the defaults names no setting; one
    // set names exactly that setting and what it sets off.
    void nonDefault()
    {
        const QString path = Example("DEF", "OPL");
        QStringList set{"set", path};
        for (int n = 1; n <= SwitchCount; ++n)
            set << QStringLiteral("%1=%2").arg(n).arg(SwitchStore::DefaultValue(n));
        QCOMPARE(Cli(set).status, 0);
        QCOMPARE(Cli({"explain", "--non-default", path}).out, QByteArray());
        QCOMPARE(Cli({"set", path, "welding.weld-plotting-numbering.plotted-and-numbered-welds=Plotted: Fab Only, numbered: Fab Only"}).status, 0);
        // The weld table, and the text height it brings with it.
        const QByteArray out = Cli({"explain", "--non-default", path}).out;
        QVERIFY2(out.count('\n') == 2 && out.contains("[welding.weld-plotting-numbering.plotted-and-numbered-welds]\n")
                     && out.contains("[welding.weld-plotting-numbering.text-height-for-weld-numbers]\n"),
                 out.constData());
    }
};

SWTED_TEST_GUILESS_MAIN(TestCliSettings)
#include "test_cli_settings.moc"
