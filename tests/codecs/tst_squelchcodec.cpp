#include "codecs/squelchcodec.h"

#include <QTest>

using namespace ImageMap;

class TestSquelchCodec : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void store_data();
    void store();
    void roundTripEveryLevel();
    void shortListLeavesBytes();
    void clampEntry_data();
    void clampEntry();
};

void TestSquelchCodec::load_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("uhf");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    QTest::newRow("new image VHF row 1") << -1 << 0 << false << 0 << "30";
    QTest::newRow("new image UHF row 13") << -1 << 0 << true << 12 << "20";
    QTest::newRow("0xC8 in VHF row 6 shows 30") << 0x1F95 << 0xC8 << false << 5 << "30";
    QTest::newRow("0x80 in UHF row 1 shows 20") << 0x1FA0 << 0x80 << true << 0 << "20";
    QTest::newRow("127 is shown") << 0x1F96 << 127 << false << 6 << "127";
    QTest::newRow("0 is shown") << 0x1FAC << 0 << true << 12 << "0";
}

void TestSquelchCodec::load()
{
    QFETCH(int, address);
    QFETCH(int, byte);
    QFETCH(bool, uhf);
    QFETCH(int, row);
    QFETCH(QString, text);

    MemoryImage image = NewImage();
    if (address >= 0)
        image[address] = quint8(byte);
    const SquelchTexts texts = LoadSquelchLevels(image);
    QCOMPARE(texts.vhf.size(), kVhfSquelchCount);
    QCOMPARE(texts.uhf.size(), kUhfSquelchCount);
    QCOMPARE((uhf ? texts.uhf : texts.vhf).at(row), text);
}

void TestSquelchCodec::store_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("vhfByte");
    QTest::addColumn<int>("uhfByte");

    QTest::newRow("plain number") << "64" << 64 << 64;
    QTest::newRow("999 takes the substitute") << "999" << 30 << 20;
    QTest::newRow("128 takes the substitute") << "128" << 30 << 20;
    QTest::newRow("negative takes the substitute") << "-5" << 30 << 20;
    QTest::newRow("letters only store 0") << "abc" << 0 << 0;
    QTest::newRow("empty stores 0") << "" << 0 << 0;
    QTest::newRow("leading digits count") << "12abc" << 12 << 12;
    QTest::newRow("leading blanks skipped") << "  7" << 7 << 7;
    QTest::newRow("overlong number takes the substitute") << "99999999999999999999" << 30 << 20;
}

void TestSquelchCodec::store()
{
    QFETCH(QString, text);
    QFETCH(int, vhfByte);
    QFETCH(int, uhfByte);

    MemoryImage image = NewImage();
    const MemoryImage before = image;
    SquelchTexts texts = LoadSquelchLevels(image);
    texts.vhf[3] = text;
    texts.uhf[10] = text;
    StoreSquelchLevels(image, texts);
    QCOMPARE(int(image[kVhfSquelch + 3]), vhfByte);
    QCOMPARE(int(image[kUhfSquelch + 10]), uhfByte);
    image[kVhfSquelch + 3] = before[kVhfSquelch + 3];
    image[kUhfSquelch + 10] = before[kUhfSquelch + 10];
    QVERIFY(image == before);
}

void TestSquelchCodec::roundTripEveryLevel()
{
    for (int level = 0; level <= 127; ++level) {
        MemoryImage image = NewImage();
        for (int i = 0; i < kVhfSquelchCount; ++i)
            image[kVhfSquelch + i] = quint8(level);
        for (int i = 0; i < kUhfSquelchCount; ++i)
            image[kUhfSquelch + i] = quint8(level);
        const MemoryImage before = image;
        StoreSquelchLevels(image, LoadSquelchLevels(image));
        QVERIFY2(image == before, qPrintable(QString::number(level)));
    }
}

void TestSquelchCodec::shortListLeavesBytes()
{
    MemoryImage image = NewImage();
    image[kVhfSquelch + 6] = 99;
    SquelchTexts texts;
    texts.vhf = QStringList {"1", "2"};
    StoreSquelchLevels(image, texts);
    QCOMPARE(int(image[kVhfSquelch + 1]), 2);
    QCOMPARE(int(image[kVhfSquelch + 6]), 99);
    QCOMPARE(int(image[kUhfSquelch]), 20);
}

void TestSquelchCodec::clampEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("level");

    QTest::newRow("200 shows 127") << "200" << 127;
    QTest::newRow("-5 shows 0") << "-5" << 0;
    QTest::newRow("letters show 0") << "xy" << 0;
    QTest::newRow("empty shows 0") << "" << 0;
    QTest::newRow("in range kept") << "45" << 45;
    QTest::newRow("overlong number shows 127") << "99999999999" << 127;
}

void TestSquelchCodec::clampEntry()
{
    QFETCH(QString, text);
    QFETCH(int, level);
    QCOMPARE(ClampSquelchEntry(text), level);
}

QTEST_GUILESS_MAIN(TestSquelchCodec)
#include "tst_squelchcodec.moc"
