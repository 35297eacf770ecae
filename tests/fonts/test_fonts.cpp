#include "TestSupport.h"

#include "fonts/FontFiles.h"
#include "fonts/FontMessages.h"
#include "fonts/FontNumber.h"
#include "fonts/FontTables.h"
#include "fonts/UserFontSetup.h"
#include "fonts/WrittenPath.h"
#include "model/OptionsReader.h"
#include "model/SwitchStore.h"
#include "model/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>

Q_DECLARE_METATYPE(swted::Message)

using namespace swted;
using namespace swted::test;
using Outcome = UserFontFiles::Outcome;

namespace {

const QString Data = QStringLiteral(SWTED_TEST_DATA "/fonts/");

// The bytes with every CR LF turned into the given line end.
QByteArray WithLineEnds(QByteArray bytes, const QByteArray &end)
{
    return bytes.replace("\r\n", end);
}

// A scratch folder of files written by the test.
class Folder {
public:
    QString path(const QString &name) const { return dir.filePath(name); }
    QString root() const { return dir.path() + QLatin1Char('/'); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString p = path(name);
        QDir().mkpath(QFileInfo(p).absolutePath());
        WriteBytes(p, bytes);
        return p;
    }
    QString copy(const QString &from, const QString &name) const { return write(name, ReadBytes(from)); }

private:
    QTemporaryDir dir;
};

// A file that exists but cannot be read, even by a user that permissions do
// not stop; empty when none can be made.
QString Unreadable(const Folder &f, const QString &name)
{
    const QString p = f.path(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    if (QFileInfo(QStringLiteral("/proc/self/mem")).isFile()) {
        // Reading it from its start fails.
        QFile::link(QStringLiteral("/proc/self/mem"), p);
        return p;
    }
    f.write(name, "x");
    QFile::setPermissions(p, QFileDevice::WriteOwner);
    QFile probe(p);
    return probe.open(QIODevice::ReadOnly) ? QString() : p;
}

} // namespace

class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void textAfterSlash()
    {
        bool notFound = false;
        QCOMPARE(TextAfterSlash(QStringLiteral("-152 /C:\\FONTS\\"), notFound), QStringLiteral("C:\\FONTS\\"));
        QVERIFY(!notFound);
        QCOMPARE(TextAfterSlash(QStringLiteral("a/b/c"), notFound), QStringLiteral("b/c"));
        QCOMPARE(TextAfterSlash(QStringLiteral("ends with /"), notFound), QString());
        QVERIFY(!notFound);
        QCOMPARE(TextAfterSlash(QStringLiteral("-152 no slash"), notFound), QString());
        QVERIFY(notFound);
    }

    void textAfterFirstOne()
    {
        bool notFound = true;
        QCOMPARE(TextAfterFirstOne(QStringLiteral("-1 USER.FIF "), notFound), QStringLiteral("USER.FIF"));
        QVERIFY(!notFound);
        QCOMPARE(TextAfterFirstOne(QStringLiteral("-1  DIR1\\F1.FIF"), notFound), QStringLiteral("DIR1\\F1.FIF"));
        QCOMPARE(TextAfterFirstOne(QStringLiteral("no one here"), notFound), QString());
        QVERIFY(notFound);
    }

