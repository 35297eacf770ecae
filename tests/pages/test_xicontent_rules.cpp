// The iso content page's rules on a page state, without a window.
#include "TestRegistry.h"
#include "pages/Bindings.h"
#include "pages/XIContent_1.h"
#include "StateHarness.h"

using namespace swted;
using namespace swted::test;

namespace {
constexpr int Page = 6;

// Switch 39 with the enclosure shape in position 3, the double-circle flag
// in position 8 and the given digits elsewhere.
int32_t Switch39(int shape, int flag, int32_t others = 0) { return others + shape * 100 + flag * 10000000; }

// Digits in every position that no control of the page shows, or an
// in-range digit in those it does: a layout and read-back keeps them all.
const QVector<QPair<int, int32_t>> Untouched = {
    {5, 901010110},  // position 9 is not shown
    {66, 912012101}, // position 9
    {122, 987654321},
    {39, 801227412}, // position 4 = 7 between the shape and its flag
    {59, 987654321},
    {60, 987654372}, // position 2
    {64, 987654375}, // positions 2 and 4 to 9
    {123, 987601275}, // position 2 and 5 to 9
    {17, 987654321},
    {61, 987654322},
    {62, 987654320},
    {79, 837651812}, // positions 5 to 8
    {124, 987654331},
};
} // namespace

class TestXIContentRules : public QObject {
    Q_OBJECT

private slots:
    void allZeroShowsTheFirstItemsAndReadsBackZero()
    {
        StateHarness h(Page);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        for (const ControlEntry &c : h.page.controls) {
            if (c.bind == Bind::List || c.bind == Bind::Options)
                QCOMPARE(h.state[c.name].index, 0);
            if (c.bind == Bind::Check)
                QVERIFY(!h.state[c.name].checked);
        }
        h.Read();
        for (int n = 1; n <= 140; ++n)
            QCOMPARE(h.Value(n), 0);
    }

    void positionsNotShownKeepTheirDigits()
    {
        StateHarness h(Page);
        for (const auto &[n, v] : Untouched)
            h.Set(n, v);
        h.Layout();
        QVERIFY2(h.Messages().isEmpty(), qPrintable(h.Messages().join('\n')));
        h.Read();
        for (const auto &[n, v] : Untouched)
            QCOMPARE(h.Value(n), v);
    }

