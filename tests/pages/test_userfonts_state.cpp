// The user font groups of the iso style page (switch 4) and the material
// list page (switch 27) on page states: set-up by options file type, the
// check box and list handlers, the read-back, and the fatal stops.
#include "TestRegistry.h"
#include "TestSupport.h"
#include "StateHarness.h"

#include "pages/EditHistory.h"
#include "pages/PageTour.h"
#include "pages/UserFontGroup.h"

#include <QFile>
#include <QTemporaryDir>

using namespace swted;
using namespace swted::test;

namespace {

constexpr int MaterialList = 2;

const QString Eol = QStringLiteral("\r\n");

// Sorted as the lists show them: the blank after the keyword comes first.
const char *const Fonts = "! fonts of the test plant\n"
                          "KARVEN-FONT 5\n"
                          "DESCRIPTION Arial Narrow\n"
                          "KARVEN-FONT 12\n"
                          "DESCRIPTION Helvetica Bold\n"
                          "karven-font 0 40\n"
                          "Description Courier\n"
                          "KARVEN-FONT 1000\n"
                          "DESCRIPTION Wide Gothic\n";
const QStringList FontItems = {" ARIAL NARROW", " COURIER", " HELVETICA BOLD", " WIDE GOTHIC", "Font Not Set"};

// A folder with an options file of one type and the files it names.
struct Job {
    QTemporaryDir dir;
    QString options;

    void Write(const QString &name, const QByteArray &bytes)
    {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The options file itself: its -152 record is all the set-up reads.
    void Options(const QString &type, const QByteArray &bytes = QByteArray("KARVEN_OPTIONS_BLOCK\n"))
    {
        options = dir.filePath(QStringLiteral("JOB.") + type);
        Write(QStringLiteral("JOB.") + type, bytes);
    }
    UserFontSession Session() const
    {
        UserFontSession s;
        s.optionsPath = options;
        s.optionsFolder = dir.path() + QLatin1Char('/');
        s.executableName = QStringLiteral("swted");
        return s;
    }
};

// An OPT job whose record names fonts/USER.FIF in its folder.
void FontJob(Job &job, const char *fonts = Fonts)
{
    QVERIFY(QDir(job.dir.path()).mkpath(QStringLiteral("fonts")));
    job.Write(QStringLiteral("fonts/USER.FIF"), fonts);
    job.Options(QStringLiteral("OPT"), "! options\n-152 /fonts/USER.FIF text fonts\nKARVEN_OPTIONS_BLOCK\n");
}

QString Shown(const ControlState &list)
{
    return list.index >= 0 && list.index < list.items.size() ? list.items[list.index] : QString();
}

} // namespace

class TestUserFontsState : public QObject {
    Q_OBJECT

private slots:
    // A font the file lists: the box ticked, its description selected, the
    // switch as it was. On the iso style page the path flag is dropped and
    // the next selection swallowed; on the material list page it stays set.
    void aListedFontIsShownOnBothPages()
    {
        Job job;
        FontJob(job);
        UserFontSession session = job.Session();
        StateHarness iso(IsoStyle);
        iso.fonts = &session;
        iso.Set(4, 12000002);
        iso.Layout();
        QVERIFY(iso.Messages().isEmpty());
        QCOMPARE(iso["CmbUserFontType"].items, FontItems);
        QCOMPARE(Shown(iso["CmbUserFontType"]), QStringLiteral(" HELVETICA BOLD"));
        QVERIFY(iso["ChkStyleFontFile"].checked);
        QVERIFY(iso["FramUserFonts"].enabled);
        QVERIFY(iso["CmbUserFontType"].enabled);
        QCOMPARE(iso.Value(4), 12000002);
        QVERIFY(!session.tables.UserFontPathSet);
        QVERIFY(session.tables.IgnoreNextFontClick);

        StateHarness material(MaterialList);
        material.fonts = &session;
        material.Set(27, 40000001);
        material.Layout();
        QVERIFY(material.Messages().isEmpty());
        QCOMPARE(Shown(material["CmbMaterialsUserFontType"]), QStringLiteral(" COURIER"));
        QVERIFY(material["ChkMaterialsFontFile"].checked);
        QVERIFY(session.tables.UserFontPathSet);
        QCOMPARE(material.Value(27), 40000001);
    }

