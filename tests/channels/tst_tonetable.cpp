#include "channels/channelcodec.h"
#include "channels/tonetable.h"

#include <QtTest>

class TestToneTable : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryRoundTripsThroughItsBytes();
    void selectByPrefix_data();
    void selectByPrefix();
};

// Each offered text is what the codec shows for the bytes it stores, so a picked
// entry reads back as the same entry, and typing it selects that entry; DCS codes
// are octal and ascending.
void TestToneTable::everyEntryRoundTripsThroughItsBytes()
{
    for (bool chinese : {false, true}) {
        const ToneTable table(chinese);
        for (int i = 0; i < table.size(); ++i) {
            quint8 low = 0, high = 0;
            TextToTone(table.at(i), &low, &high);
            QCOMPARE(ToneToText(low, high, chinese), table.at(i));
            QCOMPARE(i == 0, high == 0xFF && low == 0xFF);
            QCOMPARE(table.select(table.at(i)), i);
        }
    }
    const QList<int> &codes = ToneTable::dcsCodes();
    for (int i = 0; i < codes.size(); ++i) {
        const int c = codes.at(i);
        QVERIFY2(c % 10 <= 7 && c / 10 % 10 <= 7 && c / 100 <= 7, qPrintable(QString::number(c)));
        QVERIFY(i == 0 || codes.at(i - 1) < c);
    }
}

void TestToneTable::selectByPrefix_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("empty text selects entry 0") << "" << 0;
    QTest::newRow("lower case DCS") << "d023i" << 156;
    QTest::newRow("prefix takes the first match") << "1" << 13;
    QTest::newRow("tone not in the list") << "100.5" << 0;
    QTest::newRow("None in a Chinese table") << "None" << 0;
    QTest::newRow("longer than any entry") << "D023NN" << 0;
}

void TestToneTable::selectByPrefix()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QCOMPARE(ToneTable(true).select(text), index);
}

QTEST_GUILESS_MAIN(TestToneTable)
#include "tst_tonetable.moc"
