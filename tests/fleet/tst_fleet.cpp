// The names list of a run over many radios, each radio's copy of the image and
// the run's CSV log.
#include "fleet/fleetlog.h"
#include "fleet/fleetnames.h"

#include <QtTest>

class TestFleet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nameList_data();
    void nameList();
    void powerOnNameOnlyChangesItsBytes();
    void log();
};

void TestFleet::nameList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("errorLine"); // 0: read; -1: refused as empty

    QTest::newRow("every line end, spaces and blank lines left out")
        << "ANN\r\n  BOB \r\rCY\n\n"
        << QStringList {"ANN", "BOB", "CY"} << 0;
    QTest::newRow("letters upper-cased as the dialog does")
        << "ab-1_" << QStringList {"AB-1_"} << 0;
    QTest::newRow("six characters") << "ABCDEF" << QStringList {"ABCDEF"} << 0;
    QTest::newRow("seven characters") << "A\nABCDEFG" << QStringList {} << 2;
    QTest::newRow("a space inside") << "A B" << QStringList {} << 1;
    QTest::newRow("a letter the radio cannot show") << "OK\n\nJOSÉ" << QStringList {} << 3;
    QTest::newRow("no name at all") << "\n \n" << QStringList {} << -1;
}

void TestFleet::nameList()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(int, errorLine);

    QStringList read;
    const Status status = ReadNameList(text, &read);

    QCOMPARE(status.ok(), errorLine == 0);
    if (errorLine > 0)
        QVERIFY2(status.text().startsWith(QStringLiteral("line %1: ").arg(errorLine)),
            qPrintable(status.text()));
    if (status.ok())
        QCOMPARE(read, names);
}

void TestFleet::powerOnNameOnlyChangesItsBytes()
{
    MemoryImage image {};
    for (int i = 0; i < kImageSize; ++i)
        image[i] = quint8(i * 7);

    const MemoryImage named = WithPowerOnName(image, QStringLiteral("AB-1_"));

    const quint8 codes[] = {10, 11, 36, 1, 38, 0xFF};
    for (int i = 0; i < kImageSize; ++i) {
        const int slot = i - ImageMap::kPowerOnName;
        const int expected = slot >= 0 && slot < 6 ? codes[slot] : image[i];
        QCOMPARE(int(named[i]), expected);
    }
}

void TestFleet::log()
{
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 2, 1));
    const QVector<FleetRecord> records {{1, when, QStringLiteral("ANN"), FleetResult::Verified, {}},
        {2, when, QStringLiteral("-1"), FleetResult::Differs,
            QStringLiteral("Channel 1, Rx Frequency: sent \"140\"")},
        {3, when, {}, FleetResult::Failed, QStringLiteral("=no answer")}};

    QCOMPARE(FleetLogCsv(records),
        QByteArray("radio,time,power_on_name,result,detail\r\n"
                   "1,2026-12-07 14:02:01,ANN,verified,\r\n"
                   "2,2026-12-07 14:02:01,'-1,differs,\"Channel 1, Rx Frequency: sent "
                   "\"\"140\"\"\"\r\n"
                   "3,2026-12-07 14:02:01,,failed,'=no answer\r\n"));
    QCOMPARE(FleetLogName(when), QStringLiteral("fleet-20261207-140201.csv"));
}

QTEST_GUILESS_MAIN(TestFleet)
#include "tst_fleet.moc"