    // Choosing a font: the material list page stores it at once, the iso
    // style page when it is read back. Positions 1 to 6 are never touched.
    void aChosenFontIsStored()
    {
        Job job;
        FontJob(job);
        UserFontSession session = job.Session();
        StateHarness material(MaterialList);
        material.fonts = &session;
        material.Set(27, 12450000);
        material.Layout();
        material.Choose("CmbMaterialsUserFontType", FontItems.indexOf(" ARIAL NARROW"));
        QCOMPARE(material.Value(27), 5450000);
        // A font above 999 cannot be stored: the switch keeps the last one.
        material.Choose("CmbMaterialsUserFontType", FontItems.indexOf(" WIDE GOTHIC"));
        QCOMPARE(material.Value(27), 5450000);
        material.Read();
        QCOMPARE(material.Value(27), 5450000);
        material.Choose("CmbMaterialsUserFontType", FontItems.indexOf(" COURIER"));
        material.Read();
        QCOMPARE(material.Value(27), 40450000);

        StateHarness iso(IsoStyle);
        iso.fonts = &session;
        iso.Set(4, 12450002);
        iso.Layout();
        // The first choice after the set-up is swallowed; none is stored
        // before the read-back on this page.
        iso.Choose("CmbUserFontType", FontItems.indexOf(" ARIAL NARROW"));
        iso.Choose("CmbUserFontType", FontItems.indexOf(" COURIER"));
        QCOMPARE(iso.Value(4), 12450002);
        iso.Read();
        QCOMPARE(iso.Value(4), 40450002);
        // "Font Not Set" with the box ticked stores 0.
        iso.Choose("CmbUserFontType", FontItems.indexOf("Font Not Set"));
        iso.Read();
        QCOMPARE(iso.Value(4), 450002);
        QVERIFY(iso.Messages().isEmpty());
    }

    // 0 in positions 9 to 7 shows "Font Not Set" with the box clear and the
    // list greyed, even though the file has fonts. Ticking picks the first
    // font; unticking stores 0 at once and goes back to "Font Not Set".
    void tickingAndUnticking()
    {
        Job job;
        FontJob(job);
        UserFontSession session = job.Session();
        for (int index : {IsoStyle, MaterialList}) {
            const bool iso = index == IsoStyle;
            const int n = iso ? 4 : 27;
            const char *box = iso ? "ChkStyleFontFile" : "ChkMaterialsFontFile";
            const char *list = iso ? "CmbUserFontType" : "CmbMaterialsUserFontType";
            StateHarness h(index);
            h.fonts = &session;
            h.Set(n, 3);
            h.Layout();
            QVERIFY(!h[box].checked);
            QVERIFY(!h[list].enabled);
            QCOMPARE(Shown(h[list]), QStringLiteral("Font Not Set"));
            QVERIFY(h[iso ? "FramUserFonts" : "FramMatFont"].enabled);

            h.Tick(box, true);
            QVERIFY(h[list].enabled);
            QCOMPARE(Shown(h[list]), QStringLiteral(" ARIAL NARROW"));
            // Stored at once on the material list page, by the read-back on
            // the iso style page.
            QCOMPARE(h.Value(n), iso ? 3 : 5000003);
            h.Read();
            QCOMPARE(h.Value(n), 5000003);

            h.Choose(list, FontItems.indexOf(" HELVETICA BOLD"));
            h.Read();
            QCOMPARE(h.Value(n), 12000003);
            h.Tick(box, false);
            QCOMPARE(h.Value(n), 3);
            QCOMPARE(Shown(h[list]), QStringLiteral("Font Not Set"));
            QVERIFY(!h[list].enabled);
            // Read back unticked, the list still offers the file's fonts.
            h.Read();
            QCOMPARE(h.Value(n), 3);
            QCOMPARE(h[list].items, FontItems);
            // Ticked again, the user's next choice is not swallowed.
            h.Tick(box, true);
            h.Choose(list, FontItems.indexOf(" COURIER"));
            h.Read();
            QCOMPARE(h.Value(n), 40000003);
            QVERIFY(h.Messages().isEmpty());
        }
    }

