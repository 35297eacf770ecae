// Settings by key agree with the window: what explain says is what the pages
// show, and a set by key saves the bytes a user's click and Save give.
#include "MainWindowFixture.h"
#include "TestSupport.h"
#include "gui/pages/PageWindow.h"
#include "pages/ControlWords.h"
#include "pages/PageTable.h"
#include "pages/PageTour.h"
#include "settings/SettingKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QProcess>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabBar>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

class TestSettingsWindow : public QObject, protected MainWindowFixture {
    Q_OBJECT

    CliRun Cli(const QStringList &args) { return RunSwtedCli(QStringList{"--program-dir", prog} + args); }
    // A copy of a bundled example with every switch set at random;
    // normalized when asked, so that a tour of the pages leaves it as it is.
    QString Generated(const QString &name, const QString &type, int seed, bool normalized)
    {
        const QString path = work->filePath(name + "." + type);
        // The same file for the same seed and configuration: made by the
        // tool once a run (each start of it costs a sanitized run dearly).
        static QHash<QString, QByteArray> made;
        const QString key = QStringLiteral("%1 %2 %3 ").arg(type).arg(seed).arg(normalized) + ReadBytes(prog + "/Swted.ini");
        if (made.contains(key)) {
            WriteBytes(path, made[key]);
            QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            return path;
        }
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.") + type, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        Cli(QStringList{"set", path} + RandomAssignments(seed));
        // A tour may settle a value that a page left before depends on:
        // normalized until a tour changes nothing.
        for (int i = 0; normalized && i < 4 && !Cli({"normalize", path}).out.isEmpty(); ++i) {
        }
        made[key] = ReadBytes(path);
        return path;
    }
    void Restrict()
    {
        QByteArray ini = ReadBytes(prog + "/Swted.ini");
        ini.replace("PROGRAM = KARVEN", "PROGRAM = T-KOR");
        WriteBytes(prog + "/Swted.ini", ini);
    }
    void GoTo(int index)
    {
        QTabBar *tabs = window->ActivePage()->TabStrip();
        for (int i = 0; i < tabs->count(); ++i) {
            if (PageIndexOfCaption(tabs->tabText(i)) == index && i != tabs->currentIndex())
                tabs->setCurrentIndex(i);
        }
        QCOMPARE(window->ActivePage()->Definition().index, index);
    }
    static QString Plain(QString text) { return CaptionAsShown(text).simplified(); }

