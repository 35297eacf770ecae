// The corrections of a store: every switch the tour of the pages would save
// otherwise, where it is edited and why.
#include "model/SwitchStore.h"
#include "pages/Corrections.h"
#include "pages/PageTour.h"
#include "shell/ScriptedPrompts.h"

#include <QRandomGenerator>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;

namespace {

using Values = QVector<QPair<int, int32_t>>;

// The built-in defaults as the pages store them, then the values.
SwitchStore StoreWith(const Values &values)
{
    SwitchStore s;
    s.DefaultAllSwitches();
    ScriptedPrompts prompts;
    TourPages(s, prompts, false);
    for (const auto &[n, v] : values)
        s.SetWholeValue(n, v);
    s.TakeSnapshot();
    return s;
}

} // namespace

class TestCorrections : public QObject {
    Q_OBJECT

private slots:
    // Values the pages store otherwise, and what is said of them.
    void explained_data()
    {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("setting");
        QTest::newRow("negative list value") << "14=-7"
            << "switch 14: -7 will be saved as 2 (a negative value reads as 0; PAPER SETTINGS: 0 is shown as the default)"
            << "Plotted Iso \u203a PAPER SETTINGS";
        QTest::newRow("field too long") << "15=12345 16=300" << "switch 15: 12345 will be saved as 2345 (Width (mm) keeps four digits)"
                                        << "Plotted Iso \u203a PAPER SETTINGS \u203a Width (mm)";
        QTest::newRow("a rule, not the field") << "15=210 16=0" << "switch 15: 210 will be saved as 0 (Width (mm) is set by the page's rules)"
                                               << "Plotted Iso \u203a PAPER SETTINGS \u203a Width (mm)";
        QTest::newRow("no list item") << "71=5"
            << "switch 71: 5 will be saved as 4004 (PLOTFILE / BACKING SHEET FORMAT: out of range, shown as the default)"
            << "Plotted Iso \u203a PLOTFILE / BACKING SHEET FORMAT";
        QTest::newRow("check box digit") << "83=4" << "switch 83: 4 will be saved as 0 (Site Welds Not Assigned To Spools: 4 is not 0 or 1, stored as 0)"
                                         << "Welding \u203a SITE WELDS WITH SPOOLS \u203a Site Welds Not Assigned To Spools";
        QTest::newRow("option digit") << "8=900" << "switch 8: 900 will be saved as 100 (Standard Text: 9 is not one of its options, read as the last)"
                                      << "Dimensioning \u203a DIMENSION LINE STANDOUT \u203a Standard Text";
    }
    void explained()
    {
        QFETCH(QString, values);
        QFETCH(QString, said);
        QFETCH(QString, setting);
        Values set;
        for (const QString &v : values.split(' '))
            set.append({v.section('=', 0, 0).toInt(), v.section('=', 1).toInt()});
        const QVector<Correction> found = CollectCorrections(StoreWith(set), false, nullptr);
        QCOMPARE(found.size(), 1);
        QCOMPARE(CorrectionText(found[0]), said);
        QCOMPARE(found[0].setting, setting);
    }

    // On random stores the corrections name exactly the switches the tour
    // changes, with the values it leaves, and the messages it shows.
    void agreeWithTheTour()
    {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 300; ++round) {
            Values values;
            const int count = 1 + random.bounded(12);
            for (int i = 0; i < count; ++i) {
                const int n = 1 + random.bounded(SwitchCount);
                const quint32 kind = random.bounded(5);
                const int32_t v = kind == 0 ? random.bounded(10)
                    : kind == 1 ? random.bounded(1000)
                    : kind == 2 ? random.bounded(1000000000)
                    : kind == 3 ? -random.bounded(100000)
                                : random.bounded(1000000000, 2147483647);
                values.append({n, v});
            }
            const bool restricted = round % 7 == 0;
            const SwitchStore opened = StoreWith(values);

            SwitchStore toured = opened;
            ScriptedPrompts prompts;
            QVERIFY(TourPages(toured, prompts, restricted));
            QStringList messages;
            bool stopped = true;
            const QVector<Correction> found = CollectCorrections(opened, restricted, nullptr, &messages, &stopped);
            QVERIFY(!stopped);
            QCOMPARE(messages, prompts.texts());

            int k = 0;
            for (int n = 1; n <= SwitchCount; ++n) {
                if (toured.GetSwitchValue(n) == opened.GetSwitchValue(n))
                    continue;
                QVERIFY2(k < found.size(), qPrintable(QStringLiteral("round %1: switch %2 not named").arg(round).arg(n)));
                const Correction &c = found[k++];
                QCOMPARE(c.switchNumber, n);
                QCOMPARE(c.inFile, opened.GetSwitchValue(n));
                QCOMPARE(c.saved, toured.GetSwitchValue(n));
                QVERIFY(!c.setting.isEmpty() && !c.reason.isEmpty());
            }
            QCOMPARE(k, int(found.size()));
        }
    }
};

SWTED_TEST_GUILESS_MAIN(TestCorrections)
#include "test_corrections.moc"
