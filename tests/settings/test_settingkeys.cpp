// The keys of the settings: one for each setting, readable, and the ones
// users already know kept.
#include "settings/SettingKeys.h"
#include "settings/SettingsText.h"

#include <QRegularExpression>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;

class TestSettingKeys : public QObject {
    Q_OBJECT

private slots:
    // Every key is unique, says its page, panel and setting (three parts at
    // least) and uses only lower-case letters, digits, '-' and '.'.
    void keysAreUniqueAndReadable()
    {
        static const QRegularExpression form(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*(\\.[a-z0-9]+(-[a-z0-9]+)*){2,3}$"));
        QHash<QString, QString> seen;
        QStringList faults;
        for (const Setting &s : AllSettings()) {
            if (!form.match(s.key).hasMatch())
                faults << s.key + QStringLiteral(" (") + s.control->name + QStringLiteral("): not a readable key");
            if (seen.contains(s.key))
                faults << s.key + QStringLiteral(": both ") + seen[s.key] + QStringLiteral(" and ") + s.control->name;
            seen.insert(s.key, s.control->name);
            if (FindSetting(s.key.toUpper()) != &s)
                faults << s.key + QStringLiteral(": not found by its key");
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QVERIFY(AllSettings().size() > 250);
    }

    // The reference in docs/ is what the program says of its settings, so
    // that a key that changes shows in review.
    void referenceIsUpToDate()
    {
        QFile file(QStringLiteral(SWTED_SOURCE_DIR "/docs/settings.md"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString checkedIn = QString::fromUtf8(file.readAll());
        QVERIFY2(checkedIn == SettingsReference(),
                 "docs/settings.md is out of date: build/swted-cli settings > docs/settings.md");
    }

    void keyWords_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("words");
        QTest::newRow("plain") << "PAPER SETTINGS" << "paper-settings";
        QTest::newRow("access key and unit") << "&Width (mm)" << "width";
        QTest::newRow("only a remark") << "(mm)" << "mm";
        QTest::newRow("ampersand") << "Tees && C&rosses" << "tees-crosses";
        QTest::newRow("apostrophe") << "MISC ID'S - LEADING CHARACTERS" << "misc-ids-leading-characters";
        QTest::newRow("long") << "Display &message at location where increased tolerance used"
                              << "display-message-at-location-where-increased";
        QTest::newRow("title key only") << "~tolerance" << "";
    }
    void keyWords()
    {
        QFETCH(QString, caption);
        QFETCH(QString, words);
        QCOMPARE(KeyWords(caption), words);
    }

    // Keys that the reference and users' scripts name.
    void knownKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("control");
        QTest::newRow("sheet size") << "plotted-iso.paper-settings.sheet-size" << "Opt_14_Combo";
        QTest::newRow("width") << "plotted-iso.paper-settings.non-standard-paper-size.width" << "Opt_15_Text";
        QTest::newRow("trim marks") << "plotted-iso.trim-marks-plot-orientation.draw-trim-marks" << "Opt_3_Check";
    }
    void knownKeys()
    {
        QFETCH(QString, key);
        QFETCH(QString, control);
        const Setting *s = FindSetting(key);
        QVERIFY2(s, qPrintable(key));
        QCOMPARE(s->control->name, control);
    }
};

SWTED_TEST_GUILESS_MAIN(TestSettingKeys)
#include "test_settingkeys.moc"
