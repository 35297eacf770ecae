// Text fields checked as they are typed, in the main window: what a field
// refuses or flags, what is stored when the page is left, what shows when
// it is opened again, and the user text sizes of switches 4 and 27.
#include "pages/Bindings.h"
#include "pages/PageTable.h"
#include "gui/pages/PageWindow.h"
#include "MainWindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include "TestRegistry.h"
#include "TestSupport.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {


} // namespace

class TestEntry : public QObject, protected MainWindowFixture {
    Q_OBJECT

    PageWindow *Page() { return window->ActivePage(); }
    PageWindow *GoTo(int index)
    {
        Page()->TabStrip()->setCurrentIndex(PageOfIndex(index).stripPosition - 1);
        return Page();
    }
    // Leaves the page for another and comes back: the page is stored and
    // laid out again from the switches.
    void LeaveAndComeBack()
    {
        const int index = Page()->Definition().index;
        GoTo(index == Plot ? Specials : Plot);
        GoTo(index);
    }
    QLineEdit *Field(const char *name) { return Page()->Get<QLineEdit>(QString::fromLatin1(name)); }
    // The page opened on these switch values.
    void Open(int index, std::initializer_list<std::pair<int, int32_t>> values)
    {
        if (Page()->Definition().index == index)
            GoTo(index == Plot ? Specials : Plot);
        for (const auto &[n, v] : values)
            editor->store.SetWholeValue(n, v);
        GoTo(index);
    }
    // Types into a field over its whole text, key by key.
    void Type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void Choose(const char *list, int index)
    {
        auto *box = Page()->Get<QComboBox>(QString::fromLatin1(list));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // What the status bar says of the focused field after its digits.
    QString Note()
    {
        QString t = window->findChild<QLabel *>("lblDigits")->text();
        t.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
        const qsizetype at = t.indexOf(QStringLiteral("   "));
        return at < 0 ? QString() : t.mid(at + 3);
    }
    // Whether the whole text shows at once: from its first character to
    // after its last the cursor moves the text's own width.
    static bool ShowsWholeText(QLineEdit *field)
    {
        field->setCursorPosition(0);
        field->repaint();
        const int first = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        field->setCursorPosition(static_cast<int>(field->text().size()));
        field->repaint();
        return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() - first == field->fontMetrics().horizontalAdvance(field->text());
    }

private slots:
    void init()
    {
        SetUp();
        QVERIFY(window->StartUp(job, prog));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { TearDown(); }

    // A margin takes digits (a sign first) up to the three characters it
    // keeps; anything more is refused at once, the old text kept, the
    // range said beside the field and in the status bar.
    void marginTakesWhatItKeeps_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("refused");
        QTest::newRow("letters") << "abc" << "5" << true;
        QTest::newRow("a digit and a letter") << "7x" << "7" << true;
        QTest::newRow("eleven nines") << QString(11, QLatin1Char('9')) << "999" << true;
        QTest::newRow("a sign") << "-12" << "-12" << false;
        QTest::newRow("a decimal point") << "2." << "2" << true;
    }
    void marginTakesWhatItKeeps()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, refused);
        Open(Plot, {{10, 5}});
        QLineEdit *left = Field("Opt_10_Text");
        const QString allowed = QStringLiteral("Allowed: -99 to 999 (mm)");
        QVERIFY(left->toolTip().endsWith(allowed));
        QVERIFY(left->accessibleDescription().endsWith(allowed));
        Type(left, typed);
        QCOMPARE(left->text(), shown);
        QCOMPARE(Note(), refused ? QStringLiteral("Refused. ") + allowed : allowed);
        LeaveAndComeBack();
        QCOMPARE(editor->store.GetSwitchValue(10), shown.toInt());
        QCOMPARE(Field("Opt_10_Text")->text(), shown);
        QVERIFY(prompts->messages.isEmpty());
    }

    // A whole switch shows all its digits and, left untouched, keeps them,
    // although no more than three characters can be typed there.
    void wholeSwitchShownInFull_data()
    {
        QTest::addColumn<int32_t>("stored");
        QTest::newRow("ten digits") << 1000000000;
        QTest::newRow("the lowest") << std::numeric_limits<int32_t>::min();
    }
    void wholeSwitchShownInFull()
    {
        QFETCH(int32_t, stored);
        Open(Plot, {{10, stored}});
        QLineEdit *left = Field("Opt_10_Text");
        QCOMPARE(left->text(), QString::number(stored));
        QVERIFY(ShowsWholeText(left));
        QCOMPARE(Page()->ValuesShown()[10], stored); // not marked as changed
        LeaveAndComeBack();
        QCOMPARE(editor->store.GetSwitchValue(10), stored);
        QVERIFY(prompts->messages.isEmpty());
    }

    // The ghost gap is stored as at most 60: the field refuses more as it
    // is typed. Below the stated minimum of 18 a gap is flagged and stored
    // as typed; 0 stays the default (shown as 18).
    void ghostGap_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shownAgain");
        const QString allowed = QStringLiteral("Allowed: 0 to 60 (mm's); minimum 18, 0 for the default");
        QTest::newRow("5 flagged") << "5" << "5" << "Below the minimum of 18 (mm's): stored as typed" << 5 << "5";
        QTest::newRow("99 refused") << "99" << "9" << QStringLiteral("Refused. ") + allowed << 9 << "9";
        QTest::newRow("60") << "60" << "60" << allowed << 60 << "60";
        QTest::newRow("0: the default") << "0" << "0" << allowed << 0 << "18";
    }
    void ghostGap()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, note);
        QFETCH(int, stored);
        QFETCH(QString, shownAgain);
        Open(Specials, {{110, 300}});
        QLineEdit *gap = Field("Opt_110_Text");
        Type(gap, typed);
        QCOMPARE(gap->text(), shown);
        QCOMPARE(Note(), note);
        LeaveAndComeBack();
        QCOMPARE(editor->store.GetSwitchValue(110), 300 + stored);
        QCOMPARE(Field("Opt_110_Text")->text(), shownAgain);
        QVERIFY(prompts->messages.isEmpty());
    }

    // A user text size: the first digit must be 1 to 9 (with a 0 the two
    // digits would read back as a list size); a 0 there, or tenths typed
    // before it, are refused with a message. What is typed is stored and
    // shows when the page is opened again.
    void userTextSize_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("tenths");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("messages");
        for (const int page : {IsoStyle, Materials}) {
            const QByteArray on = page == IsoStyle ? "iso style: " : "material list: ";
            QTest::newRow(on + "0 and 3") << page << "0" << "3" << 4 << 2;
            QTest::newRow(on + "0 and 9") << page << "0" << "9" << 4 << 2;
            QTest::newRow(on + "3 and 5") << page << "3" << "5" << 35 << 0;
        }
    }
    void userTextSize()
    {
        QFETCH(int, page);
        QFETCH(QString, whole);
        QFETCH(QString, tenths);
        QFETCH(int, stored);
        QFETCH(int, messages);
        const bool iso = page == IsoStyle;
        const int n = iso ? 4 : 27;
        const char *list = iso ? "Opt_4_Combo" : "Opt_27_Combo";
        Open(page, {{n, 4}}); // "Extra Large Sized Characters (4.2mm)"
        Choose(list, 6);
        QLineEdit *wholeField = Field(iso ? "TxtUserTxtSize1" : "TxtMatUserTxtSize1");
        QLineEdit *tenthsField = Field(iso ? "TxtUserTxtSize2" : "TxtMatUserTxtSize2");
        QCOMPARE(wholeField->text(), QString());
        Type(wholeField, whole);
        Type(tenthsField, tenths);
        QCOMPARE(prompts->texts(), QStringList(messages, UserSizeStartText()));
        for (const Message &m : prompts->messages) {
            QCOMPARE(m.title, QStringLiteral("Options Editor"));
            QCOMPARE(m.icon, MessageIcon::Exclamation);
        }
        QCOMPARE(wholeField->text(), messages ? QString() : whole);
        prompts->messages.clear();
        LeaveAndComeBack();
        QCOMPARE(editor->store.GetSwitchValue(n), stored);
        QVERIFY(prompts->messages.isEmpty());
        auto *box = Page()->Get<QComboBox>(QString::fromLatin1(list));
        QCOMPARE(box->currentIndex(), stored >= 10 ? 6 : stored);
        if (stored >= 10) {
            QCOMPARE(Field(iso ? "TxtUserTxtSize1" : "TxtMatUserTxtSize1")->text(), whole);
            QCOMPARE(Field(iso ? "TxtUserTxtSize2" : "TxtMatUserTxtSize2")->text(), tenths);
        }
    }
};

SWTED_TEST_MAIN(TestEntry)
#include "test_entry.moc"
