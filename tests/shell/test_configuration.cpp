#include "shell/EditorConfiguration.h"
#include "shell/ProgramFolder.h"
#include "shell/ScriptedPrompts.h"
#include "model/TextFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {

QStringList Type(const QString &ext, const QString &lead, const QString &id, const QString &head, const QString &ospl)
{
    QStringList l{"EXTENSION " + ext, "LEADLINES " + lead, "ID " + id, "HEADLINES " + head};
    if (!ospl.isNull())
        l << "OSPL " + ospl;
    return l;
}

} // namespace

class TestConfiguration : public QObject {
    Q_OBJECT
private slots:
    void bundledConfiguration()
    {
        EditorConfiguration c;
        QCOMPARE(LoadEditorConfiguration(SWTED_SOURCE_DIR "/data", c).kind, ConfigurationOutcome::Ok);
        QCOMPARE(c.FileTypes.size(), 6);
        QCOMPARE(c.OpenFilter, QStringLiteral("KARVEN OPTIONS FILE|*.OPT|OPTION SWITCH LIST|*.OPL|"
                                              "OPTION SWITCH TABLE|*.OPS|DRAWING HEADER OPTIONS|*.HDR|"
                                              "DEFAULT OPTIONS|*.DEF|PIPING DATA FILE|*.IDF|All Files (*.*)|*.*"));
        QVERIFY(!c.RunTypeRestricted);
        // The tests' own type table mirrors the bundled file.
        const QVector<FileType> expected = StandardTypes();
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(c.FileTypes[i].Extension, expected[i].Extension);
            QCOMPARE(c.FileTypes[i].Description, expected[i].Description);
            QCOMPARE(c.FileTypes[i].LeadLines, expected[i].LeadLines);
            QCOMPARE(c.FileTypes[i].BlockKeyword, expected[i].BlockKeyword);
            QCOMPARE(c.FileTypes[i].HeadLines, expected[i].HeadLines);
            QCOMPARE(c.FileTypes[i].SwitchesPerLine, expected[i].SwitchesPerLine);
        }
    }

    void keysValuesAndGroups()
    {
        QStringList lines{"[File Formats]", "FILE TYPE whatever", "; comment", "",
                          "extension\topl Options List\t ", "LeadLines\t2", "id", "HEADLINES", "ospl 1", "",
                          "EXTENSION XYZ", "LEADLINES", "IDENTITY", "HEADLINES 0", "OSPL 7"};
        EditorConfiguration c;
        QCOMPARE(ParseEditorConfiguration(lines, c).kind, ConfigurationOutcome::Ok);
        QCOMPARE(c.FileTypes.size(), 2);
        QCOMPARE(c.FileTypes[0].Extension, QStringLiteral("OPL"));
        QCOMPARE(c.FileTypes[0].Description, QStringLiteral("OPTIONS LIST"));
        QCOMPARE(c.FileTypes[0].LeadLines, 2);
        QCOMPARE(c.FileTypes[0].BlockKeyword, QString());
        QCOMPARE(c.FileTypes[0].HeadLines, 0);
        QCOMPARE(c.FileTypes[0].SwitchesPerLine, 1);
        QCOMPARE(c.FileTypes[1].Description, QString());
        QCOMPARE(c.FileTypes[1].BlockKeyword, QStringLiteral("ENTITY")); // the key is the first two letters
        QCOMPARE(c.OpenFilter, QStringLiteral("OPTIONS LIST|*.OPL||*.XYZ|All Files (*.*)|*.*"));
    }

    void noTypes()
    {
        EditorConfiguration c;
        QCOMPARE(ParseEditorConfiguration({"[File Formats]", ""}, c).kind, ConfigurationOutcome::Ok);
        QVERIFY(c.FileTypes.isEmpty());
        QCOMPARE(c.OpenFilter, QStringLiteral("All Files (*.*)|*.*"));
        QCOMPARE(ParseEditorConfiguration({}, c).kind, ConfigurationOutcome::Ok);
    }

    void typesWithoutSwitches()
    {
        EditorConfiguration c;
        QStringList lines = Type("NOP No options", "0", "NOOP_HEADER", "1", QString());
        lines << "this line is read and ignored";
        lines << Type("END At the end", "0", "ENDKEY", "2", QString()); // the file ends after HEADLINES
        QCOMPARE(ParseEditorConfiguration(lines, c).kind, ConfigurationOutcome::Ok);
        QCOMPARE(c.FileTypes.size(), 2);
        QCOMPARE(c.FileTypes[0].SwitchesPerLine, -1);
        QCOMPARE(c.FileTypes[1].SwitchesPerLine, -1);
    }

    void syntaxErrors_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("line");
        const QStringList good = Type("OPT Options", "0", "KARVEN_OPTIONS_BLOCK", "2", "14");
        QTest::newRow("leadlines not digits") << (QStringList{""} << Type("OPT Options", "1a", "K", "2", "14")) << "Leadlines" << 3;
        QTest::newRow("leadlines missing") << QStringList{"EXTENSION OPT X", "ID K", "HEADLINES 2", "OSPL 14"} << "Leadlines" << 2;
        QTest::newRow("extension last line") << QStringList{"EXTENSION OPT X"} << "Leadlines" << 2;
        QTest::newRow("id missing") << QStringList{"EXTENSION OPT X", "LEADLINES 0", "HEADLINES 2", "OSPL 14"} << "ID" << 3;
        QTest::newRow("headlines missing") << QStringList{"EXTENSION OPT X", "LEADLINES 0", "ID K", "OSPL 14"} << "Headlines" << 4;
        QTest::newRow("headlines not digits") << (good.mid(0, 3) << "HEADLINES -2" << "OSPL 14") << "Headlines" << 4;
        QTest::newRow("noop with ospl") << (QStringList{"x", "y"} << Type("NOP X", "0", "NOOP", "1", "3")) << "OPTID" << 5;
        QTest::newRow("ospl missing") << (good.mid(0, 4) << "" << QStringList(good)) << "OSPL" << 3;
        QTest::newRow("ospl not digits") << Type("OPT X", "0", "K", "2", "1 4") << "OSPL" << 5;
        QTest::newRow("count too large") << Type("OPT X", "32768", "K", "2", "14") << "Leadlines" << 2;
        QTest::newRow("extension too short") << (QStringList(good) << "EXTENSION OP") << "Extension" << 6;
    }
    void syntaxErrors()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, item);
        QFETCH(int, line);
        EditorConfiguration c;
        c.OpenFilter = QStringLiteral("untouched");
        const ConfigurationOutcome r = ParseEditorConfiguration(lines, c);
        QCOMPARE(r.kind, ConfigurationOutcome::SyntaxError);
        QCOMPARE(r.message, "Error at line " + QString::number(line) + " in Swted.ini\rProblem reading " + item
                     + ".  Check syntax and ensure there are only blank\rlines before each 'Extension' line in [File Formats] block.");
        QCOMPARE(c.OpenFilter, QStringLiteral("untouched"));
    }

    void runType_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("restricted");
        QTest::newRow("equals, lower case") << QStringList{"[run type]", "program = t-kor"} << true;
        QTest::newRow("no equals") << QStringList{"[RUN TYPE]", "PROGRAM T-KOR"} << false;
        QTest::newRow("other program") << QStringList{"[RUN TYPE]", "PROGRAM=KARVEN"} << false;
        QTest::newRow("last line") << QStringList{"PROGRAM=T-KOR", "[RUN TYPE]"} << false;
        QTest::newRow("not a program line") << QStringList{"[RUN TYPE]", "; T-KOR=", "PROGRAM=T-KOR"} << false;
        QTest::newRow("first section counts") << QStringList{"[RUN TYPE]", "PROGRAM=KARVEN", "[RUN TYPE]", "PROGRAM=T-KOR"} << false;
        QTest::newRow("text after header") << QStringList{"[Run Type] section", "Program: T-KOR ="} << true;
    }
    void runType()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, restricted);
        EditorConfiguration c;
        QCOMPARE(ParseEditorConfiguration(lines, c).kind, ConfigurationOutcome::Ok);
        QCOMPARE(c.RunTypeRestricted, restricted);
    }

    void normalise()
    {
        QCOMPARE(NormaliseIniValue(QStringLiteral("\t a\tb c \t")), QStringLiteral("A B C"));
    }

    void missingFileEndsTheProgram()
    {
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        EditorConfiguration c;
        QVERIFY(!ReadEditorConfiguration(dir.path() + "/", c, prompts));
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].text,
                 "Cannot find SWTED.INI.  Please ensure this file is in the directory '" + dir.path() + "'.");
        QCOMPARE(prompts.messages[0].title, QStringLiteral("Options Editor"));
        QCOMPARE(prompts.messages[0].icon, MessageIcon::Stop);
        QCOMPARE(prompts.messages[0].buttons, MessageButtons::Ok);
        QVERIFY(prompts.ended);
    }

    // The folder of Swted.ini: a named folder alone; otherwise beside the
    // executable, the site folder, the installed share/swted, the first that
    // holds it (in any case) wins, and the descriptions come from the same one.
    void programFolderLookup()
    {
        QTemporaryDir root;
        const QString exe = root.filePath("usr/bin"), site = root.filePath("etc/swted"),
                      installed = root.filePath("usr/share/swted"), named = root.filePath("named");
        for (const QString &d : {exe, site, installed, named})
            QVERIFY(QDir().mkpath(d));
        QCOMPARE(ProgramFolderPlaces(QString(), exe, site), (QStringList{exe, site, installed}));
        QCOMPARE(ProgramFolderPlaces(named, exe, site), QStringList{named});

        const QByteArray ini = "EXTENSION OPT X\r\nLEADLINES\r\nID K\r\nHEADLINES 2\r\nOSPL 14\r\n";
        struct Case {
            QStringList holders; // folders given a configuration, the file name in them
            QString named;
            QString found;       // empty: none, the message names every place
        };
        const QVector<Case> cases = {
            {{installed + "/Swted.ini"}, QString(), installed},
            {{site + "/SWTED.INI", installed + "/Swted.ini"}, QString(), site},
            {{exe + "/swted.ini", site + "/Swted.ini", installed + "/Swted.ini"}, QString(), exe},
            {{installed + "/Swted.ini"}, named, QString()},
            {{named + "/Swted.ini", exe + "/Swted.ini"}, named, named},
            {{}, QString(), QString()},
        };
        for (const Case &c : cases) {
            for (const QString &d : {exe, site, installed, named})
                for (const QString &f : QDir(d).entryList(QDir::Files))
                    QFile::remove(d + "/" + f);
            for (const QString &f : c.holders)
                WriteBytes(f, ini);
            const QStringList places = ProgramFolderPlaces(c.named, exe, site);
            ScriptedPrompts prompts;
            EditorConfiguration config;
            QString folder;
            const bool ok = FindEditorConfiguration(places, folder, config, prompts);
            QCOMPARE(ok, !c.found.isEmpty());
            if (ok) {
                QCOMPARE(folder, WithTrailingSeparator(c.found));
                QCOMPARE(config.FileTypes.size(), 1);
                QVERIFY(prompts.messages.isEmpty());
                continue;
            }
            QCOMPARE(prompts.messages.size(), 1);
            QCOMPARE(prompts.messages[0].title, QStringLiteral("Options Editor"));
            QCOMPARE(prompts.messages[0].icon, MessageIcon::Stop);
            QVERIFY(prompts.ended);
            const QString text = prompts.messages[0].text;
            if (places.size() == 1) {
                QCOMPARE(text, "Cannot find SWTED.INI.  Please ensure this file is in the directory '" + named + "'.");
            } else {
                QCOMPARE(text, "Cannot find SWTED.INI.  Please ensure this file is in one of the directories\r'" + exe
                                   + "'\r'" + site + "'\r'" + installed + "'.");
            }
        }
    }

    void malformedFileEndsTheProgram()
    {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("SWTED.INI"), "EXTENSION OPT X\r\nID K\r\n"); // the name in another case is found
        ScriptedPrompts prompts;
        EditorConfiguration c;
        QVERIFY(!ReadEditorConfiguration(dir.path(), c, prompts));
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages[0].text.startsWith("Error at line 2 in Swted.ini\rProblem reading Leadlines."));
        QCOMPARE(prompts.messages[0].title, QStringLiteral("Swted32"));
        QCOMPARE(prompts.messages[0].icon, MessageIcon::None);
        QVERIFY(prompts.ended);

        WriteBytes(dir.filePath("SWTED.INI"), "EXTENSION OPT X\nLEADLINES 0\nID K\nHEADLINES 2\nOSPL 14\n");
        ScriptedPrompts quiet;
        QVERIFY(ReadEditorConfiguration(dir.path(), c, quiet));
        QVERIFY(quiet.messages.isEmpty());
        QVERIFY(!quiet.ended);
    }
};

SWTED_TEST_APPLESS_MAIN(TestConfiguration)
#include "test_configuration.moc"
