#include "model/NumberText.h"

#include "TestRegistry.h"
#include <QtTest>
#include <clocale>

using namespace swted;

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "905" << 905.0;
        QTest::newRow("leading blanks") << "   12" << 12.0;
        QTest::newRow("digits then letters") << "12abc" << 12.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("tab inside") << "5\t6" << 56.0;
        QTest::newRow("blank inside") << "1 2 3" << 123.0;
        QTest::newRow("negative") << "-17" << -17.0;
        QTest::newRow("plus") << "+4" << 4.0;
        QTest::newRow("decimal") << "3.5" << 3.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("exponent") << "1.5E3" << 1500.0;
        QTest::newRow("exponent D") << "2d2" << 200.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
        QTest::newRow("exponent without digits") << "7e" << 7.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower") << "&hff" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("ampersand alone") << "&X1" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("two points") << "1.2.3" << 1.2;
        QTest::newRow("huge") << "1e400" << qInf();
    }
    void numericValue()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumericValue(text), value);
    }

    void numericValueIgnoresTheProcessLocale()
    {
        const char *old = std::setlocale(LC_NUMERIC, nullptr);
        const std::string saved = old ? old : "C";
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
        QCOMPARE(NumericValue(QStringLiteral("3.5")), 3.5);
        std::setlocale(LC_NUMERIC, saved.c_str());
    }

    void roundingHalvesToEven()
    {
        QCOMPARE(RoundToInt32(3.5).value(), 4);
        QCOMPARE(RoundToInt32(2.5).value(), 2);
        QCOMPARE(RoundToInt32(-2.5).value(), -2);
        QCOMPARE(RoundToInt32(2.4999).value(), 2);
        QCOMPARE(RoundToInt16(32767.4).value(), int16_t(32767));
        QVERIFY(!RoundToInt16(32767.5)); // rounds to 32768
        QCOMPARE(RoundToInt16(-32768.0).value(), int16_t(-32768));
        QCOMPARE(RoundToInt32(2147483647.0).value(), 2147483647);
        QVERIFY(!RoundToInt32(2147483648.0));
        QCOMPARE(RoundToInt32(-2147483648.0).value(), int(INT32_MIN));
        QVERIFY(!RoundToInt32(-2147483649.0));
        QVERIFY(!RoundToInt32(qInf()));
        QVERIFY(!RoundToInt32(qQNaN()));
    }

    void numberTextHasOneLeadingBlank()
    {
        QCOMPARE(NumberText(82), QStringLiteral(" 82"));
        QCOMPARE(NumberText(-3), QStringLiteral(" -3"));
    }
};

SWTED_TEST_APPLESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
