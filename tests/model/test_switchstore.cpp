#include "model/SwitchStore.h"

#include "TestRegistry.h"
#include <QtTest>

using namespace swted;

class TestSwitchStore : public QObject {
    Q_OBJECT

    static QVector<int> Digits(SwitchStore &s, int n)
    {
        s.UnpackSwitch(n);
        QVector<int> d;
        for (int p = 1; p <= 9; ++p)
            d.append(s.GetDigit(p));
        return d;
    }

private slots:
    void unpackAndPackRoundTrip_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QVector<int>>("digits"); // positions 1..9
        QTest::addColumn<int>("packed");
        QTest::newRow("905") << 905 << QVector<int>{5, 0, 9, 0, 0, 0, 0, 0, 0} << 905;
        QTest::newRow("nine nines") << 999999999 << QVector<int>{9, 9, 9, 9, 9, 9, 9, 9, 9} << 999999999;
        QTest::newRow("10^9") << 1000000000 << QVector<int>{0, 0, 0, 0, 0, 0, 0, 0, 10} << 1000000000;
        QTest::newRow("1234567890") << 1234567890 << QVector<int>{0, 9, 8, 7, 6, 5, 4, 3, 12} << 1234567890;
        QTest::newRow("int max") << 2147483647 << QVector<int>{7, 4, 6, 3, 8, 4, 7, 4, 21} << 2147483647;
        QTest::newRow("negative") << -5 << QVector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0} << 0;
        QTest::newRow("int min") << int(INT32_MIN) << QVector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0} << 0;
        QTest::newRow("zero") << 0 << QVector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0} << 0;
        QTest::newRow("100000000") << 100000000 << QVector<int>{0, 0, 0, 0, 0, 0, 0, 0, 1} << 100000000;
    }
    void unpackAndPackRoundTrip()
    {
        QFETCH(int, value);
        QFETCH(QVector<int>, digits);
        QFETCH(int, packed);
        SwitchStore s;
        QVERIFY(s.SetWholeValue(17, value));
        QCOMPARE(Digits(s, 17), digits);
        QVERIFY(s.PackSwitch(17));
        QCOMPARE(s.GetSwitchValue(17), packed);
    }

    void packRoundTripsEveryNonNegativeValue()
    {
        SwitchStore s;
        quint32 x = 12345;
        for (int i = 0; i < 20000; ++i) {
            x = x * 1664525u + 1013904223u;
            const int32_t v = static_cast<int32_t>(x & 0x7fffffff);
            s.SetWholeValue(3, v);
            s.UnpackSwitch(3);
            s.SetWholeValue(3, 0);
            QVERIFY(s.PackSwitch(3));
            QCOMPARE(s.GetSwitchValue(3), v);
        }
    }

    void packOverflowKeepsOldValue()
    {
        SwitchStore s;
        s.SetWholeValue(5, 42);
        for (int p = 1; p <= 9; ++p)
            s.SetDigit(p, 0);
        s.SetDigit(9, 30); // 3 000 000 000 does not fit
        QVERIFY(!s.PackSwitch(5));
        QCOMPARE(s.GetSwitchValue(5), 42);

        // Digits outside 0..9 are weighted all the same.
        s.SetDigit(9, 12);
        QVERIFY(s.PackSwitch(5));
        QCOMPARE(s.GetSwitchValue(5), 1200000000);

        // A large negative digit leaves the range downwards.
        s.SetDigit(9, -30);
        QVERIFY(!s.PackSwitch(5));
        QCOMPARE(s.GetSwitchValue(5), 1200000000);
    }

    void setDigitStoresAnyValueUnchecked()
    {
        SwitchStore s;
        QVERIFY(s.SetDigit(4, 17));
        QCOMPARE(s.GetDigit(4), int16_t(17));
        QVERIFY(s.SetDigit(0, 3)); // index 0 exists
    }

    void outOfRangeIndicesAreRefused()
    {
        SwitchStore s;
        QVERIFY(!s.SetSwitchValue(141, 1));
        QVERIFY(!s.SetSwitchValue(-1, 1));
        QVERIFY(!s.UnpackSwitch(141));
        QVERIFY(!s.PackSwitch(-1));
        QVERIFY(!s.SetDigit(10, 1));
        QVERIFY(!s.SetDigit(-1, 1));
        QCOMPARE(s.GetSwitchValue(200), 0);
        QCOMPARE(s.GetDigit(10), int16_t(0));
        QVERIFY(!s.HasUnsavedChanges());
    }

    void setSwitchValueSignExtends()
    {
        SwitchStore s;
        s.SetSwitchValue(9, -1);
        QCOMPARE(s.GetSwitchValue(9), -1);
        s.SetSwitchValue(9, 32767);
        QCOMPARE(s.GetSwitchValue(9), 32767);
    }

    void defaultsAndUnsavedChanges()
    {
        SwitchStore s;
        QVERIFY(!s.HasUnsavedChanges());
        s.DefaultAllSwitches();
        QCOMPARE(s.GetSwitchValue(42), 3);
        QCOMPARE(s.GetSwitchValue(63), 55);
        QCOMPARE(s.GetSwitchValue(20), 5);
        QCOMPARE(s.GetSwitchValue(21), 0);
        QCOMPARE(s.GetSwitchValue(34), 100);
        QCOMPARE(s.GetSwitchValue(51), 1);
        int nonZero = 0;
        for (int n = 1; n <= 140; ++n)
            nonZero += s.GetSwitchValue(n) != 0;
        QCOMPARE(nonZero, 12);
        QVERIFY(s.HasUnsavedChanges());

        // A file that already holds the defaults has nothing to save after it.
        s.TakeSnapshot();
        s.DefaultAllSwitches();
        QVERIFY(!s.HasUnsavedChanges());
    }

    void changedAndChangedBackIsNoChange()
    {
        SwitchStore s;
        s.SetWholeValue(140, 7);
        QVERIFY(s.HasUnsavedChanges());
        s.SetWholeValue(140, 0);
        QVERIFY(!s.HasUnsavedChanges());
        // Index 0 is never compared.
        s.SetWholeValue(0, 9);
        QVERIFY(!s.HasUnsavedChanges());
    }
};

SWTED_TEST_APPLESS_MAIN(TestSwitchStore)
#include "test_switchstore.moc"
