// Everyday editing without a window: finding a setting by words, what a
// control edits, what changed, and undo.
#include "TestRegistry.h"
#include "StateHarness.h"
#include "pages/EditHistory.h"
#include "pages/SettingSearch.h"

#include <QSet>

using namespace swted;
using namespace swted::test;

namespace {

QStringList Controls(const QVector<SettingHit> &hits)
{
    QStringList names;
    for (const SettingHit &h : hits)
        names << h.control;
    return names;
}

} // namespace

class TestEditing : public QObject {
    Q_OBJECT

private slots:
    void searchByWords()
    {
        // Captions, list items, panel titles, tips and switch numbers; every
        // word must match, in any case.
        const QVector<SettingHit> paper = SearchSettings(QStringLiteral("paper SIZE"));
        QVERIFY(Controls(paper).contains("Opt_14_Combo"));
        QVERIFY(Controls(paper).contains("Opt_14_Combo1"));
        const SettingHit first = paper.first();
        QCOMPARE(first.page, 0);
        QCOMPARE(first.panel, QStringLiteral("PAPER SETTINGS"));

        QVERIFY(Controls(SearchSettings("Not PostScript")).contains("Opt_14_Combo1")); // a list item
        QVERIFY(Controls(SearchSettings("continuous feed")).contains("Opt_1_Text"));  // a tip
        QVERIFY(Controls(SearchSettings("plotfile backing")).contains("Opt_138_Check")); // a panel title
        const QStringList seventyOne = Controls(SearchSettings("71"));
        QVERIFY(seventyOne.contains("Opt_71_Combo") && seventyOne.contains("Opt_71_CheckPlus"));
        QVERIFY(!seventyOne.contains("Opt_14_Combo"));
        // A number stands as a word: 24 is in "(Default is 24")" but not in "i01".
        QVERIFY(Controls(SearchSettings("24")).contains("Opt_41_Text"));
        QVERIFY(!Controls(SearchSettings("1")).contains("Opt_71_Check"));
        QVERIFY(Controls(SearchSettings("weld prefix")).contains("Opt_75_Check_A"));
        const QVector<SettingHit> heights = SearchSettings("text height weld");
        QVERIFY(Controls(heights).contains("Opt_53_Option_C"));
        QVERIFY(SearchSettings("zzz").isEmpty());
        QVERIFY(SearchSettings("   ").isEmpty());
        // Sub-pages are told: the trim marks are on the second of the plotted iso page.
        const QVector<SettingHit> trim = SearchSettings("trim marks");
        QCOMPARE(trim.first().control, QStringLiteral("Opt_3_Check"));
        QCOMPARE(trim.first().subPage, 2);
        QCOMPARE(trim.first().caption, QStringLiteral("Draw Trim Marks"));
    }

    // One row per setting, each saying where it stands once and naming it;
    // the best matches first.
    void searchRowsNameEverySetting()
    {
        for (const char *q : {"dimension form", "53", "weld", "size", "a"}) {
            QSet<QString> rows;
            for (const SettingHit &h : SearchSettings(q)) {
                const QStringList parts = h.Where().split(QStringLiteral(" \u203A "));
                QVERIFY2(!h.caption.trimmed().isEmpty(), qPrintable(QString(q) + ": " + h.control));
                QCOMPARE(QSet<QString>(parts.begin(), parts.end()).size(), parts.size());
                QVERIFY2(!rows.contains(QString::number(h.page) + h.Where()), qPrintable(QString(q) + ": " + h.Where()));
                rows.insert(QString::number(h.page) + h.Where());
            }
        }
        // A switch number finds its own switch before the texts that mention it.
        const QVector<SettingHit> fiftyThree = SearchSettings("53");
        QCOMPARE(fiftyThree.first().switchNumber, 53);
        QVERIFY(fiftyThree.last().switchNumber != 53);
        // Both user font groups; a list item keeps its ampersand.
        QCOMPARE(Controls(SearchSettings("font")).mid(0, 2), (QStringList{"FramMatFont", "FramUserFonts"}));
        QVERIFY(Controls(SearchSettings("supports & message")).contains("Opt_9_Combo"));
        // The tip's first sentence comes along.
        const QVector<SettingHit> feed = SearchSettings("continuous feed");
        QVERIFY(!feed.isEmpty() && feed.first().tip.endsWith(QLatin1Char('.')));
    }

