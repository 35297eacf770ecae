#include "model/SwitchStore.h"
#include "pages/PageDescriptions.h"
#include "pages/PageLogic.h"
#include "pages/PageTable.h"
#include "shell/ScriptedPrompts.h"
#include "tools/SwitchLocations.h"

#include "TestRegistry.h"
#include "TestSupport.h"
#include <QtTest>
#include <map>
#include <memory>

using namespace swted;
using namespace swted::test;

namespace {

// The first page and sub-page, in page index order, that edit a switch.
std::optional<LocationRow> WhereEdited(int n)
{
    // Controls bound to no switch (switch number 0) edit none.
    if (n < 1 || n > SwitchCount)
        return std::nullopt;
    for (int index = 0; index < PageCount; ++index) {
        const PageDescription *page = PageDescriptionOf(index);
        if (!page)
            continue;
        for (int k = 1; k <= page->subPages; ++k) {
            for (const ControlEntry *c : page->ControlsOfSwitch(n)) {
                if (c->subPage == k)
                    return LocationRow{index, k, n, n};
            }
        }
    }
    return std::nullopt;
}

QString Where(const std::optional<LocationRow> &r)
{
    if (!r)
        return QStringLiteral("not supported");
    return QStringLiteral("%1 sub-page %2").arg(QString::fromLatin1(PageOfIndex(r->page).window)).arg(r->subPage);
}

QString At(int page, int subPage)
{
    return Where(LocationRow{page, subPage, 0, 0});
}


// Switches that the location list of the find window gives no page for
// (83 among them, which the welding page edits).
const QVector<int> NamedUnsupported = {0,   33,  56,  57,  72,  83,  84,  85,  86,  87,  88,  89,  90,  91,
                                       93,  94,  96,  98,  103, 104, 105, 106, 107, 113, 125, 126, 128, 129,
                                       130, 131, 132, 133, 134, 135, 136, 137, 139, 140};

// A page shown on page states, as the main window shows page windows:
// each page keeps its own state, and unloading reads it back.
struct StatePages : SwitchPages {
    SwitchStore store;
    ScriptedPrompts prompts;
    std::map<int, std::unique_ptr<PageState>> states;
    int onScreen = -1;
    int subPage = 0;
    QStringList log;

    PageContext Context(int index) { return PageContext{*PageDescriptionOf(index), *states[index], store, prompts, false}; }
    int PageOnScreen() const override { return onScreen; }
    void UnloadPageOnScreen() override
    {
        PageContext ctx = Context(onScreen);
        ReadForm(ctx);
        log << QStringLiteral("store %1").arg(onScreen);
        onScreen = -1;
    }
    void OpenPage(int index) override
    {
        if (!states[index])
            states[index] = std::make_unique<PageState>();
        PageContext ctx = Context(index);
        LayoutForm(ctx);
        log << QStringLiteral("lay out %1").arg(index);
        onScreen = index;
        subPage = 1;
    }
    void BringSubPageForward(int index, int k) override
    {
        log << QStringLiteral("sub-page %1 %2").arg(index).arg(k);
        subPage = k;
    }
    PageState &State() { return *states[onScreen]; }
};

} // namespace

class TestSwitchLocations : public QObject {
    Q_OBJECT

private slots:
    // Whatever pages are built: each switch a page edits is found on the
    // first sub-page that edits it, and nothing else is found.
    void everyEditedSwitchIsFoundWhereItIsEdited()
    {
        int found = 0;
        for (int n = -2; n <= SwitchCount + 2; ++n) {
            const std::optional<LocationRow> expected = WhereEdited(n);
            QCOMPARE(Where(LocateSwitch(n)), Where(expected));
            found += expected.has_value();
        }
        QVERIFY(found > 0);
        for (int n : NamedUnsupported) {
            if (!WhereEdited(n))
                QCOMPARE(Where(LocateSwitch(n)), QStringLiteral("not supported"));
        }
        for (double n : {-1.0, 141.0, 200.0, 1e9, 1e300, -1e300})
            QVERIFY(!LocateSwitch(n));
    }