    // What the page on screen shows of a setting, as explain --json says it.
    void Compare(PageWindow *page, const QJsonObject &o, const QString &file)
    {
        const QString key = o["key"].toString();
        const QString where = file + ": " + key;
        const QString kind = o["kind"].toString();
        const QString name = o["control"].toString();
        if (kind == "options") {
            const QVector<QRadioButton *> buttons = page->Options(name);
            QVERIFY2(!buttons.isEmpty(), qPrintable(where));
            int selected = -1;
            for (int i = 0; i < buttons.size(); ++i) {
                if (buttons[i]->isChecked())
                    selected = i;
            }
            QVERIFY2(selected == o["index"].toInt(), qPrintable(where + QString(": %1").arg(selected)));
            return;
        }
        QWidget *w = page->Widget(name);
        QVERIFY2(w, qPrintable(where));
        QVERIFY2(w->isEnabled() == o["enabled"].toBool(), qPrintable(where + ": enabled"));
        if (auto *list = qobject_cast<QComboBox *>(w)) {
            QCOMPARE(list->currentIndex(), o["index"].toInt());
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i).simplified();
            QStringList expected;
            for (const QJsonValue &v : o["items"].toArray())
                expected << v.toString();
            QVERIFY2(items == expected, qPrintable(where + ": items"));
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            QVERIFY2(box->isChecked() == o["checked"].toBool(), qPrintable(where));
        } else if (auto *field = qobject_cast<QLineEdit *>(w)) {
            QVERIFY2(field->text() == o["text"].toString(), qPrintable(where + ": " + field->text()));
        } else {
            QFAIL(qPrintable(where + ": no control of its kind"));
        }
    }

    // The user's change of a control, as a click, a choice or typing.
    void Act(PageWindow *page, const Setting &s, const QString &value)
    {
        const ControlEntry &c = *s.control;
        page->ShowSubPage(c.subPage);
        const QString kind = SettingKind(c);
        if (kind == "options") {
            for (QRadioButton *b : page->Options(c.name)) {
                if (Plain(b->text().isEmpty() ? b->accessibleName() : b->text()).compare(value, Qt::CaseInsensitive) == 0) {
                    b->click();
                    return;
                }
            }
            QFAIL(qPrintable(s.key + ": no button " + value));
        } else if (auto *list = page->Get<QComboBox>(c.name)) {
            for (int i = 0; i < list->count(); ++i) {
                if (list->itemText(i).simplified().compare(value, Qt::CaseInsensitive) == 0) {
                    list->setCurrentIndex(i);
                    emit list->activated(i);
                    return;
                }
            }
            QFAIL(qPrintable(s.key + ": no item " + value));
        } else if (auto *box = page->Get<QCheckBox>(c.name)) {
            if (box->isChecked() != (value == "on"))
                box->click();
        } else if (auto *field = page->Get<QLineEdit>(c.name)) {
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, value);
        }
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // explain --json on generated files says, control by control, what each
    // page shows when the tab strip is clicked through, and the messages the
    // editor gives on the way.
    void explainAgreesWithThePages_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("restricted");
        for (int seed = 1; seed <= 3; ++seed) {
            QTest::addRow("OPT %d", seed) << "OPT" << seed << false;
            QTest::addRow("OPL %d", seed) << "OPL" << seed << (seed == 3);
        }
    }
    void explainAgreesWithThePages()
    {
        QFETCH(QString, type);
        QFETCH(int, seed);
        QFETCH(bool, restricted);
        if (restricted)
            Restrict();
        const QString path = Generated("GEN", type, seed, false);
        const CliRun r = Cli({"explain", "--json", path});
        QCOMPARE(r.status, 0);
        const QJsonObject doc = QJsonDocument::fromJson(r.out).object();
        const QJsonArray settings = doc["settings"].toArray();
        QCOMPARE(settings.size(), AllSettings().size());

        QVERIFY(window->StartUp(path, prog));
        window->show();
        int next = 0;
        for (int index : AvailablePagesInStripOrder()) {
            GoTo(index);
            for (; next < settings.size() && AllSettings()[next].page == index; ++next)
                Compare(window->ActivePage(), settings[next].toObject(), path);
        }
        QCOMPARE(next, settings.size());
        QStringList said;
        for (const QJsonValue &v : doc["messages"].toArray())
            said << v.toString();
        QCOMPARE(said, prompts->texts());
    }

    // The search bar's filters: after one change, @changed lists exactly
    // that setting, and its menu puts the word in the field.
    void searchFilters()
    {
        const QString path = Generated("FILTER", "OPT", 5, true);
        QVERIFY(window->StartUp(path, prog));
        window->show();
        GoTo(0);
        window->ActivePage()->ShowSubPage(2);
        window->ActivePage()->Get<QCheckBox>("Opt_3_Check")->click();
        auto *menu = window->searchFilters->menu();
        QCOMPARE(menu->actions().size(), 3);
        menu->actions().first()->trigger();
        QCOMPARE(window->searchField->text(), QStringLiteral("@changed"));
        QCOMPARE(window->searchResults->count(), 1);
        QCOMPARE(window->searchResults->item(0)->data(Qt::UserRole + 2).toString(), QStringLiteral("Opt_3_Check"));
        window->searchField->setText("@changed margins");
        QCOMPARE(window->searchCount->text(), QStringLiteral("No settings found"));
    }

    // set by key on a file a tour leaves as it is gives the bytes that the
    // same change with the mouse and Save give; a second set changes no
    // byte; a refused set leaves the file as it was.
    void setByKeyIsTheUsersChange_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("restricted");
        const struct {
            const char *key, *value;
            bool restricted;
        } cases[] = {
            {"plotted-iso.paper-settings.sheet-size", "European A1 paper size (594 x 841 mm)", false},
            {"plotted-iso.paper-settings.non-standard-paper-size.width", "700", false},
            {"plotted-iso.trim-marks-plot-orientation.draw-trim-marks", "off", false},
            {"plotted-iso.file-screen.output-destination", "All Drawings to one Plot File", false},
            {"plotted-iso.drawing-margins.left", "12", false},
            {"iso-style.drawing-text-size.character-size", "User Specified Size", false},
            {"welding.weld-plotting-numbering.plotted-and-numbered-welds", "Plotted: Fab Only, numbered: Fab Only", false},
            {"plotted-iso.paper-settings.sheet-size", "European A3 paper size (297 x 420 mm)", true},
            {"plotted-iso.drawing-margins.left", "12", true},
        };
        for (int seed = 1; seed <= 2; ++seed) {
            for (const auto &c : cases)
                QTest::addRow("%s=%s %s %d", c.key, c.value, c.restricted ? "T-KOR" : "", seed)
                    << c.key << c.value << c.restricted;
        }
    }
    void setByKeyIsTheUsersChange()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, restricted);
        if (restricted)
            Restrict();
        const int seed = QString(QTest::currentDataTag()).right(1).toInt();
        const QString byKey = Generated("BYKEY", "OPT", seed, true);
        const QString byMouse = work->filePath("MOUSE.OPT");
        QFile::copy(byKey, byMouse);
        const QByteArray before = ReadBytes(byKey);

        const CliRun set = Cli({"set", byKey, key + "=" + value});
        const Setting *s = FindSetting(key);
        QVERIFY(s);
        QVERIFY(window->StartUp(byMouse, prog));
        window->show();
        GoTo(s->page);
        PageWindow *page = window->ActivePage();
        QWidget *w = page->Widget(s->control->name);
        if (!w)
            w = page->Options(s->control->name).value(0);
        if (set.status != 0) {
            // Refused: greyed for the user too, and not a byte changed.
            QVERIFY2(set.err.contains("greyed"), set.err.constData());
            QVERIFY(!w->isEnabled());
            QCOMPARE(ReadBytes(byKey), before);
            return;
        }
        QVERIFY(w->isEnabled());
        Act(page, *s, value);
        window->SaveCommand();
        QCOMPARE(ReadBytes(byKey), ReadBytes(byMouse));

        const QByteArray once = ReadBytes(byKey);
        const QByteArray backup = ReadBytes(work->filePath("BYKEY.BAK"));
        QCOMPARE(Cli({"set", byKey, key + "=" + value}).status, 0);
        QCOMPARE(ReadBytes(byKey), once);
        QCOMPARE(ReadBytes(work->filePath("BYKEY.BAK")), backup);
    }
};

SWTED_TEST_MAIN(TestSettingsWindow)
#include "test_settings_window.moc"