    void whatAControlEdits()
    {
        QCOMPARE(PositionsText(*StateHarness(1).page.Control("Opt_9_Pos3_Combo")), QStringLiteral("Switch 9, positions 3 to 4"));
        QCOMPARE(PositionsText(*StateHarness(1).page.Control("Opt_41_Text")), QStringLiteral("Switch 41, positions 6 to 7"));
        QCOMPARE(PositionsText(*StateHarness(1).page.Control("Opt_9_Combo_E")), QStringLiteral("Switch 9, position 5"));
        QCOMPARE(PositionsText(*StateHarness(0).page.Control("Opt_10_Text")), QStringLiteral("Switch 10, whole value"));
        QCOMPARE(PositionsText(*StateHarness(0).page.Control("Opt_3_Check")), QStringLiteral("Switch 3, whole value"));
    }

    void valuesReadBackLeaveStoreAndStateAlone()
    {
        StateHarness h(0);
        h.Set(15, 210);
        h.Layout();
        h.Choose("Opt_14_Combo", 4);
        const PageState before = h.state;
        const SwitchValueSet values = ValuesReadBack(h.page, h.state, h.store, false);
        QCOMPARE(values[14], 4);
        QCOMPARE(values[15], 0); // cleared by the list
        QCOMPARE(h.Value(14), 0);
        QCOMPARE(h.Value(15), 210);
        QVERIFY(h.state == before);
        QVERIFY(h.Messages().isEmpty());
    }

    void changedPositions()
    {
        const ControlEntry &range = *StateHarness(1).page.Control("Opt_41_Text"); // positions 6-7
        QVERIFY(!PositionsDiffer(range, 100005, 100009));
        QVERIFY(PositionsDiffer(range, 100005, 200005));
        const ControlEntry &whole = *StateHarness(0).page.Control("Opt_3_Check");
        QVERIFY(PositionsDiffer(whole, 1, 11));
    }

    void positionsTakenFromAnotherValue()
    {
        const ControlEntry &range = *StateHarness(1).page.Control("Opt_41_Text"); // positions 6-7
        QCOMPARE(WithPositionsOf(range, 123456789, 0), 120056789);
        QCOMPARE(WithPositionsOf(range, 5, 2400000), 2400005);
        const ControlEntry &whole = *StateHarness(0).page.Control("Opt_3_Check");
        QCOMPARE(WithPositionsOf(whole, 11, 0), 0);
    }

    void undoAndRedo()
    {
        SwitchValueSet a{}, b{}, c{};
        b[5] = 1;
        c[5] = 2;
        c[6] = 3;
        EditHistory history;
        QVERIFY(!history.CanUndo() && !history.CanRedo());
        history.Record(a, a); // no change, no step
        QVERIFY(!history.CanUndo());
        history.Record(a, b);
        history.Record(b, c);
        QCOMPARE(*history.Undo(), b);
        QCOMPARE(*history.Undo(), a);
        QVERIFY(!history.Undo());
        QCOMPARE(*history.Redo(), b);
        QVERIFY(history.CanRedo());
        // A new step drops what could be redone.
        history.Record(b, a);
        QVERIFY(!history.CanRedo());
        QCOMPARE(*history.Undo(), b);
        QCOMPARE(*history.Undo(), a);
        history.Clear();
        QVERIFY(!history.CanUndo());
    }
};

SWTED_TEST_APPLESS_MAIN(TestEditing)
#include "test_editing.moc"
