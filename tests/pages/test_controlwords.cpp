// What a change marker says of the file's value, and the names screen
// readers announce, from the page descriptions alone.
#include "model/SwitchStore.h"
#include "pages/ControlWords.h"
#include "pages/PageDescriptions.h"

#include "TestRegistry.h"
#include <QtTest>

using namespace swted;

class TestControlWords : public QObject {
    Q_OBJECT

private slots:
    // The file's value of one control, laid out by its page: "n=v ..."
    // over the built-in defaults.
    void fileValueWords_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("words");
        QTest::newRow("list item") << 0 << "Opt_14_Combo" << "14=3" << "In the file: European A3 paper size (297 x 420 mm)";
        QTest::newRow("list out of range") << 0 << "Opt_14_Combo" << "14=15" << "In the file: 15, out of range";
        QTest::newRow("coded list") << 0 << "Opt_71_Combo" << "71=4" << "In the file: DXF (ASCII)";
        QTest::newRow("code of no item") << 0 << "Opt_71_Combo" << "71=5" << "In the file: 5, out of range";
        QTest::newRow("ticked") << 0 << "Opt_3_Check" << "3=1" << "In the file: ticked";
        QTest::newRow("not ticked") << 0 << "Opt_3_Check" << "3=0" << "In the file: not ticked";
        QTest::newRow("option caption") << 0 << "Opt_31_Option_A" << "31=2"
                                        << "In the file: Output to Terminal Screen (OS69 in System Controls)";
        QTest::newRow("field's own digits") << 0 << "Opt_15_Text" << "15=12345" << "In the file: 2345";
        QTest::newRow("margin as the field shows it") << 0 << "Opt_10_Text" << "10=99999" << "In the file: 99999";
        QTest::newRow("default text") << 0 << "Opt_36_Text" << "36=0" << "In the file: 1";
        QTest::newRow("above the largest") << 7 << "Opt_110_Text" << "110=75" << "In the file: 75, out of range";
        QTest::newRow("emptied by a rule") << 5 << "Opt_101_Text_A" << "101=0" << "In the file: empty";
        QTest::newRow("box of a rule") << 5 << "Opt_101_Check" << "101=25" << "In the file: ticked";
    }
    void fileValueWords()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, values);
        QFETCH(QString, words);
        const PageDescription *d = PageDescriptionOf(page);
        QVERIFY(d);
        const ControlEntry *c = d->Control(control);
        QVERIFY(c);
        SwitchValueSet file{};
        for (int n = 1; n <= SwitchCount; ++n)
            file[n] = SwitchStore::DefaultValue(n);
        for (const QString &pair : values.split(QLatin1Char(' ')))
            file[pair.section(QLatin1Char('='), 0, 0).toInt()] = pair.section(QLatin1Char('='), 1).toInt();
        const ValuesView view = ViewOfValues(*d, file, false);
        const ControlState *shown = view.state.Find(control);
        QVERIFY(shown);
        QCOMPARE(FileValueWords(*c, file[c->switchNumber], *shown, view.outOfRange.contains(control)), words);
    }

    // Captions lose their access keys; untitled lists under one title are
    // told apart by their first item.
    void accessibleNames_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("caption") << 5 << "Opt_95_Text" << "Plotted Leg Length for Elbows, Tees & Crosses (mm)";
        QTest::newRow("untitled list") << 7 << "Opt_109_Combo_1"
                                       << "REPEATABILITY FILE CONTENT, Do NOT write Spool Identifiers to Return File";
        QTest::newRow("the only list of its frame") << 0 << "Opt_14_Combo1" << "PostScript Paper Sizes";
    }
    void accessibleNames()
    {
        QFETCH(int, page);
        QFETCH(QString, control);
        QFETCH(QString, name);
        const PageDescription *d = PageDescriptionOf(page);
        const ControlEntry *c = d->Control(control);
        QVERIFY(c);
        QCOMPARE(AccessibleNameOf(*d, *c), name);
    }
};

SWTED_TEST_APPLESS_MAIN(TestControlWords)
#include "test_controlwords.moc"