    // A font number the file does not list: cleared with a message at the
    // set-up; ticking the box for one uses the first font, with a message
    // whose title depends on the page.
    void unlistedFontNumbers()
    {
        Job job;
        FontJob(job);
        const QString written = QStringLiteral("fonts/USER.FIF");
        UserFontSession session = job.Session();
        StateHarness iso(IsoStyle);
        iso.fonts = &session;
        iso.Set(4, 77000001);
        iso.Layout();
        QCOMPARE(iso.prompts.messages.size(), 1);
        const Message &m = iso.prompts.messages.first();
        QCOMPARE(m.text, QStringLiteral("Unable to set font number  77") + Eol
                             + QStringLiteral("Font does not exist in font file ") + Eol + written);
        QCOMPARE(m.title, QStringLiteral("Options Editor"));
        QCOMPARE(int(m.icon), int(MessageIcon::Exclamation));
        QCOMPARE(int(m.buttons), int(MessageButtons::Ok));
        QCOMPARE(iso.Value(4), 1);
        QVERIFY(!iso["ChkStyleFontFile"].checked);
        QVERIFY(!iso["CmbUserFontType"].enabled);

        for (int index : {IsoStyle, MaterialList}) {
            const bool onIso = index == IsoStyle;
            const int n = onIso ? 4 : 27;
            StateHarness h(index);
            h.fonts = &session;
            h.Set(n, 1);
            h.Layout();
            // The switch gets a number the file does not list behind the
            // page's back, then the box is ticked.
            h.Set(n, 88000001);
            h.Tick(onIso ? "ChkStyleFontFile" : "ChkMaterialsFontFile", true);
            QCOMPARE(h.prompts.messages.size(), 1);
            const Message &f8 = h.prompts.messages.first();
            QCOMPARE(f8.text, QStringLiteral("Unable to set font number 88") + Eol
                                  + QStringLiteral("Using first available user defined font."));
            QCOMPARE(f8.title, onIso ? QStringLiteral("swted") : QStringLiteral("Options Editor"));
            QCOMPARE(int(f8.icon), int(MessageIcon::Information));
            QCOMPARE(Shown(h[onIso ? "CmbUserFontType" : "CmbMaterialsUserFontType"]), QStringLiteral(" ARIAL NARROW"));
            h.Read();
            QCOMPARE(h.Value(n), 5000001);
        }
    }

