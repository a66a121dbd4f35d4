#include "channels/decimal.h"

#include <QtTest>
#include <cmath>
#include <limits>

class TestDecimal : public QObject
{
    Q_OBJECT

private slots:
    void products_data();
    void products();
    void everyFiveDigitFractionScalesExactly();
};

void TestDecimal::products_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::newRow("146.525 MHz to 10 Hz units") << 146.525 << 100000.0 << 14652500.0;
    QTest::newRow("10 Hz units to MHz") << 14652500.0 << 0.00001 << 146.525;
    QTest::newRow("tenths to tone") << 2541.0 << 0.1 << 254.1;
    QTest::newRow("negative operand") << -146.525 << 100000.0 << -14652500.0;
    // Operands keep 15 significant digits, so the 17th digit of a double is dropped.
    QTest::newRow("operand rounded to 15 digits") << 1.0000000000000002 << 10.0 << 10.0;
    QTest::newRow("30-digit product")
        << 999999999999999.0 << 999999999999999.0 << 9.99999999999998e29;
    QTest::newRow("overflow") << 1e300 << 1e300 << std::numeric_limits<double>::infinity();
    QTest::newRow("underflow") << 1e-300 << 1e-300 << 0.0;
}

void TestDecimal::products()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QCOMPARE(DecimalMultiply(a, b), expected);
}

// Every frequency shown with five decimals comes back as its own count of 10 Hz
// units after truncation, which plain double multiplication does not achieve.
void TestDecimal::everyFiveDigitFractionScalesExactly()
{
    int plainFailures = 0;
    for (qint64 units = 0; units <= 99999999; units += 997) {
        const double mhz = QByteArray::number(units / 100000.0, 'f', 5).toDouble();
        if (qint64(std::trunc(DecimalMultiply(mhz, 100000))) != units)
            QFAIL(qPrintable(QString("units %1").arg(units)));
        plainFailures += qint64(std::trunc(mhz * 100000)) != units;
    }
    QVERIFY2(plainFailures > 0, "the sample lacks a case that needs decimal arithmetic");
}

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
