// The rules of the iso style page on its page state: no window.
#include "TestRegistry.h"
#include "TestSupport.h"
#include "StateHarness.h"
#include "model/NumberText.h"
#include "pages/Bindings.h"
#include "pages/XIStyle_1.h"

#include <QCoreApplication>

using namespace swted;
using namespace swted::test;
using namespace swted::XIStyle_1;

namespace {

const int Switches[] = {4, 7, 19, 20, 21, 38, 42, 67, 68, 70, 73, 76, 95, 97, 99, 100, 101, 102, 108, 111, 112, 114, 120};

QString T(const char *s) { return QString::fromLatin1(s); }

} // namespace

class TestXIStyleState : public QObject {
    Q_OBJECT

private slots:
    void noApplicationObject() { QVERIFY(!QCoreApplication::instance()); }

    // A file of zeros: what each control shows, and the values stored when
    // the page is left unchanged.
    void zerosShowTheDefaultsAndStoreThePrescribedValues()
    {
        StateHarness h(IsoStyle);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h["Opt_4_Combo"].index, 0);
        QCOMPARE(h["Opt_4_Combo"].items.size(), 7);
        QVERIFY(!h["FramUserTxtSize"].visible);
        QCOMPARE(h["Opt_21_Combo"].index, 0);
        QCOMPARE(h["Opt_42_Combo"].index, 0);
        QVERIFY(!h["Opt_42_Check"].checked);
        QCOMPARE(h["Opt_7_Text"].text, T("0"));
        QCOMPARE(h["Opt_76_Combo"].index, 0);
        QCOMPARE(h["OPT_76_POS3_Combo"].index, 1);
        QCOMPARE(h["Opt_73_Text_C"].text, T("0"));
        QCOMPARE(h["Opt_38_Text"].text, T("100"));
        QCOMPARE(h["Opt_95_Text"].text, T("0"));
        QCOMPARE(h["Opt_19_Combo"].index, 0);
        QCOMPARE(h["Opt_19_Combo"].items.size(), 19);
        QCOMPARE(h["Opt_20_Text"].text, T("5"));
        QCOMPARE(h["Opt_70_Text"].text, T("0"));
        QVERIFY(!h["Opt_101_Check"].checked);
        QCOMPARE(h["Opt_101_Text_A"].text, QString());
        QCOMPARE(h["Opt_100_Text"].text, T("140"));
        QCOMPARE(h["Opt_102_Text_A"].text, T("25"));
        QCOMPARE(h["Opt_102_Text_C"].text, T("25"));
        QCOMPARE(h["Opt_102_Text_B"].text, T("15"));
        QCOMPARE(h["Opt_112_Text"].text, T("8"));
        QVERIFY(!h["Opt_112_Check"].checked);
        QCOMPARE(h["Opt_120_Text"].text, T("100"));
        QCOMPARE(h["Opt_120_B_Text"].text, T("65"));
        QVERIFY(!h["Opt_99_Pos4_Check"].enabled);
        h.Read();
        for (int n = 1; n <= 140; ++n) {
            const int32_t expected = n == 76 ? 200 : n == 102 ? 152525 : 0;
            QVERIFY2(h.Value(n) == expected, qPrintable(QStringLiteral("switch %1: %2").arg(n).arg(h.Value(n))));
        }
        QVERIFY(h.Messages().isEmpty());
        // Laid out again from what it stored: the same, and stored the same.
        PageState first = h.state;
        h.Layout();
        QVERIFY(h.state == first);
    }

    // Values of every rule, stored as shown: a second visit changes nothing.
    void aFullFileSurvivesAVisit()
    {
        StateHarness h(IsoStyle);
        const QVector<QPair<int, int32_t>> values = {
            {4, 987000032}, {7, 105},      {19, 12},    {20, 37},  {21, 111},     {38, 2080}, {42, 6},
            {67, 111},      {68, 1},       {70, 123},   {73, 9110502}, {76, 316}, {95, 111012}, {97, 1},
            {99, 1111},     {100, 175},    {101, 2512}, {102, 102030}, {108, 2},  {111, 11},  {112, 12},
            {114, 1},       {120, 50120},
        };
        for (const auto &v : values)
            h.Set(v.first, v.second);
        h.Layout();
        QVERIFY2(h.Messages().isEmpty(), qPrintable(h.Messages().join('\n')));
        h.Read();
        for (const auto &v : values)
            QVERIFY2(h.Value(v.first) == v.second, qPrintable(QStringLiteral("switch %1: %2").arg(v.first).arg(h.Value(v.first))));
    }

    void textSizeFromTheListOrTheUserSize()
    {
        StateHarness h(IsoStyle);
        h.Set(4, 987000032); // user size 3.2 mm; the font number in positions 9-7
        h.Layout();
        QCOMPARE(h["Opt_4_Combo"].index, UserSizeItem);
        QVERIFY(h["FramUserTxtSize"].visible);
        QCOMPARE(h["TxtUserTxtSize1"].text, T("3"));
        QCOMPARE(h["TxtUserTxtSize2"].text, T("2"));
        QCOMPARE(h.Value(4), 987000032);

        // A standard size is stored at once, the user size put away.
        h.Choose("Opt_4_Combo", 3);
        QCOMPARE(h.Value(4), 987000003);
        QVERIFY(!h["FramUserTxtSize"].visible);
        // "User Specified Size" shows the fields and stores nothing yet.
        h.Choose("Opt_4_Combo", UserSizeItem);
        QVERIFY(h["FramUserTxtSize"].visible);
        QCOMPARE(h.Value(4), 987000003);
        h.Type("TxtUserTxtSize1", "4"); // a list size held no tenths
        QCOMPARE(h.Value(4), 987000040);
        h.Type("TxtUserTxtSize2", "7");
        QCOMPARE(h.Value(4), 987000047);
        // Empty: nothing; not a digit: the message, nothing stored.
        h.Type("TxtUserTxtSize2", "");
        h.Type("TxtUserTxtSize1", "x");
        h.Type("TxtUserTxtSize1", "12");
        QCOMPARE(h.Value(4), 987000047);
        QCOMPARE(h.Messages(), (QStringList{NumericOnlyText(), NumericOnlyText()}));
        QCOMPARE(h.prompts.messages[0].title, T("Options Editor"));
        QCOMPARE(h.prompts.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(h.prompts.messages[0].buttons, MessageButtons::Ok);
        // Reading back leaves what the handlers stored.
        h.Read();
        QCOMPARE(h.Value(4), 987000047);
        // A later layout with a standard size hides the fields again.
        h.Set(4, 2);
        h.Layout();
        QVERIFY(!h["FramUserTxtSize"].visible);
        QCOMPARE(h["Opt_4_Combo"].index, 2);
    }

    // The user text size on both pages: what is typed is stored and shows
    // again; a size whose whole millimetres would be 0 (a list size, once
    // stored) is refused with a message, the field back to what is stored.
    // Each step types w (whole millimetres) or t (tenths) and a text.
    void userTextSize_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("whole");
        for (const int page : {IsoStyle, 2}) {
            const QByteArray on = page == IsoStyle ? "iso style: " : "material list: ";
            QTest::newRow(on + "0 then 3") << page << 4 << QStringList{"w0", "t3"} << 4 << 2 << QString();
            QTest::newRow(on + "0 then 9") << page << 4 << QStringList{"w0", "t9"} << 4 << 2 << QString();
            QTest::newRow(on + "3 then 5") << page << 4 << QStringList{"w3", "t5"} << 35 << 0 << T("3");
            QTest::newRow(on + "tenths first") << page << 4 << QStringList{"t5", "w2"} << 20 << 1 << T("2");
            QTest::newRow(on + "0 over a user size") << page << 35 << QStringList{"w0"} << 35 << 1 << T("3");
            QTest::newRow(on + "new whole, same tenths") << page << 35 << QStringList{"w7"} << 75 << 0 << T("7");
            QTest::newRow(on + "emptied") << page << 35 << QStringList{"w"} << 35 << 0 << QString();
        }
    }
    void userTextSize()
    {
        QFETCH(int, page);
        QFETCH(int, stored);
        QFETCH(QStringList, typed);
        QFETCH(int, value);
        QFETCH(int, messages);
        QFETCH(QString, whole);
        const bool iso = page == IsoStyle;
        const int n = iso ? 4 : 27;
        const QByteArray list = iso ? "Opt_4_Combo" : "Opt_27_Combo";
        const QByteArray wholeField = iso ? "TxtUserTxtSize1" : "TxtMatUserTxtSize1";
        const QByteArray tenthsField = iso ? "TxtUserTxtSize2" : "TxtMatUserTxtSize2";
        StateHarness h(page);
        h.Set(n, 500000000 + stored); // positions 9 to 7 are the font's
        h.Layout();
        h.Choose(list.constData(), UserSizeItem);
        for (const QString &step : typed)
            h.Type(step.startsWith(QLatin1Char('w')) ? wholeField.constData() : tenthsField.constData(), step.mid(1));
        QCOMPARE(h.Value(n), 500000000 + value);
        QCOMPARE(h.Messages(), QStringList(messages, UserSizeStartText()));
        if (messages > 0) {
            QCOMPARE(h.prompts.messages[0].title, T("Options Editor"));
            QCOMPARE(h.prompts.messages[0].icon, MessageIcon::Exclamation);
        }
        QCOMPARE(h[wholeField.constData()].text, whole);
        // Left and opened again: what was stored shows, without a message.
        h.Read();
        h.prompts.messages.clear();
        h.Layout();
        QCOMPARE(h.Value(n), 500000000 + value);
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h[list.constData()].index, value >= 10 ? UserSizeItem : value);
    }

    void textSizeOutOfRangeIsStoredAsTheDefault()
    {
        StateHarness h(IsoStyle);
        h.Set(4, 500000007);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(4, 1, 7, 5, 0)});
        QCOMPARE(h["Opt_4_Combo"].index, 0);
        h.Read();
        QCOMPARE(h.Value(4), 500000000);
    }

    void isometricType_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("back");
        const int values[] = {0, 1, 2, 4, 5, 6, 7, 10, 11, 12, 16};
        for (int i = 0; i < 11; ++i)
            QTest::addRow("v %d", values[i]) << 100 + values[i] << i << 100 + values[i];
        QTest::newRow("3 not allowed") << 3 << -1 << 0;
        QTest::newRow("99 not allowed, test iso kept") << 199 << -1 << 100;
        QTest::newRow("13 not allowed") << 13 << -1 << 0;
    }
    void isometricType()
    {
        QFETCH(int, stored);
        QFETCH(int, item);
        QFETCH(int, back);
        StateHarness h(IsoStyle);
        h.Set(21, stored);
        h.Layout();
        QCOMPARE(h["Opt_21_Combo"].index, qMax(item, 0));
        QCOMPARE(h["Opt_21_Check"].checked, stored >= 100);
        QCOMPARE(h.Messages(), item < 0 ? QStringList{NotAllowedText(21, stored % 100)} : QStringList{});
        h.Read();
        QCOMPARE(h.Value(21), back);
        QCOMPARE(h.Messages().size(), item < 0 ? 1 : 0);
    }

    void isometricTypeMessageText()
    {
        QCOMPARE(NotAllowedText(21, 3),
                 T("The value of Option Switch 21 starting at position 1 was 3. This is not an allowable value. "
                   "The value will therefore be set to the default value of 0."));
        // Nothing selected reads as the spool material list.
        StateHarness h(IsoStyle);
        h.Layout();
        h["Opt_21_Combo"].index = -1;
        h.Read();
        QCOMPARE(h.Value(21), 16);
    }

    void viewpoint_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("box");
        QTest::addColumn<int>("back");
        const int items[] = {0, 1, 2, 0, 3, 1, 2, 0, 3};
        const int backs[] = {0, 1, 2, 0, 4, 5, 6, 7, 8};
        for (int d = 0; d <= 8; ++d)
            QTest::addRow("digit %d", d) << d << items[d] << (d >= 5) << backs[d];
        QTest::newRow("digit 9") << 9 << 0 << false << 0;
    }
    void viewpoint()
    {
        QFETCH(int, digit);
        QFETCH(int, item);
        QFETCH(bool, box);
        QFETCH(int, back);
        StateHarness h(IsoStyle);
        h.Set(42, 50 + digit);
        h.Layout();
        QCOMPARE(h["Opt_42_Combo"].index, item);
        QCOMPARE(h["Opt_42_Check"].checked, box);
        QCOMPARE(h.Messages(), digit > 8 ? QStringList{OutOfRangeText(42, 1, 9, 8, 0)} : QStringList{});
        h.Read();
        QCOMPARE(h.Value(42), 50 + back);
    }

    void viewpointAsChosen()
    {
        StateHarness h(IsoStyle);
        h.Layout();
        const int plain[] = {0, 1, 2, 4}, boxed[] = {7, 5, 6, 8};
        for (int item = 0; item < 4; ++item) {
            for (bool box : {false, true}) {
                h["Opt_42_Combo"].index = item;
                h["Opt_42_Check"].checked = box;
                h.Read();
                QCOMPARE(h.Value(42), box ? boxed[item] : plain[item]);
            }
        }
    }

    void enclosures_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("sizeItem");
        QTest::addColumn<int>("back");
        QTest::addColumn<bool>("message");
        QTest::newRow("square") << 0 << 0 << 1 << 200 << false;
        QTest::newRow("diamond, 1 character") << 101 << 1 << 0 << 101 << false;
        QTest::newRow("round, variable") << 902 << 2 << 8 << 902 << false;
        QTest::newRow("none") << 307 << 3 << 2 << 307 << false;
        QTest::newRow("suppress") << 808 << 4 << 7 << 808 << false;
        QTest::newRow("circle") << 406 << 5 << 3 << 406 << false;
        QTest::newRow("ellipse") << 509 << 7 << 4 << 509 << false;
        QTest::newRow("double circle 10") << 210 << 6 << 1 << 216 << false;
        QTest::newRow("double circle 16") << 216 << 6 << 1 << 216 << false;
        QTest::newRow("position 2 of 5 cleared") << 252 << 2 << 1 << 202 << false;
        QTest::newRow("3 not allowed") << 203 << 0 << 1 << 200 << true;
        QTest::newRow("4 not allowed") << 204 << 0 << 1 << 200 << true;
        QTest::newRow("5 not allowed, double circle") << 215 << 6 << 1 << 216 << true;
        QTest::newRow("positions 4 up kept") << 12340303 << 0 << 2 << 12340300 << true;
    }
    void enclosures()
    {
        QFETCH(int, stored);
        QFETCH(int, item);
        QFETCH(int, sizeItem);
        QFETCH(int, back);
        QFETCH(bool, message);
        StateHarness h(IsoStyle);
        h.Set(76, stored);
        h.Layout();
        QCOMPARE(h["Opt_76_Combo"].index, item);
        QCOMPARE(h["OPT_76_POS3_Combo"].index, sizeItem);
        QCOMPARE(h.Messages(), message ? QStringList{NotAllowedText(76, stored % 10)} : QStringList{});
        h.Read();
        QCOMPARE(h.Value(76), back);
    }

    void enclosuresAsChosen()
    {
        StateHarness h(IsoStyle);
        h.Layout();
        const int digits[] = {0, 1, 2, 7, 8, 6, 16, 9};
        for (int item = 0; item < 8; ++item) {
            h["Opt_76_Combo"].index = item;
            h["OPT_76_POS3_Combo"].index = item;
            h.Read();
            QCOMPARE(h.Value(76), 100 * (item + 1) + digits[item]);
        }
    }

    void falls_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("messages");
        for (int e = 0; e < FallEntries; ++e)
            QTest::addRow("entry %d", e) << 10 * Fall(e).precision + Fall(e).family << e << QStringList{};
        QTest::newRow("imperial precision 1") << 14 << 14 << QStringList{};
        QTest::newRow("imperial precision 2") << 24 << 13 << QStringList{FallRangeText(2, 2)};
        QTest::newRow("angle precision 4") << 40 << 0 << QStringList{FallRangeText(2, 4)};
        QTest::newRow("ratio precision 3") << 31 << 4 << QStringList{FallRangeText(2, 3)};
        QTest::newRow("suppress precision 2") << 26 << 18 << QStringList{};
        QTest::newRow("family 7") << 7 << 0 << QStringList{FallRangeText(1, 7)};
        QTest::newRow("family 9 precision 9") << 99 << 0 << QStringList{FallRangeText(2, 9), FallRangeText(1, 9)};
    }
    void falls()
    {
        QFETCH(int, stored);
        QFETCH(int, entry);
        QFETCH(QStringList, messages);
        StateHarness h(IsoStyle);
        h.Set(19, 500 + stored);
        h.Set(20, 300);
        h.Layout();
        QCOMPARE(h["Opt_19_Combo"].index, entry);
        QCOMPARE(h.Messages(), messages);
        QCOMPARE(h["Opt_20_Text"].text, entry == SuppressFallsEntry ? T("0") : QString::fromLatin1(Fall(entry).minimumSlope));
        QCOMPARE(h["PreviousFallEntry"].index, entry);
        h.Read();
        QCOMPARE(h.Value(19), 500 + 10 * Fall(entry).precision + Fall(entry).family);
        QCOMPARE(h.Value(20), 300);
    }

    void fallRangeMessageText()
    {
        QCOMPARE(FallRangeText(2, 2), T("The value of Option Switch 19 position 2 was  2.This is not an allowable value. "
                                        "The value will therefore be set to the default value of 0."));
        QVERIFY(FallRangeText(1, 8).startsWith(T("The value of Option Switch 19 position 1 was  8.This")));
    }

    void minimumSlopeFollowsTheFallEntry()
    {
        StateHarness h(IsoStyle);
        h.Set(20, 12);
        h.Layout();
        QCOMPARE(h["Opt_20_Text"].text, T("12"));
        // Choosing the same entry again keeps the slope typed.
        h.Choose("Opt_19_Combo", 0);
        QCOMPARE(h["Opt_20_Text"].text, T("12"));
        // Metric incline after an angle: its default.
        h.Choose("Opt_19_Combo", 16);
        QCOMPARE(h["Opt_20_Text"].text, T("88"));
        h.Type("Opt_20_Text", "45");
        h.Choose("Opt_19_Combo", 17); // same family, another entry
        QCOMPARE(h["Opt_20_Text"].text, T("88"));
        h.Read();
        QCOMPARE(h.Value(19), 25);
        QCOMPARE(h.Value(20), 0); // the default of the entry
        // Suppressing falls: "0", stored as 0, whatever is typed.
        h.Choose("Opt_19_Combo", SuppressFallsEntry);
        QCOMPARE(h["Opt_20_Text"].text, T("0"));
        h.Type("Opt_20_Text", "33");
        h.Read();
        QCOMPARE(h.Value(19), 6);
        QCOMPARE(h.Value(20), 0);
        QCOMPARE(h["PreviousFallEntry"].index, SuppressFallsEntry);
        // A slope of its own is stored as typed.
        h.Choose("Opt_19_Combo", 7);
        QCOMPARE(h["Opt_20_Text"].text, T("9"));
        h.Type("Opt_20_Text", "17");
        h.Read();
        QCOMPARE(h.Value(20), 17);
    }

    // A slope or a component count is a number of two positions: what is
    // typed never spills into the positions beside them.
    void twoPositionNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("42") << "42" << 42;
        QTest::newRow("123 keeps its last two digits") << "123" << 23;
        QTest::newRow("negative") << "-5" << 5;
        QTest::newRow("2.5 to even") << "2.5" << 2;
        QTest::newRow("letters") << "ab" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("huge") << "1E300" << 0;
    }
    void twoPositionNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QCOMPARE(TwoPositionNumber(typed), stored);
        StateHarness h(IsoStyle);
        h.Set(20, 900);
        h.Set(70, 100);
        h.Layout();
        h.Type("Opt_20_Text", typed);
        h.Type("Opt_70_Text", typed);
        h.Read();
        QCOMPARE(h.Value(20), 900 + stored);
        QCOMPARE(h.Value(70), 100 + stored);
        QVERIFY(h.Messages().isEmpty());
    }

    void skewInterlock()
    {
        StateHarness h(IsoStyle);
        // Style 0 without the box: the right angles box greyed, its tick kept.
        h.Set(99, 1000);
        h.Layout();
        QVERIFY(!h["Opt_99_Pos4_Check"].enabled);
        QVERIFY(h["Opt_99_Pos4_Check"].checked);
        h.Read();
        QCOMPARE(h.Value(99), 1000);

        h.Tick("Opt_99_Check", true);
        QVERIFY(h["Opt_99_Pos4_Check"].enabled);
        QVERIFY(h["Opt_99_Pos4_Check"].checked);
        h.Tick("Opt_99_Check", false); // style 0: cleared and greyed
        QVERIFY(!h["Opt_99_Pos4_Check"].enabled);
        QVERIFY(!h["Opt_99_Pos4_Check"].checked);
        h.Read();
        QCOMPARE(h.Value(99), 0);

        h.Choose("Opt_99_Combo_A", 2);
        QVERIFY(h["Opt_99_Pos4_Check"].enabled);
        h.Tick("Opt_99_Pos4_Check", true);
        h.Tick("Opt_99_Check", true);
        h.Tick("Opt_99_Check", false); // another style: unchanged
        QVERIFY(h["Opt_99_Pos4_Check"].enabled);
        QVERIFY(h["Opt_99_Pos4_Check"].checked);
        h.Choose("Opt_99_Combo_A", 0);
        QVERIFY(!h["Opt_99_Pos4_Check"].enabled);
        QVERIFY(!h["Opt_99_Pos4_Check"].checked);
        h.Tick("Opt_99_Check", true);
        h.Choose("Opt_99_Combo_A", 0); // the box ticked: stays enabled
        QVERIFY(h["Opt_99_Pos4_Check"].enabled);

        // Laid out from a triangle style or the box: enabled.
        for (int32_t v : {1, 10}) {
            h.Set(99, v);
            h.Layout();
            QVERIFY(h["Opt_99_Pos4_Check"].enabled);
        }
        // Out of range lists of switch 99 and 67.
        h.Set(99, 504);
        h.Set(67, 230);
        h.Layout();
        QCOMPARE(h.Messages(), (QStringList{OutOfRangeText(67, 2, 3, 2, 0), OutOfRangeText(67, 3, 2, 1, 0),
                                            OutOfRangeText(99, 1, 4, 3, 0), OutOfRangeText(99, 3, 5, 2, 0)}));
    }

    void hatching()
    {
        StateHarness h(IsoStyle);
        // A spacing of 1 is shown, and stored, as 10.
        h.Set(101, 3001);
        h.Layout();
        QVERIFY(h["Opt_101_Check"].checked);
        QCOMPARE(h["Opt_101_Text_A"].text, T("10"));
        QCOMPARE(h["Opt_101_Text_B"].text, T("30"));
        h.Read();
        QCOMPARE(h.Value(101), 3010);
        // Hatching off: both fields empty, positions 1-4 stored as 0.
        h.Set(101, 53000);
        h.Layout();
        QVERIFY(!h["Opt_101_Check"].checked);
        QCOMPARE(h["Opt_101_Text_A"].text, QString());
        QCOMPARE(h["Opt_101_Text_B"].text, QString());
        h.Read();
        QCOMPARE(h.Value(101), 50000);
        // Ticking proposes a spacing of 10; unticking empties both.
        h.Tick("Opt_101_Check", true);
        QCOMPARE(h["Opt_101_Text_A"].text, T(" 10"));
        h.Type("Opt_101_Text_B", "7");
        h.Read();
        QCOMPARE(h.Value(101), 50710);
        h.Tick("Opt_101_Check", false);
        QCOMPARE(h["Opt_101_Text_A"].text, QString());
        QCOMPARE(h["Opt_101_Text_B"].text, QString());
        h.Read();
        QCOMPARE(h.Value(101), 50000);
    }

    void dimensionStandout_data()
    {
        QTest::addColumn<int>("s99");
        QTest::addColumn<int>("s8");
        QTest::addColumn<int>("s4");
        QTest::addColumn<QString>("standout");
        QTest::newRow("alternative dimensions") << 3 << 15 << 2 << "40";
        QTest::newRow("medium") << 0 << 0 << 0 << "140";
        QTest::newRow("small") << 1 << 11 << 1 << "120";
        QTest::newRow("large") << 2 << 5 << 2 << "160";
        QTest::newRow("extra 3.5") << 0 << 0 << 3 << "180";
        QTest::newRow("extra 4.2") << 0 << 0 << 4 << "200";
        QTest::newRow("extra 4.9") << 0 << 0 << 5 << "220";
        QTest::newRow("user size 3.2: position 1") << 0 << 0 << 32 << "160";
        QTest::newRow("switch 8 from 12") << 0 << 12 << 0 << "120";
        QTest::newRow("switch 8 of 15") << 2 << 315 << 0 << "150";
    }
    void dimensionStandout()
    {
        QFETCH(int, s99);
        QFETCH(int, s8);
        QFETCH(int, s4);
        QFETCH(QString, standout);
        QCOMPARE(StandoutDefault(s99 % 10, s8 % 100, s4 % 10), standout);
        StateHarness h(IsoStyle);
        h.Set(99, s99);
        h.Set(8, s8);
        h.Set(4, s4);
        h.Layout();
        QCOMPARE(h["Opt_100_Text"].text, standout);
        h.Read();
        QCOMPARE(h.Value(100), 0);
        // Typing the default stores 0; another number is stored as typed.
        h.Type("Opt_100_Text", standout);
        h.Read();
        QCOMPARE(h.Value(100), 0);
        h.Type("Opt_100_Text", "175");
        h.Read();
        QCOMPARE(h.Value(100), 175);
    }

    // The default is worked out again at read-back, from the skew style
    // just stored: "40" counts as the default once style 3 is chosen.
    void standoutDefaultFollowsTheSkewStyleChosen()
    {
        StateHarness h(IsoStyle);
        h.Layout();
        h.Choose("Opt_99_Combo_A", 3);
        h.Type("Opt_100_Text", "40");
        h.Read();
        QCOMPARE(h.Value(99), 3);
        QCOMPARE(h.Value(100), 0);
    }

    void flowArrows_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("off");
        QTest::addColumn<int>("back");
        QTest::newRow("0") << 0 << "8" << false << 0;
        QTest::newRow("off") << 1 << "OFF" << true << 1;
        QTest::newRow("3 as 5") << 3 << " 5" << false << 5;
        QTest::newRow("8 stored as 0") << 8 << " 8" << false << 0;
        QTest::newRow("12") << 12 << " 12" << false << 12;
        QTest::newRow("40 as 15") << 340 << " 15" << false << 315;
        QTest::newRow("off, position 3 kept") << 901 << "OFF" << true << 901;
    }
    void flowArrows()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(bool, off);
        QFETCH(int, back);
        StateHarness h(IsoStyle);
        h.Set(112, stored);
        h.Layout();
        QCOMPARE(h["Opt_112_Text"].text, shown);
        QCOMPARE(h["Opt_112_Check"].checked, off);
        h.Read();
        QCOMPARE(h.Value(112), back);
    }

    void flowArrowsBox()
    {
        StateHarness h(IsoStyle);
        h.Set(112, 12);
        h.Layout();
        h.Tick("Opt_112_Check", true);
        QCOMPARE(h["Opt_112_Text"].text, T("OFF"));
        h.Read();
        QCOMPARE(h.Value(112), 1);
        h.Tick("Opt_112_Check", false);
        QCOMPARE(h["Opt_112_Text"].text, T("8"));
        h.Read();
        QCOMPARE(h.Value(112), 0);
    }

    // The gaps are stored as shown, defaults included; the leg length is
    // stored as typed.
    void fieldsReadWithoutTheirDefault()
    {
        StateHarness h(IsoStyle);
        h.Set(102, 10000);
        h.Layout();
        QCOMPARE(h["Opt_102_Text_B"].text, T("1"));
        h.Read();
        QCOMPARE(h.Value(102), 12525);
        h.Type("Opt_95_Text", "0");
        h.Type("Opt_38_Text", "100");
        h.Type("Opt_120_B_Text", "65");
        h.Type("Opt_73_Text_B", "4");
        h.Read();
        QCOMPARE(h.Value(95), 0);
        QCOMPARE(h.Value(38), 0);
        QCOMPARE(h.Value(120), 0);
        QCOMPARE(h.Value(73), 400);
    }

    // Out-of-range digits of the plain lists: the range message, the
    // default shown and stored at read-back.
    void listsOutOfRange_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("back");
        QTest::newRow("38") << 38 << 4050 << 4 << 4 << 3 << 50;
        QTest::newRow("73") << 73 << 30000 << 5 << 3 << 2 << 0;
        QTest::newRow("95") << 95 << 90000 << 5 << 9 << 2 << 0;
        QTest::newRow("108") << 108 << 3 << 1 << 3 << 2 << 0;
    }
    void listsOutOfRange()
    {
        QFETCH(int, n);
        QFETCH(int, stored);
        QFETCH(int, start);
        QFETCH(int, value);
        QFETCH(int, maximum);
        QFETCH(int, back);
        StateHarness h(IsoStyle);
        h.Set(n, stored);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(n, start, value, maximum, 0)});
        h.Read();
        QCOMPARE(h.Value(n), back);
    }

    // The user font group is bound elsewhere: the page leaves positions
    // 7 to 9 of switch 4 alone.
    void userFontPositionsUntouched()
    {
        StateHarness h(IsoStyle);
        for (int32_t v : {123000000, 999000005, 100000010}) {
            h.Set(4, v);
            h.Layout();
            h.Read();
            QCOMPARE(h.Value(4) / 1000000, v / 1000000);
        }
    }

    void restrictedRunType()
    {
        StateHarness h(IsoStyle, true);
        h.Set(99, 1010);
        h.Layout();
        const char *greyed[] = {
            "Opt_4_Combo", "Opt_7_Text", "Opt_7_Check", "Opt_38_Text", "Opt_38_Pos4_Combo", "Opt_21_Combo",
            "Opt_21_Check", "Opt_42_Check", "Opt_73_Combo", "HelpOS73", "Opt_73_Text_A", "Opt_73_Text_B",
            "Opt_73_Text_C", "Opt_76_Combo", "Opt_95_Text", "Opt_95_Check", "Opt_95_Combo", "Opt_19_Combo",
            "Opt_20_Text", "Opt_67_Pos2_Combo", "Opt_67_Pos3_Combo", "Opt_99_Combo_A", "Opt_99_Combo_B",
            "Opt_99_Check", "Opt_99_Pos4_Check", "Opt_70_Text", "Opt_101_Check", "Opt_101_Text_A",
            "Opt_101_Text_B", "Opt_100_Text", "Opt_102_Text_A", "Opt_102_Text_B", "Opt_102_Text_C",
            "Opt_108_Combo", "Opt_111_Check", "Opt_112_Text", "Opt_112_Check", "Opt_120_Text", "Opt_120_B_Text"};
        QStringList expected;
        for (const char *name : greyed) {
            QVERIFY2(!h[name].enabled, name);
            expected << T(name);
        }
        // Everything else stays enabled.
        for (const ControlEntry &c : h.page.controls) {
            if (c.bind == Bind::Rule || expected.contains(c.name))
                continue;
            QVERIFY2(h[qPrintable(c.name)].enabled, qPrintable(c.name));
        }
        // Greyed controls are still filled and read back.
        QVERIFY(h["Opt_99_Check"].checked);
        h.Read();
        QCOMPARE(h.Value(99), 1010);
        QCOMPARE(h.Value(102), 152525);
    }
};

SWTED_TEST_APPLESS_MAIN(TestXIStyleState)
#include "test_xistyle_state.moc"
