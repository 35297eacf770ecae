// The rules of the material list page on page states: no window.
#include "TestRegistry.h"
#include "TestSupport.h"
#include "StateHarness.h"
#include "pages/Bindings.h"
#include "pages/XMaterials_1.h"

using namespace swted;
using namespace swted::test;

namespace {


} // namespace

class TestXMaterialsState : public QObject {
    Q_OBJECT

private slots:
    void defaultsReadBackAsZero()
    {
        StateHarness h(Materials);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h["Opt_27_Combo"].items, XMaterials_1::TextSizeItems());
        QCOMPARE(h["Opt_27_Combo"].index, 0);
        QVERIFY(!h["FramMatUserTextSize"].visible);
        QCOMPARE(h["Opt_29_Text"].text, QStringLiteral("100"));
        QCOMPARE(h["Opt_28_Text"].text, QStringLiteral("0"));
        QCOMPARE(h["Opt_2_Combo_D"].index, 0);
        QVERIFY(h["SSChkSSOpt2Pos6To0"].checked);
        QVERIFY(!h["SSChkopt2Pos6To1"].checked);
        QCOMPARE(h["Opt_24_Option"].index, 0);
        QCOMPARE(h["Opt_74_Option_A"].index, 0);
        QCOMPARE(h["Opt_74_Option_F"].index, 0);
        h.Read();
        for (int n : {2, 22, 23, 24, 25, 26, 27, 28, 29, 30, 43, 51, 65, 74})
            QCOMPARE(h.Value(n), 0);
        // Laid out again, every list holds its items once.
        h.Layout();
        QCOMPARE(h["Opt_2_Combo_D"].items.size(), 11);
        QCOMPARE(h["Opt_27_Combo"].items.size(), 7);
    }

    // The plain bindings keep what they show, and the default texts store 0.
    void plainBindingsRoundTrip()
    {
        StateHarness h(Materials);
        const QList<QPair<int, int32_t>> values = {
            {23, 11211}, {25, 21}, {26, 11}, {28, 42}, {29, 85}, {2, 301110101}, {22, 123456789},
            {24, 31}, {30, 12}, {65, 122}, {74, 222444}, {43, 1}, {47, 99}, {51, 10},
        };
        for (const auto &v : values)
            h.Set(v.first, v.second);
        h.Layout();
        QVERIFY2(h.Messages().isEmpty(), qPrintable(h.Messages().join('\n')));
        QCOMPARE(h["Opt_22_Text_B"].text, QStringLiteral("456"));
        QCOMPARE(h["Opt_65_Combo_B"].index, 2);
        QCOMPARE(h["Opt_74_Option_C"].index, 4);
        QCOMPARE(h["Opt_74_Option_D"].index, 2);
        h.Read();
        for (const auto &v : values)
            QCOMPARE(h.Value(v.first), v.second);

        // Typing the default text stores 0; the item code length is read
        // without a default; surplus digits on the left are dropped.
        h["Opt_29_Text"].text = QStringLiteral(" 100 ");
        h["Opt_28_Text"].text = QStringLiteral("0");
        h["Opt_22_Text_C"].text = QStringLiteral("1234");
        h["Opt_45_Text"].text = QStringLiteral("ab");
        h.Read();
        QCOMPARE(h.Value(29), 0);
        QCOMPARE(h.Value(28), 0);
        QCOMPARE(h.Value(22), 234456789);
        QCOMPARE(h.Value(45), 0);
    }

    // Option groups with a digit beyond their last button show the last one
    // and store its digit.
    void optionGroupsTakeTheLastButtonForLargerDigits()
    {
        StateHarness h(Materials);
        h.Set(74, 999999);
        h.Set(30, 9);
        h.Set(23, 90000);
        QCOMPARE(h.RoundTrip(25, 99), 21);
        QCOMPARE(h.Value(74), 222444);
        QCOMPARE(h.Value(30), 2);
        QCOMPARE(h.Value(23), 20000);
    }

    void materialListStyle_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("message");
        QTest::newRow("0") << 0 << 0 << 0 << false;
        QTest::newRow("1 is style 1, stored as 0") << 1 << 0 << 0 << false;
        QTest::newRow("2") << 2 << 1 << 2 << false;
        QTest::newRow("3") << 3 << 2 << 3 << false;
        QTest::newRow("4") << 4 << 3 << 4 << false;
        QTest::newRow("5") << 5 << 0 << 0 << true;
        QTest::newRow("9") << 9 << 0 << 0 << true;
    }
    void materialListStyle()
    {
        QFETCH(int, digit);
        QFETCH(int, entry);
        QFETCH(int, stored);
        QFETCH(bool, message);
        StateHarness h(Materials);
        h.Set(23, 11011 + 100 * digit);
        h.Layout();
        QCOMPARE(h["Opt_23_Combo_B"].index, entry);
        QCOMPARE(h["Opt_23_Combo_B"].items.value(entry), QStringLiteral("Style %1 Material List").arg(entry + 1));
        QCOMPARE(h.Messages(), message ? QStringList{OutOfRangeText(23, 3, digit, 4, 0)} : QStringList());
        h.Read();
        QCOMPARE(h.Value(23), 11011 + 100 * stored);
        // Each entry chosen is stored as its digit.
        for (int e = 0; e < 4; ++e) {
            h.Choose("Opt_23_Combo_B", e);
            h.Read();
            QCOMPARE(h.Digit(23, 3), e == 0 ? 0 : e + 1);
        }
    }

    void cutPieceEnclosure_data()
    {
        QTest::addColumn<int>("p8");
        QTest::addColumn<int>("p7");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("w8");
        QTest::addColumn<int>("w7");
        QTest::newRow("pointed brackets") << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("double circle kept") << 1 << 6 << 7 << 1 << 6;
        QTest::newRow("square box drops position 8") << 1 << 5 << 5 << 0 << 5;
        QTest::newRow("circle") << 0 << 6 << 6 << 0 << 6;
        QTest::newRow("position 8 of 2 is no double") << 2 << 6 << 6 << 0 << 6;
        QTest::newRow("ellipse") << 0 << 7 << 8 << 0 << 7;
        QTest::newRow("double ellipse") << 1 << 7 << 9 << 1 << 7;
        QTest::newRow("hexagonal, position 8 dropped") << 1 << 8 << 10 << 0 << 8;
        QTest::newRow("diamond enclosure") << 0 << 4 << 4 << 0 << 4;
        QTest::newRow("position 7 of 9: message, brackets") << 1 << 9 << 0 << 0 << 0;
    }
    void cutPieceEnclosure()
    {
        QFETCH(int, p8);
        QFETCH(int, p7);
        QFETCH(int, entry);
        QFETCH(int, w8);
        QFETCH(int, w7);
        StateHarness h(Materials);
        // Positions 1 to 6 and 9 are not the list's.
        h.Set(2, 300000000 + 10000000 * p8 + 1000000 * p7 + 10101);
        h.Layout();
        QCOMPARE(h["Opt_2_Combo_D"].index, entry);
        QCOMPARE(h.Messages(), p7 > 8 ? QStringList{OutOfRangeText(2, 7, p7, 8, 0)} : QStringList());
        h.Read();
        QCOMPARE(h.Value(2), 300000000 + 10000000 * w8 + 1000000 * w7 + 10101);
    }

    void enclosureEntriesMatchTheirDigits()
    {
        StateHarness h(Materials);
        h.Layout();
        const QStringList &items = h["Opt_2_Combo_D"].items;
        QCOMPARE(items.size(), 11);
        QCOMPARE(items[7], QStringLiteral("Double Circular Enclosure"));
        QCOMPARE(items[10], QStringLiteral("Hexagonal Ended Box"));
        for (int e = 0; e < items.size(); ++e) {
            h.Choose("Opt_2_Combo_D", e);
            h.Read();
            const XMaterials_1::EnclosureDigits d = XMaterials_1::EnclosureDigitsOf(e);
            QCOMPARE(h.Digit(2, 7), d.position7);
            QCOMPARE(h.Digit(2, 8), d.position8);
            h.Layout();
            QCOMPARE(h["Opt_2_Combo_D"].index, e);
        }
    }

    void listPerDrawingOrPipeline_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("stored");
        QTest::newRow("0") << 0 << 0 << false << 0;
        QTest::newRow("1") << 1 << 1 << false << 1;
        QTest::newRow("2") << 2 << 0 << true << 2;
        QTest::newRow("3") << 3 << 1 << true << 3;
        QTest::newRow("4: per pipeline") << 4 << 1 << false << 1;
        QTest::newRow("9: per pipeline") << 9 << 1 << false << 1;
    }
    void listPerDrawingOrPipeline()
    {
        QFETCH(int, digit);
        QFETCH(int, button);
        QFETCH(bool, ticked);
        QFETCH(int, stored);
        StateHarness h(Materials);
        h.Set(24, 30 + digit);
        h.Layout();
        QCOMPARE(h["Opt_24_Option"].index, button);
        QCOMPARE(h["opt_24_check"].checked, ticked);
        QVERIFY(h.Messages().isEmpty());
        h.Read();
        QCOMPARE(h.Value(24), 30 + stored);
        // Every combination the user can make.
        for (int b = 0; b < 2; ++b) {
            for (bool box : {false, true}) {
                h.Choose("Opt_24_Option", b);
                h.Tick("opt_24_check", box);
                h.Read();
                QCOMPARE(h.Value(24), 30 + b + (box ? 2 : 0));
            }
        }
    }

    void bendingBoxesActAsAPair()
    {
        StateHarness h(Materials);
        h.Set(2, 700000);
        h.Layout();
        QVERIFY(!h["SSChkSSOpt2Pos6To0"].checked);
        QVERIFY(h["SSChkopt2Pos6To1"].checked);
        h.Read();
        QCOMPARE(h.Value(2), 100000); // any other digit is stored as 1

        h.Tick("SSChkSSOpt2Pos6To0", true);
        QVERIFY(!h["SSChkopt2Pos6To1"].checked);
        h.Read();
        QCOMPARE(h.Value(2), 0);
        h.Tick("SSChkopt2Pos6To1", true);
        QVERIFY(!h["SSChkSSOpt2Pos6To0"].checked);
        h.Read();
        QCOMPARE(h.Value(2), 100000);
        // Unticking does nothing else; with neither ticked the digit stays.
        h.Tick("SSChkopt2Pos6To1", false);
        QVERIFY(!h["SSChkSSOpt2Pos6To0"].checked);
        h.Set(2, 500000);
        h.Read();
        QCOMPARE(h.Value(2), 500000);
        // Both ticked (only the program can do that): the first one wins
        // and the second is unticked.
        h["SSChkSSOpt2Pos6To0"].checked = true;
        h["SSChkopt2Pos6To1"].checked = true;
        h.Read();
        QCOMPARE(h.Value(2), 0);
        QVERIFY(!h["SSChkopt2Pos6To1"].checked);
    }

    void userTextSizeShownFromTheStore()
    {
        StateHarness h(Materials);
        h.Set(27, 123000035); // a font number in positions 7 to 9
        h.Layout();
        QCOMPARE(h["Opt_27_Combo"].index, XMaterials_1::UserSizeItem);
        QCOMPARE(h["Opt_27_Combo"].items.value(6), QStringLiteral("User Specified Size"));
        QVERIFY(h["FramMatUserTextSize"].visible);
        QCOMPARE(h["TxtMatUserTxtSize1"].text, QStringLiteral("3"));
        QCOMPARE(h["TxtMatUserTxtSize2"].text, QStringLiteral("5"));
        h.Read();
        QCOMPARE(h.Value(27), 123000035);
        QVERIFY(h.Messages().isEmpty());
    }

    void textSizeChoicesAreStoredAtOnce()
    {
        StateHarness h(Materials);
        h.Set(27, 123000035);
        h.Layout();
        h.Choose("Opt_27_Combo", 4);
        QCOMPARE(h.Value(27), 123000004);
        QVERIFY(!h["FramMatUserTextSize"].visible);
        // The user size opens the fields on what the switch holds and
        // stores nothing.
        h.Choose("Opt_27_Combo", XMaterials_1::UserSizeItem);
        QVERIFY(h["FramMatUserTextSize"].visible);
        QCOMPARE(h.Value(27), 123000004);
        QCOMPARE(h["TxtMatUserTxtSize1"].text, QString()); // a list size is no user size
        QCOMPARE(h["TxtMatUserTxtSize2"].text, QString());
        h.Type("TxtMatUserTxtSize1", QStringLiteral("2"));
        QCOMPARE(h.Value(27), 123000020);
        h.Type("TxtMatUserTxtSize2", QStringLiteral(" 8 "));
        QCOMPARE(h.Value(27), 123000028);
        h.Read();
        QCOMPARE(h.Value(27), 123000028);
        h.Layout();
        QCOMPARE(h["Opt_27_Combo"].index, XMaterials_1::UserSizeItem);
    }

    // A user size field holds one digit: more digits, letters, a sign or an
    // empty field store nothing (position 3 is never carried into).
    void userSizeFieldsStoreOneDigitOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("two digits") << "12";
        QTest::newRow("letter") << "x";
        QTest::newRow("empty") << "";
        QTest::newRow("sign") << "-";
        QTest::newRow("decimal") << "1.5";
        QTest::newRow("hex prefix") << "&H9";
    }
    void userSizeFieldsStoreOneDigitOnly()
    {
        QFETCH(QString, typed);
        StateHarness h(Materials);
        h.Set(27, 700000035);
        h.Layout();
        h.Type("TxtMatUserTxtSize1", typed);
        h.Type("TxtMatUserTxtSize2", typed);
        QCOMPARE(h.Value(27), 700000035);
        h.Read();
        QCOMPARE(h.Value(27), 700000035);
        QVERIFY(h.Messages().isEmpty());
    }

    void textSizeOutOfRangeStoresTheDefaultAtLayout()
    {
        StateHarness h(Materials);
        h.Set(27, 400000007);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(27, 1, 7, 5, 0)});
        QCOMPARE(h["Opt_27_Combo"].index, 0);
        QVERIFY(!h["FramMatUserTextSize"].visible);
        h.Read();
        QCOMPARE(h.Value(27), 400000000);
        // A 6 with position 2 of 0 is no user size: out of range too.
        h.prompts.messages.clear();
        h.Set(27, 6);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(27, 1, 6, 5, 0)});
    }

    // The page leaves positions 3 to 9 of switch 27 alone (positions 7 to 9
    // belong to the user font group).
    void fontPositionsAreLeftAlone()
    {
        StateHarness h(Materials);
        QCOMPARE(h.RoundTrip(27, 987654302), 987654302);
        QCOMPARE(h.RoundTrip(27, 987000000), 987000000);
        h.Layout();
        h.Choose("Opt_27_Combo", 1);
        QCOMPARE(h.Value(27), 987000001);
    }

    void outOfRangeMessagesInLayoutOrder()
    {
        StateHarness h(Materials);
        h.Set(23, 730);      // position 2 = 3, position 3 = 7
        h.Set(27, 8);
        h.Set(2, 909090903); // positions 1, 3, 5, 7 and 9
        h.Set(24, 90);
        h.Set(65, 33);
        h.Layout();
        QCOMPARE(h.Messages(), (QStringList{
                                   OutOfRangeText(23, 2, 3, 2, 0), OutOfRangeText(23, 3, 7, 4, 0),
                                   OutOfRangeText(27, 1, 8, 5, 0), OutOfRangeText(2, 1, 3, 2, 0),
                                   OutOfRangeText(2, 3, 9, 1, 0), OutOfRangeText(2, 5, 9, 2, 0),
                                   OutOfRangeText(2, 7, 9, 8, 0), OutOfRangeText(2, 9, 9, 3, 0),
                                   OutOfRangeText(24, 2, 9, 3, 0), OutOfRangeText(65, 1, 3, 2, 0),
                                   OutOfRangeText(65, 2, 3, 2, 0),
                               }));
        h.Read();
        QCOMPARE(h.Value(23), 0);
        QCOMPARE(h.Value(27), 0);
        QCOMPARE(h.Value(2), 0);
        QCOMPARE(h.Value(24), 0);
        QCOMPARE(h.Value(65), 0);
    }

    void restrictedRunType()
    {
        StateHarness h(Materials, true);
        h.Set(2, 116011111);
        h.Set(27, 12);
        h.Set(74, 1);
        h.Layout();
        for (const ControlEntry &c : h.page.controls) {
            if (c.bind == Bind::Rule)
                continue;
            const ControlState *s = h.state.Find(c.name);
            QVERIFY2((s ? s->enabled : true) == !c.restricted, qPrintable(c.name));
        }
        for (const char *open : {"Opt_28_Text", "SSChkSSOpt2Pos6To0", "SSChkopt2Pos6To1", "TxtMatUserTxtSize1",
                                 "TxtMatUserTxtSize2", "FramMatFont", "ChkMaterialsFontFile", "CmbMaterialsUserFontType"})
            QVERIFY2(!h.page.Control(QString::fromLatin1(open))->restricted, open);
        for (const char *closed : {"Opt_27_Combo", "Opt_2_Combo_A", "Opt_2_Combo_D", "Opt_2_Combo_E", "Opt_2_Check_B",
                                   "Opt_22_Text_A", "Opt_23_Option", "Opt_24_Option", "opt_24_check", "Opt_25_Option_B",
                                   "Opt_26_Check_A", "Opt_29_Text", "Opt_30_Option", "Opt_43_Text", "Opt_51_Text",
                                   "Opt_65_Check", "Opt_74_Option_F", "lblWastageNote2"})
            QVERIFY2(!h[closed].enabled, closed);
        // Still shown and read back.
        QCOMPARE(h["Opt_2_Combo_D"].index, 7);
        QCOMPARE(h["TxtMatUserTxtSize2"].text, QStringLiteral("2"));
        h.Read();
        QCOMPARE(h.Value(2), 116011111);
        QCOMPARE(h.Value(27), 12);
        QCOMPARE(h.Value(74), 1);
    }

    // Every switch the page edits, and only those.
    void switchesEdited()
    {
        StateHarness h(Materials);
        QSet<int> edited;
        for (const ControlEntry &c : h.page.controls) {
            if (c.bind != Bind::Label && c.bind != Bind::Rule)
                edited.insert(c.switchNumber);
        }
        QSet<int> expected{2, 22, 23, 24, 25, 26, 27, 28, 29, 30, 65, 74};
        for (int n = 43; n <= 51; ++n)
            expected.insert(n);
        QCOMPARE(edited, expected);
        // Nothing else changes in a round trip of a store full of nines.
        for (int n = 1; n <= 140; ++n)
            h.Set(n, 999999999);
        h.Layout();
        h.Read();
        for (int n = 1; n <= 140; ++n) {
            if (!expected.contains(n))
                QCOMPARE(h.Value(n), 999999999);
        }
    }
};

SWTED_TEST_GUILESS_MAIN(TestXMaterialsState)
#include "test_xmaterials_state.moc"