    void firstNumberInText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digits");
        QTest::newRow("number and name") << "12 Arial" << "12";
        QTest::newRow("zero then number") << "0 7x" << "07";
        QTest::newRow("zeros and blanks") << "0 0 12 5" << "0012";
        QTest::newRow("letters first") << "Gothic 40" << "40";
        QTest::newRow("ends at a letter") << "5x6" << "5";
        QTest::newRow("zero only") << "0" << "0";
        QTest::newRow("zero then letters") << "0 Arial" << "0";
        QTest::newRow("no digits") << "Arial" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("8-bit letters skipped") << QString::fromLatin1("\xe9\xb2 3") << "3";
    }
    void firstNumberInText()
    {
        QFETCH(QString, text);
        QFETCH(QString, digits);
        QCOMPARE(FirstNumberInText(text), digits);
    }

    void fontPathFromOptRecord_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("malformed");
        QTest::newRow("text after the path") << "-152 /C:\\FONTS\\USER.FIF plotted text" << "C:\\FONTS\\USER.FIF" << false;
        QTest::newRow("indented, lower case") << "  -152 /fonts/user.fif" << "fonts/user.fif" << false;
        QTest::newRow("first .FIF counts") << "-152 /A.FIF/B.FIF" << "A.FIF" << false;
        QTest::newRow("comment") << "!-152 /C:\\FONTS\\USER.FIF" << "" << false;
        QTest::newRow("no .FIF") << "-152 /C:\\FONTS\\USER.FNT" << "" << true;
        QTest::newRow("no slash") << "-152 C:\\FONTS\\USER.FIF" << "" << true;
        QTest::newRow(".FIF only before the slash") << "USER.FIF -152 /C:\\FONTS" << "" << true;
    }
    void fontPathFromOptRecord()
    {
        QFETCH(QString, line);
        QFETCH(QString, path);
        QFETCH(bool, malformed);
        bool flag = !malformed;
        QCOMPARE(FontPathFromOptRecord(line, flag), path);
        QCOMPARE(flag, malformed);
    }

    // Positions 9 to 7 hold the font number; positions 1 to 6 are never
    // touched; only 0 to 999 fit.
    void fontNumberInSwitch()
    {
        QCOMPARE(FontNumberOf(123450000), 123);
        QCOMPARE(FontNumberOf(12000002), 12);
        QCOMPARE(FontNumberOf(999999), 0);
        QCOMPARE(FontNumberOf(-5000000), 0);
        QCOMPARE(FontNumberOf(2147483647), 2147);

        QCOMPARE(WithFontNumber(123450000, 5).value(), 5450000);
        QCOMPARE(WithFontNumber(450000, 12).value(), 12450000);
        QCOMPARE(WithFontNumber(999999, 999).value(), 999999999);
        QCOMPARE(WithFontNumber(5450000, 0).value(), 450000);
        QCOMPARE(WithFontNumber(2147483647, 1).value(), 1483647);
        QVERIFY(!WithFontNumber(450000, 1000));
        QVERIFY(!WithFontNumber(450000, -1));

        SwitchStore store;
        store.SetWholeValue(4, 123450000);
        QVERIFY(StoreFontNumber(store, 4, 5));
        QCOMPARE(store.GetSwitchValue(4), 5450000);
        // The digit buffer holds the stored value for the page to pack.
        QCOMPARE(store.GetDigit(9), int16_t(0));
        QCOMPARE(store.GetDigit(7), int16_t(5));
        QCOMPARE(store.GetDigit(6), int16_t(4));
        QCOMPARE(UnpackFontNumber(store, 4), 5);

        store.SetWholeValue(27, 12000002);
        QVERIFY(!StoreFontNumber(store, 27, 1000));
        QCOMPARE(store.GetSwitchValue(27), 12000002);
        QVERIFY(StoreFontNumber(store, 27, 0));
        QCOMPARE(store.GetSwitchValue(27), 2);
    }

    void loadsFontEntries()
    {
        FontTables tables;
        FontFileError error;
        QCOMPARE(LoadFontInformation(tables, Data + "USER.FIF", &error), FontLoad::Loaded);
        QCOMPARE(tables.FontNumbers, (QVector<int16_t>{5, 12, 7, 1000, 12}));
        // Descriptions as read: the blanks after the keyword and 8-bit bytes
        // kept; the last font line has no description and is no entry.
        QCOMPARE(tables.FontDescriptions,
                 (QStringList{" Arial Narrow", "  helvetica bold", QString::fromLatin1(" Caf\xe9 Script"),
                              " Wide Gothic", " Second Twelve"}));
        QCOMPARE(FontListItems(tables),
                 (QStringList{"  HELVETICA BOLD", " ARIAL NARROW", QString::fromLatin1(" CAF\xc9 SCRIPT"),
                              " SECOND TWELVE", " WIDE GOTHIC", "Font Not Set"}));
        QCOMPARE(FindFontEntry(tables, 12), 1);
        QCOMPARE(FindFontEntry(tables, 99), -1);
        QCOMPARE(FindDescriptionEntry(tables, QStringLiteral(" ARIAL NARROW")), 0);
        QCOMPARE(FindDescriptionEntry(tables, QString::fromLatin1(" CAF\xc9 SCRIPT")), 2);
        QCOMPARE(FindDescriptionEntry(tables, QStringLiteral("Arial Narrow")), -1);

        // What the list shows, as the number to store.
        using Kind = ChosenFont::Kind;
        auto chosen = [&](const QString &text) {
            const ChosenFont c = ChosenFontOf(tables, text);
            return qMakePair(int(c.kind), c.number);
        };
        QCOMPARE(chosen("FONT NOT SET"), qMakePair(int(Kind::NotSet), 0));
        QCOMPARE(chosen("  HELVETICA BOLD"), qMakePair(int(Kind::Font), 12));
        QCOMPARE(chosen(" SECOND TWELVE"), qMakePair(int(Kind::Font), 12));
        QCOMPARE(chosen(" WIDE GOTHIC"), qMakePair(int(Kind::TooLarge), 1000));
        QCOMPARE(chosen("User Fonts Absent"), qMakePair(int(Kind::Unknown), 0));
    }

    void lineEndsReadAlike_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void lineEndsReadAlike()
    {
        QFETCH(QByteArray, end);
        Folder f;
        FontTables expected, tables;
        LoadFontInformation(expected, Data + "USER.FIF");
        const QString fif = f.write("USER.FIF", WithLineEnds(ReadBytes(Data + "USER.FIF"), end));
        QCOMPARE(LoadFontInformation(tables, fif), FontLoad::Loaded);
        QCOMPARE(tables.FontNumbers, expected.FontNumbers);
        QCOMPARE(tables.FontDescriptions, expected.FontDescriptions);

        f.write("Karven.fls", WithLineEnds(ReadBytes(Data + "opl/KARVEN.FLS"), end));
        bool missing = true, found = false;
        QCOMPARE(FindFontPathInFls(f.root(), missing, found), QStringLiteral("C:\\Fonts\\user.fif"));
        QVERIFY(found);

        const QString idf = f.write("JOB.IDF", WithLineEnds(ReadBytes(Data + "idf/JOB.IDF"), end));
        QCOMPARE(FindFontPathInIdf(idf, missing, found), QStringLiteral("C:\\FONTS\\USER.FIF"));
        QVERIFY(found);

        const QString opt = f.write("JOB.OPT", WithLineEnds(ReadBytes(Data + "opt/JOB.OPT"), end));
        QCOMPARE(FindFontRecordInOpt(opt).path, QStringLiteral("C:\\FONTS\\USER.FIF"));
    }

    // Each failure names its line; the tables keep what an earlier load gave.
    void badFontFilesFail_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("font line without digits")
            << ReadBytes(Data + "NODIGITS.FIF") << int(FontLineWithoutNumber)
            << " Line 3 (KARVEN-FONT Gothic): the font line has no font number.";
        QTest::newRow("number beyond 32767") << QByteArray("KARVEN-FONT 32768\r\nDESCRIPTION Big\r\n")
                                             << int(FontNumberTooLarge)
                                             << " Line 1 (KARVEN-FONT 32768): the font number is larger than 32767.";
        QTest::newRow("long number") << QByteArray("KARVEN-FONT 000000000000000000000099999999999\r\n")
                                     << int(FontNumberTooLarge)
                                     << " Line 1 (KARVEN-FONT 000000000000000000000099999999999): the font number is larger than 32767.";
        QTest::newRow("description first") << QByteArray("DESCRIPTION Lost\r\nKARVEN-FONT 1\r\n")
                                           << int(DescriptionWithoutFont)
                                           << " Line 1 (DESCRIPTION Lost): a description without a font line before it.";
        QTest::newRow("two descriptions") << QByteArray("KARVEN-FONT 1\nDESCRIPTION A\nDESCRIPTION B\n")
                                          << int(DescriptionWithoutFont)
                                          << " Line 3 (DESCRIPTION B): a description without a font line before it.";
    }
    void badFontFilesFail()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        QFETCH(QString, description);
        Folder f;
        FontTables tables;
        LoadFontInformation(tables, Data + "opl/fonts/USER.FIF");
        FontFileError error;
        QCOMPARE(LoadFontInformation(tables, f.write("BAD.FIF", bytes), &error), FontLoad::Failed);
        QCOMPARE(error.number, number);
        QCOMPARE(error.description, description);
        QCOMPARE(tables.FontNumbers, QVector<int16_t>{5});
        QCOMPARE(tables.FontDescriptions, QStringList{" Arial Narrow"});
    }

    void largestNumberAndSharedLine()
    {
        Folder f;
        FontTables tables;
        const QString fif = f.write("EDGE.FIF", "KARVEN-FONT 32767\r\nDESCRIPTION Top\r\n"
                                                "KARVEN-FONT 4 DESCRIPTION Both\r\n");
        QCOMPARE(LoadFontInformation(tables, fif), FontLoad::Loaded);
        QCOMPARE(tables.FontNumbers, (QVector<int16_t>{32767, 4}));
        QCOMPARE(tables.FontDescriptions, (QStringList{" Top", " 4 DESCRIPTION Both"}));
    }

    // A file without font lines lists no fonts, whatever was read before.
    void fileWithoutFontsEmptiesTheTables()
    {
        FontTables tables;
        LoadFontInformation(tables, Data + "USER.FIF");
        QCOMPARE(LoadFontInformation(tables, Data + "NOFONTS.FIF"), FontLoad::Loaded);
        QCOMPARE(tables.Count(), 0);
        QVERIFY(tables.FontDescriptions.isEmpty());
        QCOMPARE(FontListItems(tables), QStringList{"Font Not Set"});
        QCOMPARE(LoadFontInformation(tables, Data + "MISSING.FIF"), FontLoad::Missing);
        QCOMPARE(LoadFontInformation(tables, Data + "opl"), FontLoad::Missing);
    }

    void fontListFile()
    {
        bool missing = false, found = true;
        Folder f;
        // No Karven.fls at all.
        QCOMPARE(FindFontPathInFls(f.root(), missing, found), QString());
        QVERIFY(missing && !found);

        // The name matches in any case; text from the 22nd character, trimmed.
        QCOMPARE(FindFontPathInFls(Data + "opl", missing, found), QStringLiteral("C:\\Fonts\\user.fif"));
        QVERIFY(!missing && found);

        // The first keyword line decides: a comment gives no path.
        f.write("karven.FLS", "! list\r\n!FONT-INFORMATION-FILE C:\\OLD.FIF\r\nfont-information-file C:\\NEW.FIF\r\n");
        QCOMPARE(FindFontPathInFls(f.root(), missing, found), QString());
        QVERIFY(!missing && !found);

        f.write("karven.FLS", "Font-Information-File\tfonts\\user.fif\r\n");
        QCOMPARE(FindFontPathInFls(f.root(), missing, found), QStringLiteral("fonts\\user.fif"));
        QVERIFY(!missing && found);

        f.write("karven.FLS", "PLOTTER-FILE X\r\n");
        QCOMPARE(FindFontPathInFls(f.root(), missing, found), QString());
        QVERIFY(missing && !found);
    }

    void idfRecord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("notFound");
        QTest::newRow("continued") << QByteArray("-152 /C:\\FONTS\\\r\n-1 USER.FIF\r\nKARVEN_OPTIONS_BLOCK\r\n")
                                   << "C:\\FONTS\\USER.FIF" << false;
        QTest::newRow("two continuations, blanks")
            << QByteArray("  -152 /C:\\KARVEN\\ \r\n   -1 FONTS\\\r\n\t-1 USER.FIF  \r\n  -10 AREA\r\n")
            << "C:\\KARVEN\\ FONTS\\USER.FIF" << false;
        QTest::newRow("not continued") << QByteArray("-152 /C:\\FONTS\\USER.FIF\r\n-10 AREA\r\n")
                                       << "C:\\FONTS\\USER.FIF" << false;
        QTest::newRow("comments skipped while searching")
            << QByteArray("  ! -152 /OLD.FIF\r\n-152 no slash yet\r\n-152 /NEW.FIF\r\nEND\r\n") << "NEW.FIF" << false;
        QTest::newRow("a comment ends the record")
            << QByteArray("-152 /C:\\FONTS\\\r\n! -1 OLD.FIF\r\n-1 USER.FIF\r\n") << "C:\\FONTS\\" << false;
        // The end of the file ends the record as well as any other line.
        QTest::newRow("continuation last in the file")
            << QByteArray("-152 /C:\\FONTS\\\r\n-1 USER.FIF\r\n") << "C:\\FONTS\\USER.FIF" << false;
        QTest::newRow("record last in the file") << QByteArray("-152 /C:\\FONTS\\USER.FIF") << "C:\\FONTS\\USER.FIF"
                                                 << false;
        QTest::newRow("no record") << QByteArray("-6 LINE\r\n-152 NOSLASH\r\n-1520 /X.FIF\r\n") << "" << true;
        QTest::newRow("empty file") << QByteArray() << "" << true;
    }
    void idfRecord()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, path);
        QFETCH(bool, notFound);
        Folder f;
        bool missing = !notFound, found = notFound;
        QCOMPARE(FindFontPathInIdf(f.write("JOB.IDF", bytes), missing, found), path);
        QCOMPARE(missing, notFound);
        QCOMPARE(found, !notFound);
    }

    void optRecord()
    {
        Folder f;
        OptFontRecord r = FindFontRecordInOpt(Data + "opt/JOB.OPT");
        QVERIFY(r.recordFound && !r.comment && !r.malformed);
        QCOMPARE(r.path, QStringLiteral("C:\\FONTS\\USER.FIF"));

        // Only the first record line counts.
        r = FindFontRecordInOpt(f.write("A.OPT", "!-152 /C:\\A.FIF\r\n-152 /C:\\B.FIF\r\n"));
        QVERIFY(r.recordFound && r.comment);
        QCOMPARE(r.path, QString());
        r = FindFontRecordInOpt(f.write("B.OPT", "-152 /C:\\FONTS\\\r\n-152 /C:\\B.FIF\r\n"));
        QVERIFY(r.recordFound && r.malformed);
        r = FindFontRecordInOpt(f.write("C.OPT", "KARVEN_OPTIONS_BLOCK\r\n-1520 /C:\\B.FIF\r\n"));
        QVERIFY(!r.recordFound);
    }

    // Paths written on another desktop system are found here.
    void writtenPaths()
    {
        Folder f;
        const QString upper = f.write("job/fonts/USER.FIF", "x");
        const QString job = f.root() + "job";
        QCOMPARE(ResolveWrittenPath(QStringLiteral("C:\\Fonts\\user.fif"), job), upper);
        QCOMPARE(ResolveWrittenPath(QStringLiteral("c:/FONTS/User.Fif"), job + "/"), upper);
        QCOMPARE(ResolveWrittenPath(QStringLiteral("\\fonts\\user.fif"), job), upper);
        QCOMPARE(ResolveWrittenPath(QStringLiteral("fonts\\user.fif"), job), upper);
        QCOMPARE(ResolveWrittenPath(QStringLiteral(".\\FONTS\\.\\USER.FIF"), job), upper);
        QCOMPARE(ResolveWrittenPath(QStringLiteral("..\\JOB\\fonts\\user.fif"), job), upper);
        QCOMPARE(ResolveWrittenPath(upper, QString()), upper);
        // A rooted path is also tried from the root of this system.
        const QString rooted = QStringLiteral("D:") + QString(upper).replace('/', '\\').toLower();
        QCOMPARE(ResolveWrittenPath(rooted, f.root() + "elsewhere"), upper);

        // As written first: an exact name wins over one in another case.
        const QString lower = f.write("job/fonts/user.fif", "y");
        QCOMPARE(ResolveWrittenPath(QStringLiteral("fonts/user.fif"), job), lower);
        QCOMPARE(ResolveWrittenPath(QStringLiteral("C:\\fonts\\USER.FIF"), job), upper);

        QCOMPARE(ResolveWrittenPath(QStringLiteral("C:\\Fonts\\none.fif"), job), QString());
        QCOMPARE(ResolveWrittenPath(QStringLiteral("C:\\Fonts"), job), QString());
        QCOMPARE(ResolveWrittenPath(QStringLiteral("C:\\"), job), QString());
        QCOMPARE(ResolveWrittenPath(QString(), job), QString());
        QCOMPARE(ResolveWrittenPath(QStringLiteral("  "), job), QString());
    }

    // The first half of the set-up for each options file type.
    void setUpByFileType_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("pathSet");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QVector<int16_t>>("numbers");
        QTest::newRow("OPL with Karven.fls") << "opl/JOB.OPL" << int(Outcome::Loaded) << true << "C:\\Fonts\\user.fif"
                                             << "opl/fonts/USER.FIF" << QVector<int16_t>{5};
        QTest::newRow("OPT record") << "opt/JOB.OPT" << int(Outcome::Loaded) << true << "C:\\FONTS\\USER.FIF"
                                    << "opt/fonts/user.fif" << QVector<int16_t>{7};
        QTest::newRow("IDF record") << "idf/JOB.IDF" << int(Outcome::Loaded) << true << "C:\\FONTS\\USER.FIF"
                                    << "idf/Fonts/User.Fif" << QVector<int16_t>{3};
        // Without a file of their own the fonts read for another options
        // file are gone.
        QTest::newRow("OPS without Karven.fls") << "USER.FIF.OPS" << int(Outcome::FontsAbsent) << false << ""
                                                << "" << QVector<int16_t>{};
        QTest::newRow("HDR") << "USER.FIF.HDR" << int(Outcome::Untouched) << false << "" << "" << QVector<int16_t>{};
        QTest::newRow("DEF, lower case") << "USER.FIF.def" << int(Outcome::Untouched) << false << "" << ""
                                         << QVector<int16_t>{};
        QTest::newRow("other type") << "USER.FIF.XYZ" << int(Outcome::FontsAbsent) << false << "" << ""
                                    << QVector<int16_t>{};
    }
    void setUpByFileType()
    {
        QFETCH(QString, options);
        QFETCH(int, outcome);
        QFETCH(bool, pathSet);
        QFETCH(QString, written);
        QFETCH(QString, found);
        QFETCH(QVector<int16_t>, numbers);
        Folder f;
        QString path = Data + options;
        if (!QFileInfo::exists(path)) // a copy of some file under another type
            path = f.copy(Data + "USER.FIF", options);
        FontTables tables;
        tables.FontNumbers = {99};
        tables.FontDescriptions = QStringList{" Earlier"};
        tables.UserFontPathSet = !pathSet;
        const UserFontFiles r = SetUpUserFontFiles(FontGroup::IsoStyle, path, DirectoryOf(path), tables);
        QCOMPARE(int(r.outcome), outcome);
        QVERIFY(!r.message);
        QCOMPARE(tables.UserFontPathSet, pathSet);
        QCOMPARE(r.writtenPath, written);
        QCOMPARE(r.resolvedPath, found.isEmpty() ? QString() : QDir::cleanPath(Data + found));
        QCOMPARE(tables.FontNumbers, numbers);
        QCOMPARE(tables.FontDescriptions.size(), numbers.size());
    }

    // Fonts absent: a commented record, no record, a first keyword line that
    // is a comment, an IDF without a record.
    void setUpFindsNoFonts()
    {
        Folder f;
        FontTables tables;
        for (const auto &[name, bytes] :
             {std::pair<QString, QByteArray>{"A.OPT", "!-152 /C:\\FONTS\\USER.FIF\r\n-152 /X.FIF\r\n"},
              {"B.OPT", "KARVEN_OPTIONS_BLOCK\r\n"},
              {"C.IDF", "-6 LINE\r\n! -152 /C:\\FONTS\\USER.FIF\r\n"}}) {
            const QString path = f.write(name, bytes);
            const UserFontFiles r = SetUpUserFontFiles(FontGroup::MaterialList, path, f.root(), tables);
            QCOMPARE(int(r.outcome), int(Outcome::FontsAbsent));
            QVERIFY(!tables.UserFontPathSet);
        }
        const QString opl = f.write("D.OPL", "Switch\r\n");
        f.write("KARVEN.fls", "!FONT-INFORMATION-FILE C:\\OLD.FIF\r\nFONT-INFORMATION-FILE USER.FIF\r\n");
        f.copy(Data + "USER.FIF", "USER.FIF");
        QCOMPARE(int(SetUpUserFontFiles(FontGroup::MaterialList, opl, f.root(), tables).outcome),
                 int(Outcome::FontsAbsent));
    }

    // Every fatal stop of the set-up, with its message.
    void setUpStops()
    {
        Folder f;
        FontTables tables;
        const QString exe = QStringLiteral("swted");
        auto stop = [&](FontGroup group, const QString &path) {
            const UserFontFiles r = SetUpUserFontFiles(group, path, DirectoryOf(path), tables, exe);
            return r.outcome == Outcome::FatalStop && r.message ? *r.message : Message{"not stopped"};
        };
        auto same = [](const Message &a, const Message &b) {
            return a.text == b.text && a.title == b.title && a.icon == b.icon && a.buttons == b.buttons;
        };

        const QString gone = f.root() + "GONE.OPT";
        QVERIFY(same(stop(FontGroup::IsoStyle, gone), msg::OptionsFileMissing(FontGroup::IsoStyle, gone)));
        QVERIFY(same(stop(FontGroup::MaterialList, gone), msg::OptionsFileMissing(FontGroup::MaterialList, gone)));

        QVERIFY(same(stop(FontGroup::IsoStyle, f.write("A.OPT", "-152 /C:\\FONTS\\USER\r\n")), msg::FontPathNotSet()));
        QVERIFY(same(stop(FontGroup::IsoStyle, f.write("B.OPT", "-152 C:\\FONTS\\USER.FIF\r\n")),
                     msg::FontPathNotSet()));

        QVERIFY(same(stop(FontGroup::IsoStyle, f.write("C.OPT", "-152 /C:\\NONE\\USER.FIF\r\n")),
                     msg::FontFileMissing("C:\\NONE\\USER.FIF", "OPT")));
        QVERIFY(same(stop(FontGroup::IsoStyle, f.write("D.IDF", "-152 /NONE.FIF\r\nX\r\n")),
                     msg::FontFileMissing("NONE.FIF", "IDF")));
        f.write("KARVEN.FLS", "FONT-INFORMATION-FILE\r\n");
        QVERIFY(same(stop(FontGroup::IsoStyle, f.write("E.OPS", "")), msg::FontFileMissing("", "OPS")));

        f.copy(Data + "NODIGITS.FIF", "NODIGITS.FIF");
        QVERIFY(same(stop(FontGroup::MaterialList, f.write("F.OPT", "-152 /nodigits.fif\r\n")),
                     msg::FontFileReadError({FontLineWithoutNumber,
                                             " Line 3 (KARVEN-FONT Gothic): the font line has no font number."},
                                            exe)));

        // Files that exist but cannot be read: the list file and an IDF stop
        // with the look-up's message, an OPT with the set-up's.
        const QString list = Unreadable(f, "sub/KARVEN.FLS");
        if (list.isEmpty())
            QSKIP("no way to make an unreadable file here");
        Message m = stop(FontGroup::IsoStyle, f.write("sub/J.OPL", ""));
        QVERIFY2(m.text.startsWith("Error ") && m.text.endsWith("Terminating application."), qPrintable(m.text));
        QCOMPARE(m.title, OptionsEditorTitle);
        QCOMPARE(m.icon, MessageIcon::Stop);
        m = stop(FontGroup::IsoStyle, Unreadable(f, "K.IDF"));
        QVERIFY2(m.text.startsWith("Error ") && m.text.contains(" Error number  \r\n"), qPrintable(m.text));
        m = stop(FontGroup::IsoStyle, Unreadable(f, "L.OPT"));
        QVERIFY2(m.text.contains(" Error number "), qPrintable(m.text));
        QCOMPARE(m.title, exe);
        // The font information file itself: the read failure message.
        Unreadable(f, "M.FIF");
        m = stop(FontGroup::MaterialList, f.write("N.OPT", "-152 /M.FIF\r\n"));
        QVERIFY2(m.text.startsWith("Error reading font file. ") && m.text.endsWith("\r\nTerminating application"),
                 qPrintable(m.text));
    }

    void choiceAtSetUp()
    {
        FontTables tables;
        LoadFontInformation(tables, Data + "USER.FIF");
        FontChoiceAtSetUp c = ChooseFontAtSetUp(tables, 0, "F.FIF");
        QCOMPARE(c.kind, FontChoiceAtSetUp::Kind::FontNotSet);
        QVERIFY(!c.message);
        c = ChooseFontAtSetUp(tables, 12, "F.FIF");
        QCOMPARE(c.kind, FontChoiceAtSetUp::Kind::FontFound);
        QCOMPARE(c.entry, 1);
        c = ChooseFontAtSetUp(tables, 123, "C:\\FONTS\\USER.FIF");
        QCOMPARE(c.kind, FontChoiceAtSetUp::Kind::FontNotInFile);
        QCOMPARE(c.message->text, msg::FontNumberNotInFile(123, "C:\\FONTS\\USER.FIF").text);

        // A font information file without fonts is read like any other:
        // the switch's font is not in it, and editing goes on.
        Folder f;
        f.copy(Data + "NOFONTS.FIF", "NOFONTS.FIF");
        const QString opt = f.write("JOB.OPT", "-152 /NOFONTS.FIF\r\n");
        const UserFontFiles r = SetUpUserFontFiles(FontGroup::IsoStyle, opt, f.root(), tables);
        QCOMPARE(int(r.outcome), int(Outcome::Loaded));
        QCOMPARE(tables.Count(), 0);
        QCOMPARE(ChooseFontAtSetUp(tables, 0, r.writtenPath).kind, FontChoiceAtSetUp::Kind::FontNotSet);
        QCOMPARE(ChooseFontAtSetUp(tables, 5, r.writtenPath).kind, FontChoiceAtSetUp::Kind::FontNotInFile);
    }

    void messageTexts_data()
    {
        QTest::addColumn<Message>("message");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        const int stop = int(MessageIcon::Stop);
        const FontFileError e{5, "Permission denied"};
        QTest::newRow("F2 iso style") << msg::OptionsFileMissing(FontGroup::IsoStyle, "C:\\JOB.OPT")
            << "Unable to find the file C:\\JOB.OPT\r\nPlease ensure the file exists and restart the Options "
               "Editor.\r\nTerminating application."
            << "Options Editor" << stop;
        QTest::newRow("F2 material list") << msg::OptionsFileMissing(FontGroup::MaterialList, "/p/JOB.OPL")
            << "Unable to find the options file /p/JOB.OPL\r\nPlease ensure the file exists and restart the "
               "Options Editor.\r\nTerminating application."
            << "Options Editor" << stop;
        QTest::newRow("F3") << msg::FontPathNotSet()
            << "The Path for font file was not correctly set.\r\nTerminating application." << "Options Editor" << stop;
        QTest::newRow("F4 OPT") << msg::FontFileMissing("C:\\F\\U.FIF", "OPT")
            << "The font file C:\\F\\U.FIF does not exist. \r\nPlease modify the options file and restart the "
               "Options Editor.\r\nTerminating application."
            << "Options Editor" << stop;
        QTest::newRow("F4 OPS") << msg::FontFileMissing("U.FIF", "ops")
            << "The font file U.FIF does not exist. \r\nPlease modify the FLS file and restart the Options "
               "Editor.\r\nTerminating application."
            << "Options Editor" << stop;
        QTest::newRow("F4 IDF") << msg::FontFileMissing("U.FIF", "IDF")
            << "The font file U.FIF does not exist. \r\nPlease modify the IDF file and restart the Options "
               "Editor.\r\nTerminating application."
            << "Options Editor" << stop;
        QTest::newRow("F4 other") << msg::FontFileMissing("U.FIF", "XYZ")
            << "The font file U.FIF does not exist. \r\nPlease check the font file path is set correctly and "
               "restart the Options Editor.\r\nTerminating application."
            << "Options Editor" << stop;
        QTest::newRow("F5") << msg::FontNumberNotInFile(40, "C:\\F\\U.FIF")
            << "Unable to set font number  40\r\nFont does not exist in font file \r\nC:\\F\\U.FIF"
            << "Options Editor" << int(MessageIcon::Exclamation);
        QTest::newRow("F6") << msg::FontFileVanished("U.FIF", "swted")
            << "The font file U.FIF does not exist \r\nPlease update the options file and restart the Options "
               "Editor.\r\nTerminating application."
            << "swted" << stop;
        QTest::newRow("F7") << msg::FontFileReadError({101, " Line 3 (X): why."}, "swted")
            << "Error reading font file. Line 3 (X): why.\r\nError number 101\r\nTerminating application"
            << "swted" << stop;
        QTest::newRow("F8 iso style") << msg::FontNumberUnavailable(FontGroup::IsoStyle, 7, "swted")
            << "Unable to set font number 7\r\nUsing first available user defined font." << "swted"
            << int(MessageIcon::Information);
        QTest::newRow("F8 material list") << msg::FontNumberUnavailable(FontGroup::MaterialList, 7, "swted")
            << "Unable to set font number 7\r\nUsing first available user defined font." << "Options Editor"
            << int(MessageIcon::Information);
        QTest::newRow("F9") << msg::FontPathReadError(e)
            << "Error Permission denied Error number  \r\n5Terminating application." << "Options Editor" << stop;
        QTest::newRow("F10") << msg::FontSetUpError(e, "swted") << "Permission denied Error number 5" << "swted"
                             << stop;
    }
    void messageTexts()
    {
        QFETCH(Message, message);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QCOMPARE(message.text, text);
        QCOMPARE(message.title, title);
        QCOMPARE(int(message.icon), icon);
        QCOMPARE(message.buttons, MessageButtons::Ok);
    }

    // The running program's own file name (the runner of the core's tests),
    // not the name it was given in its arguments.
    void executableName()
    {
        QCOMPARE(ExecutableName(), QStringLiteral("tests_core"));
    }

    // The bundled example reads, and its fonts and font numbers match.
    void bundledExample()
    {
        const QString opl = QStringLiteral(SWTED_SOURCE_DIR "/examples/userfont/PLANT.OPL");
        OptionsDocument doc;
        doc.CurrentFilePath = opl;
        doc.CurrentFileDirectory = DirectoryOf(opl);
        SwitchStore store;
        QVERIFY(ReadOptionsFile(doc, store, StandardTypes()).ok);
        FontTables tables;
        const UserFontFiles r = SetUpUserFontFiles(FontGroup::IsoStyle, opl, doc.CurrentFileDirectory, tables);
        QCOMPARE(int(r.outcome), int(Outcome::Loaded));
        QCOMPARE(FontListItems(tables),
                 (QStringList{" ARIAL NARROW", QString::fromLatin1(" CAF\xc9 SCRIPT"), " HELVETICA BOLD", "Font Not Set"}));
        QCOMPARE(ChooseFontAtSetUp(tables, UnpackFontNumber(store, 4), r.writtenPath).entry, 0);
        QCOMPARE(ChooseFontAtSetUp(tables, UnpackFontNumber(store, 27), r.writtenPath).entry, 1);
    }
};


SWTED_TEST_GUILESS_MAIN(TestFonts)
#include "test_fonts.moc"