    // Rows of a sub-page: runs of three or more are ranges; pairs and single
    // numbers stay single, so a fraction between them finds nothing.
    void rowsAreRangesOnlyForRunsOfThree()
    {
        for (int index = 0; index < PageCount; ++index) {
            const PageDescription *page = PageDescriptionOf(index);
            if (!page)
                continue;
            for (const LocationRow &row : LocationRowsOf(*page)) {
                QVERIFY(row.high == row.low || row.high - row.low >= 2);
                QCOMPARE(row.page, index);
                for (int n = row.low; n <= row.high; ++n)
                    QVERIFY(!page->ControlsOfSwitch(n).isEmpty());
            }
        }
    }

    // The rows of the pages built so far, as the list of the find window
    // gives them.
    void rowsOfThePagesBuilt()
    {
        auto rows = [](int index) {
            QStringList out;
            for (const LocationRow &r : LocationRowsOf(*PageDescriptionOf(index))) {
                out << (r.low == r.high ? QStringLiteral("%1:%2").arg(r.subPage).arg(r.low)
                                        : QStringLiteral("%1:%2-%3").arg(r.subPage).arg(r.low).arg(r.high));
            }
            return out.join(QLatin1Char(' '));
        };
        QCOMPARE(rows(Plot), QStringLiteral("1:10-16 1:71 1:138 2:1 2:3 2:18 2:31 2:32 2:34-37 2:92"));
        QCOMPARE(rows(Dimension), QStringLiteral("1:8 1:9 1:40 1:41 2:80 2:81 3:118 3:119 3:121"));
        // The welding page edits switch 83 on its third sub-page, where the
        // find window's own list had it as not supported.
        QCOMPARE(rows(Welding), QStringLiteral("1:53 1:54 2:75 2:77 3:78 3:83"));
        QCOMPARE(rows(System), QStringLiteral("1:6 1:55 1:63 1:69 1:115-117 1:127"));
    }

