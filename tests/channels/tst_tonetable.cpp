#include "channelcodec.h"
#include "tonetable.h"

#include <QtTest>

class TestToneTable : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void everyEntryRoundTripsThroughItsBytes();
    void selectByPrefix_data();
    void selectByPrefix();
};

void TestToneTable::entries_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("no tone, Chinese") << true << 0 << QString::fromUtf8("无");
    QTest::newRow("100.0 Hz keeps its decimal") << false << 13 << "100.0";
    QTest::newRow("last CTCSS") << false << 50 << "254.1";
    QTest::newRow("first DCS normal") << false << 51 << "D023N";
    QTest::newRow("last DCS normal") << false << 155 << "D754N";
    QTest::newRow("first DCS inverted") << false << 156 << "D023I";
    QTest::newRow("last DCS inverted") << true << 260 << "D754I";
}

void TestToneTable::entries()
{
    QFETCH(bool, chinese);
    QFETCH(int, index);
    QFETCH(QString, text);
    const ToneTable table(chinese);
    QCOMPARE(table.size(), 261);
    QCOMPARE(table.at(index), text);
}

// Each offered text is what the codec shows for the bytes it stores, so a picked
// entry reads back as the same entry; DCS codes are octal and ascending.
void TestToneTable::everyEntryRoundTripsThroughItsBytes()
{
    for (bool chinese : {false, true}) {
        const ToneTable table(chinese);
        for (int i = 0; i < table.size(); ++i) {
            quint8 low = 0, high = 0;
            TextToTone(table.at(i), &low, &high);
            QCOMPARE(ToneToText(low, high, chinese), table.at(i));
            QCOMPARE(i == 0, high == 0xFF && low == 0xFF);
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