    // No font information file for the options file: "User Fonts Absent",
    // the frame greyed, positions 7 to 9 cleared.
    void fontsAbsent_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QByteArray>("fontList");
        QTest::newRow("OPT record a comment") << "OPT" << QByteArray("!-152 /fonts/USER.FIF\n-152 /X.FIF\n") << QByteArray();
        QTest::newRow("OPT without a record") << "OPT" << QByteArray("KARVEN_OPTIONS_BLOCK\n") << QByteArray();
        QTest::newRow("OPL without a font list") << "OPL" << QByteArray() << QByteArray();
        QTest::newRow("OPS, first line a comment")
            << "OPS" << QByteArray() << QByteArray("!FONT-INFORMATION-FILE fonts/USER.FIF\nFONT-INFORMATION-FILE fonts/USER.FIF\n");
        QTest::newRow("IDF without a record") << "IDF" << QByteArray("! -152 /fonts/USER.FIF\n  -10 AREA\n") << QByteArray();
        QTest::newRow("other type") << "TXT" << QByteArray("-152 /fonts/USER.FIF\n") << QByteArray();
    }
    void fontsAbsent()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, options);
        QFETCH(QByteArray, fontList);
        Job job;
        FontJob(job);
        job.Options(type, options.isEmpty() ? QByteArray("KARVEN_OPTIONS_BLOCK\n") : options);
        if (!fontList.isEmpty())
            job.Write(QStringLiteral("karven.FLS"), fontList);
        UserFontSession session = job.Session();
        StateHarness material(MaterialList);
        material.fonts = &session;
        material.Set(27, 12000002);
        material.Layout();
        QVERIFY(material.Messages().isEmpty());
        QCOMPARE(material["CmbMaterialsUserFontType"].items, QStringList{"User Fonts Absent"});
        QCOMPARE(material["CmbMaterialsUserFontType"].index, 0);
        QVERIFY(!material["FramMatFont"].enabled);
        QCOMPARE(material.Value(27), 2);

        StateHarness iso(IsoStyle);
        iso.fonts = &session;
        iso.Set(4, 5000003);
        iso.Layout();
        QCOMPARE(Shown(iso["CmbUserFontType"]), QStringLiteral("User Fonts Absent"));
        QVERIFY(!iso["FramUserFonts"].enabled);
        iso.Read();
        QCOMPARE(iso.Value(4), 3);
    }

    // Font list files and IDF records name the font information file in
    // their own ways; each gives the same fonts.
    void fontFilesNamedByEachType()
    {
        {
            Job job;
            FontJob(job);
            job.Options(QStringLiteral("OPL"), QByteArray());
            job.Write(QStringLiteral("KARVEN.FLS"), "PLOTTER-FILE X\nFONT-INFORMATION-FILE   fonts\\USER.FIF  \n");
            UserFontSession session = job.Session();
            StateHarness h(MaterialList);
            h.fonts = &session;
            h.Set(27, 5000000);
            h.Layout();
            QVERIFY2(h.Messages().isEmpty(), qPrintable(h.Messages().join('|')));
            QCOMPARE(Shown(h["CmbMaterialsUserFontType"]), QStringLiteral(" ARIAL NARROW"));
        }
        {
            Job job;
            FontJob(job);
            job.Options(QStringLiteral("IDF"), "! -152 /old/\n  -152 /C:\\\n   -1 fonts\\\n   -1 user.fif\n  -10 AREA\n");
            UserFontSession session = job.Session();
            StateHarness h(IsoStyle);
            h.fonts = &session;
            h.Set(4, 40000000);
            h.Layout();
            QVERIFY2(h.Messages().isEmpty(), qPrintable(h.Messages().join('|')));
            QCOMPARE(Shown(h["CmbUserFontType"]), QStringLiteral(" COURIER"));
            QVERIFY(h["ChkStyleFontFile"].checked);
        }
    }

    // HDR and DEF files name no font information file: the group stays as
    // built (greyed) and the font number is kept, also by the read-back.
    void headerAndDefaultFilesLeaveTheGroupAlone()
    {
        for (const char *type : {"HDR", "DEF"}) {
            Job job;
            FontJob(job);
            job.Options(QString::fromLatin1(type));
            UserFontSession session = job.Session();
            StateHarness iso(IsoStyle);
            iso.fonts = &session;
            iso.Set(4, 12000002);
            iso.Layout();
            iso.Read();
            QCOMPARE(iso.Value(4), 12000002);
            QVERIFY(iso["CmbUserFontType"].items.isEmpty());
            QVERIFY(!iso["ChkStyleFontFile"].checked);
            QVERIFY(!iso["FramUserFonts"].enabled);
            // Even a click that reaches the box changes nothing.
            iso.Tick("ChkStyleFontFile", false);
            QCOMPARE(iso.Value(4), 12000002);

            StateHarness material(MaterialList);
            material.fonts = &session;
            material.Set(27, 40000001);
            material.Layout();
            material.Read();
            QCOMPARE(material.Value(27), 40000001);
            QVERIFY(material.Messages().isEmpty());
        }
    }

    // The fatal stops: the message, and nothing after it is laid out.
    void fatalStops_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QByteArray>("fonts");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QString end = Eol + QStringLiteral("Terminating application.");
        QTest::newRow("F3 OPT record without .FIF")
            << "OPT" << QByteArray("-152 /fonts/USER\n") << QByteArray(Fonts)
            << QStringLiteral("The Path for font file was not correctly set.") + end << "Options Editor";
        QTest::newRow("F4 OPT") << "OPT" << QByteArray("-152 /C:\\NONE\\USER.FIF\n") << QByteArray(Fonts)
                                << QStringLiteral("The font file C:\\NONE\\USER.FIF does not exist. ") + Eol
                                       + "Please modify the options file and restart the Options Editor." + end
                                << "Options Editor";
        QTest::newRow("F4 IDF") << "IDF" << QByteArray("-152 /none/\n-1 USER.FIF\n-10 X\n") << QByteArray(Fonts)
                                << QStringLiteral("The font file none/USER.FIF does not exist. ") + Eol
                                       + "Please modify the IDF file and restart the Options Editor." + end
                                << "Options Editor";
        QTest::newRow("F7 font line without digits")
            << "OPT" << QByteArray("-152 /fonts/USER.FIF\n") << QByteArray("KARVEN-FONT Gothic\nDESCRIPTION Gothic\n")
            << QString() << "swted";
    }
    void fatalStops()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, options);
        QFETCH(QByteArray, fonts);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Job job;
        FontJob(job, fonts.constData());
        job.Options(type, options);
        UserFontSession session = job.Session();
        StateHarness iso(IsoStyle);
        iso.fonts = &session;
        iso.Set(4, 12000002);
        iso.Set(7, 3);
        iso.Layout();
        QCOMPARE(iso.prompts.messages.size(), 1);
        const Message &m = iso.prompts.messages.first();
        if (!text.isEmpty())
            QCOMPARE(m.text, text);
        QCOMPARE(m.title, title);
        QCOMPARE(int(m.icon), int(MessageIcon::Stop));
        QCOMPARE(int(m.buttons), int(MessageButtons::Ok));
        QVERIFY(session.stopped);
        // The layout ended at the font group: switch 7's field is not filled.
        QVERIFY(iso["Opt_7_Text"].text.isEmpty());
        QCOMPARE(iso.Value(4), 12000002);

        // The tour of the pages, as lint runs it, stops there too.
        UserFontSession again = job.Session();
        SwitchStore store;
        ScriptedPrompts prompts;
        QVERIFY(!TourPages(store, prompts, false, &again));
        QCOMPARE(prompts.texts(), QStringList{m.text});
    }

    // A font information file with no font in it is read as an empty list:
    // the switch's font is not in it, and editing goes on.
    void aFileWithoutFontsIsNotFatal()
    {
        Job job;
        FontJob(job, "! nothing installed yet\n");
        UserFontSession session = job.Session();
        StateHarness iso(IsoStyle);
        iso.fonts = &session;
        iso.Set(4, 12000002);
        iso.Set(7, 3);
        iso.Layout();
        QVERIFY(!session.stopped);
        QCOMPARE(iso.prompts.messages.size(), 1);
        QVERIFY(iso.Messages().first().startsWith(QStringLiteral("Unable to set font number  12")));
        QCOMPARE(iso["CmbUserFontType"].items, QStringList{"Font Not Set"});
        QCOMPARE(iso.Value(4), 2);
        QCOMPARE(iso["Opt_7_Text"].text, QStringLiteral("3"));
    }

    // The options file gone when a page is set up: each page's own text.
    void optionsFileMissing()
    {
        Job job;
        FontJob(job);
        UserFontSession session = job.Session();
        session.optionsPath = job.dir.filePath(QStringLiteral("GONE.OPT"));
        const QString tail = Eol + QStringLiteral("Please ensure the file exists and restart the Options Editor.") + Eol
            + QStringLiteral("Terminating application.");
        StateHarness iso(IsoStyle);
        iso.fonts = &session;
        iso.Layout();
        QCOMPARE(iso.Messages(), QStringList{QStringLiteral("Unable to find the file ") + session.optionsPath + tail});
        session.stopped = false;
        StateHarness material(MaterialList);
        material.fonts = &session;
        material.Layout();
        QCOMPARE(material.Messages(),
                 QStringList{QStringLiteral("Unable to find the options file ") + session.optionsPath + tail});
        QCOMPARE(material.prompts.messages.first().title, QStringLiteral("Options Editor"));
    }

    // What the editor computes for change markers reads the page back on
    // copies: the session's flags stay as they are.
    void readingBackForMarkersLeavesTheFlagsAlone()
    {
        Job job;
        FontJob(job);
        UserFontSession session = job.Session();
        StateHarness iso(IsoStyle);
        iso.fonts = &session;
        iso.Set(4, 2);
        iso.Layout();
        iso.Tick("ChkStyleFontFile", true);
        const bool ignore = session.tables.IgnoreNextFontClick;
        const SwitchValueSet values = ValuesReadBack(iso.page, iso.state, iso.store, false, &session);
        QCOMPARE(values[4], 5000002);
        QCOMPARE(session.tables.IgnoreNextFontClick, ignore);
        QCOMPARE(iso.Value(4), 2);
    }
};

SWTED_TEST_APPLESS_MAIN(TestUserFontsState)
#include "test_userfonts_state.moc"