    // Switch 39 positions 3 and 8 in every form, with a position 4 that
    // never changes.
    void spoolEnclosure_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("flag");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("message");
        QTest::addColumn<int>("storedShape");
        QTest::addColumn<int>("storedFlag");
        QTest::newRow("circle") << 6 << 0 << 6 << false << 6 << 0;
        QTest::newRow("double circle") << 6 << 1 << 8 << false << 6 << 1;
        QTest::newRow("circle, flag 2") << 6 << 2 << 6 << false << 6 << 0;
        QTest::newRow("no enclosure, flag 1") << 7 << 1 << 7 << false << 7 << 0;
        QTest::newRow("square brackets, flag 1") << 0 << 1 << 0 << false << 0 << 0;
        QTest::newRow("8 is out of range") << 8 << 0 << 0 << true << 0 << 0;
        QTest::newRow("8 with the flag") << 8 << 1 << 0 << true << 0 << 0;
        QTest::newRow("ellipse") << 9 << 0 << 9 << false << 9 << 0;
        QTest::newRow("ellipse, flag 1") << 9 << 1 << 9 << false << 9 << 0;
    }
    void spoolEnclosure()
    {
        QFETCH(int, shape);
        QFETCH(int, flag);
        QFETCH(int, item);
        QFETCH(bool, message);
        QFETCH(int, storedShape);
        QFETCH(int, storedFlag);
        for (int32_t others : {0, 1000, 801227012}) {
            StateHarness h(Page);
            h.Set(39, Switch39(shape, flag, others));
            h.Layout();
            QCOMPARE(h["Opt_39_Combo"].index, item);
            QCOMPARE(h["Opt_39_Combo"].items.size(), 10);
            const QStringList expected = message
                ? QStringList{OutOfRangeText(39, 3, shape, 7, 0)}
                : QStringList{};
            QCOMPARE(h.Messages(), expected);
            h.Read();
            QCOMPARE(h.Value(39), Switch39(storedShape, storedFlag, others));
            // Laid out again from what was stored: the same item, quietly.
            h.prompts.messages.clear();
            h.Layout();
            QCOMPARE(h["Opt_39_Combo"].index, item);
            QVERIFY(h.Messages().isEmpty());
        }
    }

    void eachSpoolEnclosureItemStoresItsDigits()
    {
        for (int item = 0; item <= 9; ++item) {
            StateHarness h(Page);
            h.Set(39, Switch39(6, 1, 801227012));
            h.Layout();
            h.Choose("Opt_39_Combo", item);
            h.Read();
            const int shape = item == 8 ? 6 : item;
            const int flag = item == 8 ? 1 : 0;
            QCOMPARE(h.Value(39), Switch39(shape, flag, 801227012));
            QCOMPARE(XIContent_1::SpoolEnclosureDigits(item), std::make_pair(shape, flag));
            QCOMPARE(XIContent_1::SpoolEnclosureItem(shape, flag), item);
        }
        QCOMPARE(XIContent_1::SpoolEnclosureItem(8, 0), -1);
        QCOMPARE(XIContent_1::SpoolEnclosureItem(8, 1), -1);
    }

    void switch5EndTypes()
    {
        StateHarness h(Page);
        h.Set(5, 10000001);
        h.Layout();
        const char *boxes[] = {"Opt_5_Check_A", "Opt_5_Check_B", "Opt_5_Check_C", "Opt_5_Check_D",
                               "Opt_5_Check_E", "Opt_5_Check_F", "Opt_5_Check_G", "Opt_5_Check_H"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(h[boxes[i]].checked, i == 0 || i == 7);
        h.Read();
        QCOMPARE(h.Value(5), 10000001);

        // Position 9 is never changed; digits other than 1 show clear and
        // read back as 0.
        h.Set(5, 921000001);
        h.Layout();
        QVERIFY(!h["Opt_5_Check_H"].checked);
        QVERIFY(h["Opt_5_Check_G"].checked);
        h["Opt_5_Check_A"].checked = false;
        h["Opt_5_Check_D"].checked = true;
        h.Read();
        QCOMPARE(h.Value(5), 901001000);
        for (const char *box : boxes)
            h[box].checked = true;
        h.Read();
        QCOMPARE(h.Value(5), 911111111);
    }

    // Two buttons: 0 the first, any other digit the second; three buttons:
    // 0 and 1 their own, any other digit the third. Read back as shown.
    void optionButtonsOfEveryGroup_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("buttons");
        QTest::newRow("66/1") << "Opt_66_Option_A" << 66 << 1 << 2;
        QTest::newRow("39/1") << "Opt_39_Option_A" << 39 << 1 << 3;
        QTest::newRow("39/2") << "Opt_39_Option_B" << 39 << 2 << 2;
        QTest::newRow("39/5") << "Opt_39_Option_C" << 39 << 5 << 3;
        QTest::newRow("59/1") << "Opt_59_Option" << 59 << 1 << 2;
        QTest::newRow("60/1") << "Opt_60_Option" << 60 << 1 << 3;
        QTest::newRow("61/1") << "Opt_61_Option" << 61 << 1 << 3;
        QTest::newRow("62/1") << "Opt_62_Option" << 62 << 1 << 3;
        QTest::newRow("124/1") << "Opt_124_Option" << 124 << 1 << 2;
    }
    void optionButtonsOfEveryGroup()
    {
        QFETCH(QString, group);
        QFETCH(int, n);
        QFETCH(int, position);
        QFETCH(int, buttons);
        int weight = 1;
        for (int p = 1; p < position; ++p)
            weight *= 10;
        for (int digit = 0; digit <= 9; ++digit) {
            StateHarness h(Page);
            h.Set(n, digit * weight);
            h.Layout();
            const int shown = qMin(digit, buttons - 1);
            QCOMPARE(h.state[group].index, shown);
            h.Read();
            QCOMPARE(h.Value(n), shown * weight);
        }
        StateHarness h(Page);
        h.Layout();
        h.state[group].index = buttons - 1;
        h.Read();
        QCOMPARE(h.Value(n), (buttons - 1) * weight);
        QVERIFY(h.Messages().isEmpty());
    }

    // Messages come in the page's switch order: 5, 66, 122, 39, 59, 60, 64,
    // 123, 17, 61, 62, 79, 124.
    void messagesInTheOrderOfTheSwitches()
    {
        StateHarness h(Page);
        h.Set(124, 90);       // position 2
        h.Set(79, 800000900); // position 9 is in range, 3 is not
        h.Set(123, 9009);     // positions 1 and 4
        h.Set(64, 9);
        h.Set(60, 900);
        h.Set(39, 800);
        h.Set(66, 90000090);  // positions 2 and 8
        h.Layout();
        QCOMPARE(h.Messages(), (QStringList{
                                   OutOfRangeText(66, 2, 9, 3, 0),
                                   OutOfRangeText(66, 8, 9, 1, 0),
                                   OutOfRangeText(39, 3, 8, 7, 0),
                                   OutOfRangeText(60, 3, 9, 8, 0),
                                   OutOfRangeText(64, 1, 9, 5, 0),
                                   OutOfRangeText(123, 1, 9, 5, 0),
                                   OutOfRangeText(123, 4, 9, 1, 0),
                                   OutOfRangeText(79, 3, 9, 8, 0),
                                   OutOfRangeText(124, 2, 9, 3, 0),
                               }));
        h.Read();
        QCOMPARE(h.Value(124), 0);
        QCOMPARE(h.Value(79), 800000000);
        QCOMPARE(h.Value(66), 0);
        QCOMPARE(h.Value(123), 0);
    }

    void restrictedRunTypeGreysExactlyTheListedControls()
    {
        StateHarness h(Page, true);
        h.Set(39, Switch39(6, 1));
        h.Layout();
        const QStringList open = {"Opt_66_Pos4_Combo", "Opt_66_Pos5_Check", "OPt_39_Combo_F", "Opt_39_Combo_I",
                                  "Opt_123_Combo_A", "Opt_79_Combo_A", "Opt_79_Combo_B", "Opt_79_Combo_C",
                                  "Opt_79_Combo_D", "Opt_79_Combo_I"};
        const QStringList greyed = {"Opt_5_Check_A", "Opt_5_Check_B", "Opt_5_Check_C", "Opt_5_Check_D", "Opt_5_Check_E",
                                    "Opt_5_Check_F", "Opt_5_Check_G", "Opt_5_Check_H", "Opt_122_Check",
                                    "Opt_66_Option_A", "Opt_66_Pos2_Combo", "Opt_66_Pos3_Combo", "Opt_66_Pos6_Combo",
                                    "Opt_66_Pos7_Combo", "Opt_66_Pos8_Combo", "Opt_39_Option_A", "Opt_39_Option_B",
                                    "Opt_39_Option_C", "Opt_39_Combo", "Opt_39_Check_3", "Opt_64_Combo",
                                    "Opt_64_Pos3_Combo", "Opt_123_Combo_B", "Opt_123_Combo_C", "Opt_59_Option",
                                    "Opt_60_Option", "Opt_61_Option", "Opt_62_Option", "Opt_124_Option",
                                    "Opt_60_Pos3_Combo", "Opt_17_Check", "Opt_124_Combo"};
        for (const ControlEntry &c : h.page.controls) {
            if (c.bind == Bind::Label || c.bind == Bind::Rule)
                continue;
            QVERIFY2(open.contains(c.name) || greyed.contains(c.name), qPrintable(c.name));
        }
        for (const QString &name : open)
            QVERIFY2(h.state[name].enabled, qPrintable(name));
        for (const QString &name : greyed)
            QVERIFY2(!h.state[name].enabled, qPrintable(name));
        // Greyed controls still show and store their values.
        QCOMPARE(h["Opt_39_Combo"].index, 8);
        h.Read();
        QCOMPARE(h.Value(39), Switch39(6, 1));

        StateHarness full(Page);
        full.Layout();
        for (const ControlEntry &c : full.page.controls)
            QVERIFY2(full.state[c.name].enabled, qPrintable(c.name));
    }
};

SWTED_TEST_GUILESS_MAIN(TestXIContentRules)
#include "test_xicontent_rules.moc"
