// The search's filter words on page states: what changed, what is not at
// its default, what differs from a file compared with.
#include "model/SwitchStore.h"
#include "pages/PageTour.h"
#include "settings/SettingFilters.h"
#include "shell/ScriptedPrompts.h"

#include "TestRegistry.h"
#include <QtTest>

using namespace swted;

class TestSettingFilters : public QObject {
    Q_OBJECT

    // A file of the defaults as a save in the editor leaves it.
    static SwitchStore DefaultsFile()
    {
        SwitchStore store;
        store.DefaultAllSwitches();
        ScriptedPrompts quiet;
        TourPages(store, quiet, false);
        return store;
    }
    static QStringList Controls(const QVector<SettingHit> &hits)
    {
        QStringList names;
        for (const SettingHit &h : hits)
            names << h.control;
        return names;
    }

private slots:
    void filters_data()
    {
        QTest::addColumn<QString>("change"); // KEY=VALUE set on the defaults file, or empty
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("defaults: nothing non-default") << "" << "@non-default" << QStringList{};
        QTest::newRow("defaults: nothing changed") << "" << "@changed" << QStringList{};
        QTest::newRow("one change: non-default")
            << "plotted-iso.paper-settings.sheet-size=European A1" << "@non-default" << QStringList{"Opt_14_Combo"};
        QTest::newRow("one change: changed")
            << "plotted-iso.paper-settings.sheet-size=European A1" << "@changed" << QStringList{"Opt_14_Combo"};
        QTest::newRow("with words that match")
            << "plotted-iso.paper-settings.sheet-size=European A1" << "paper @NON-DEFAULT" << QStringList{"Opt_14_Combo"};
        QTest::newRow("with words that do not")
            << "plotted-iso.paper-settings.sheet-size=European A1" << "@changed margins" << QStringList{};
        QTest::newRow("both filters") << "plotted-iso.drawing-margins.left=12" << "@changed @non-default"
                                      << QStringList{"Opt_10_Text"};
        QTest::newRow("differs from the file compared with")
            << "plotted-iso.trim-marks-plot-orientation.draw-trim-marks=on" << "@differs" << QStringList{"Opt_3_Check"};
        QTest::newRow("no such filter") << "plotted-iso.drawing-margins.left=12" << "@nothing" << QStringList{};
    }
    void filters()
    {
        QFETCH(QString, change);
        QFETCH(QString, query);
        QFETCH(QStringList, controls);
        const SwitchStore opened = DefaultsFile();
        SwitchStore now = opened;
        if (!change.isEmpty()) {
            ScriptedPrompts prompts;
            const int eq = change.indexOf('=');
            QVERIFY(SetSetting(now, prompts, false, nullptr, *FindSetting(change.left(eq)), change.mid(eq + 1)).done);
        }
        const Explanation atOpen = ExplainSettings(opened, false, nullptr);
        const Explanation shown = ExplainSettings(now, false, nullptr);
        const FilterSets sets = MakeFilterSets(shown, atOpen, Defaults(false), &atOpen);
        QCOMPARE(Controls(SearchSettings(query, FilterOf(query, sets))), controls);
    }

    // Without a comparison, @differs keeps nothing.
    void differsNeedsAComparison()
    {
        const Explanation e = ExplainSettings(DefaultsFile(), false, nullptr);
        const FilterSets sets = MakeFilterSets(e, e, e);
        QVERIFY(SearchSettings("@differs", FilterOf("@differs", sets)).isEmpty());
    }
};

SWTED_TEST_GUILESS_MAIN(TestSettingFilters)
#include "test_settingfilters.moc"