    void findsTheEdgeCases_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("where");
        QTest::newRow("53") << "53" << At(Welding, 1);
        QTest::newRow("54") << "54" << At(Welding, 1);
        QTest::newRow("78") << "78" << At(Welding, 3);
        QTest::newRow("77") << "77" << At(Welding, 2);
        QTest::newRow("83") << "83" << At(Welding, 3);
        QTest::newRow("82.5 between 82 and 83") << "82.5" << "not supported";
        QTest::newRow("16") << "16" << At(Plot, 1);
        QTest::newRow("10") << "10" << At(Plot, 1);
        QTest::newRow("92") << "92" << At(Plot, 2);
        QTest::newRow("6") << "6" << At(System, 1);
        QTest::newRow("121") << "121" << At(Dimension, 3);
        QTest::newRow("33") << "33" << "not supported";
        QTest::newRow("36.5 inside 34 to 37") << "36.5" << At(Plot, 2);
        QTest::newRow("10.5 inside 10 to 16") << "10.5" << At(Plot, 1);
        QTest::newRow("116.25 inside 115 to 117") << "116.25" << At(System, 1);
        QTest::newRow("31.5 between 31 and 32") << "31.5" << "not supported";
        QTest::newRow("53.5 between 53 and 54") << "53.5" << "not supported";
        QTest::newRow("16.5 past 16") << "16.5" << "not supported";
        QTest::newRow("9.99 before 10") << "9.99" << "not supported";
        QTest::newRow("12abc") << "12abc" << At(Plot, 1);
        QTest::newRow("blanks before 16") << "  16" << At(Plot, 1);
        QTest::newRow("empty") << "" << "not supported";
        QTest::newRow("letters") << "abc" << "not supported";
        QTest::newRow("200") << "200" << "not supported";
        QTest::newRow("-53") << "-53" << "not supported";
        QTest::newRow("hexadecimal 35") << "&H23" << At(Plot, 2);
        // The pages still to come: found there once they are built.
        QTest::newRow("blanks before 7") << "  7" << (PageAvailable(IsoStyle) ? At(IsoStyle, 1) : "not supported");
        QTest::newRow("17") << "17" << (PageAvailable(IContent) ? At(IContent, 3) : "not supported");
        QTest::newRow("74") << "74" << (PageAvailable(Materials) ? At(Materials, 4) : "not supported");
        QTest::newRow("82") << "82" << (PageAvailable(Specials) ? At(Specials, 2) : "not supported");
    }
    void findsTheEdgeCases()
    {
        QFETCH(QString, text);
        QFETCH(QString, where);
        QCOMPARE(Where(FindOptionSwitch(text).where), where);
    }

    void notSupportedMessage()
    {
        QCOMPARE(NotSupportedText(FindOptionSwitch(QStringLiteral("200")).number),
                 QStringLiteral("Option Switch Number 200 Is Not Supported."));
        QCOMPARE(NotSupportedText(FindOptionSwitch(QString()).number),
                 QStringLiteral("Option Switch Number 0 Is Not Supported."));
        QCOMPARE(NotSupportedText(FindOptionSwitch(QStringLiteral("-0")).number),
                 QStringLiteral("Option Switch Number 0 Is Not Supported."));
        QCOMPARE(NotSupportedText(31.5), QStringLiteral("Option Switch Number 31.5 Is Not Supported."));
        QCOMPARE(NotSupportedText(0.1), QStringLiteral("Option Switch Number 0.1 Is Not Supported."));
        QCOMPARE(NotSupportedText(-7), QStringLiteral("Option Switch Number -7 Is Not Supported."));
        QCOMPARE(NotSupportedText(1234567), QStringLiteral("Option Switch Number 1234567 Is Not Supported."));
        QCOMPARE(FindWindowTitle, QStringLiteral("Find Option Switch"));
    }

    // The page on screen is stored back before the target is laid out, so
    // what the user typed on it survives a search for a switch of the same
    // page, and a search for another page sees it too.
    void pageOnScreenIsStoredBeforeTheTargetIsLaidOut()
    {
        StatePages pages;
        pages.store.SetWholeValue(12, 0);
        pages.OpenPage(Plot);
        const ControlEntry *c = PageDescriptionOf(Plot)->ControlsOfSwitch(12).value(0);
        QVERIFY(c);
        const QString before = pages.State()[c->name].text;
        pages.State()[c->name].text = QStringLiteral("4");
        pages.log.clear();

        ShowSwitchLocation(pages, *FindOptionSwitch(QStringLiteral("36.5")).where);
        QCOMPARE(pages.log, QStringList({"store 0", "lay out 0", "sub-page 0 2"}));
        QCOMPARE(pages.onScreen, Plot);
        QCOMPARE(pages.subPage, 2);
        QCOMPARE(pages.store.GetSwitchValue(12), 4);
        QCOMPARE(pages.State()[c->name].text, QStringLiteral("4"));
        QVERIFY(before != QStringLiteral("4"));

        pages.log.clear();
        ShowSwitchLocation(pages, *FindOptionSwitch(QStringLiteral("78")).where);
        QCOMPARE(pages.log, QStringList({"store 0", "lay out 3", "sub-page 3 3"}));
        QCOMPARE(pages.onScreen, Welding);
    }

    void withNoPageOnScreenTheTargetOpensAlone()
    {
        StatePages pages;
        ShowSwitchLocation(pages, *FindOptionSwitch(QStringLiteral("53")).where);
        QCOMPARE(pages.log, QStringList({"lay out 3", "sub-page 3 1"}));
        QCOMPARE(pages.states.size(), size_t(1));
    }
};

SWTED_TEST_GUILESS_MAIN(TestSwitchLocations)
#include "test_switchlocations.moc"
