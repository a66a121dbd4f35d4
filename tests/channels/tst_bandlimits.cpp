#include "channels/bandlimits.h"

#include <QtTest>
#include <limits>

Q_DECLARE_METATYPE(BandBoxes)
Q_DECLARE_METATYPE(BandBox)

char *toString(const BandBoxes &b)
{
    return QTest::toString(
        QString("%1-%2 %3-%4").arg(b.vhfLow).arg(b.vhfHigh).arg(b.uhfLow).arg(b.uhfHigh));
}

namespace {
QByteArray Bands(const MemoryImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(&image[ImageMap::kVhfBand]), 6).toHex(' ');
}
} // namespace

class TestBandLimits : public QObject
{
    Q_OBJECT

private slots:
    void packTriple_data();
    void packTriple();
    void everyEdgeSurvivesPackAndUnpack();
    void decodeReadsUnsetTriplesAsFullBand_data();
    void decodeReadsUnsetTriplesAsFullBand();
    void encodeStoresWithoutClamping();
    void clamp_data();
    void clamp();
    void hugeBoxesSaturate();
};

void TestBandLimits::packTriple_data()
{
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("hiBack");
    QTest::newRow("VHF 136-174") << 136 << 174 << QByteArray("131763") << 174;
    QTest::newRow("UHF 400-520") << 400 << 520 << QByteArray("405109") << 520;
    QTest::newRow("edges above 999 use nibbles above 9")
        << 1000 << 1600 << QByteArray("a0f909") << 1600;
    QTest::newRow("emptied high box") << 136 << 0 << QByteArray("130060") << 1;
}

void TestBandLimits::packTriple()
{
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(QByteArray, bytes);
    QFETCH(int, hiBack);
    quint8 packed[3] = {};
    PackBandTriple(lo, hi, packed);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(packed), 3).toHex(), bytes);
    int l = -1, h = -1;
    UnpackBandTriple(packed, &l, &h);
    QCOMPARE(l, lo);
    QCOMPARE(h, hiBack);
}

void TestBandLimits::everyEdgeSurvivesPackAndUnpack()
{
    for (int edge = 0; edge <= 1599; ++edge) {
        for (const auto &[lo, hi] : {std::pair(edge, 175), std::pair(136, edge + 1)}) {
            quint8 packed[3];
            PackBandTriple(lo, hi, packed);
            int l = -1, h = -1;
            UnpackBandTriple(packed, &l, &h);
            if (l != lo || h != hi)
                QFAIL(
                    qPrintable(QString("%1-%2 read back as %3-%4").arg(lo).arg(hi).arg(l).arg(h)));
        }
    }
}

void TestBandLimits::decodeReadsUnsetTriplesAsFullBand_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<BandBoxes>("boxes");
    QTest::addColumn<QByteArray>("encoded"); // the boxes stored again
    QTest::newRow("both unset") << QByteArray("ffffffffffff") << BandBoxes {136, 174, 400, 520}
                                << QByteArray("131763405109");
    QTest::newRow("VHF unset only") << QByteArray("ffffff404709") << BandBoxes {136, 174, 400, 480}
                                    << QByteArray("131763404709");
    QTest::newRow("partly set triple decodes as it is")
        << QByteArray("fffffe404709") << BandBoxes {1665, 1665, 400, 480}
        << QByteArray("f9f999404709");
}

void TestBandLimits::decodeReadsUnsetTriplesAsFullBand()
{
    QFETCH(QByteArray, stored);
    QFETCH(BandBoxes, boxes);
    QFETCH(QByteArray, encoded);
    MemoryImage image;
    image.fill(0x5A);
    const QByteArray raw = QByteArray::fromHex(stored);
    std::copy(raw.begin(), raw.end(), &image[ImageMap::kVhfBand]);
    const MemoryImage before = image;
    QCOMPARE(DecodeBands(image), boxes);
    QCOMPARE(image, before);
    EncodeBands(image, boxes);
    QCOMPARE(Bands(image), QByteArray::fromHex(encoded).toHex(' '));
    QCOMPARE(image[ImageMap::kVhfBand + 6], quint8(0x5A));
    const BandLimitValues limits = LimitsOf(boxes);
    QCOMPARE(limits.vhfLow, boxes.vhfLow * 100000);
    QCOMPARE(limits.uhfHigh, boxes.uhfHigh * 100000);
}

void TestBandLimits::encodeStoresWithoutClamping()
{
    MemoryImage image;
    image.fill(0xFF);
    EncodeBands(image, BandBoxes {150, 140, 400, 520});
    QCOMPARE(Bands(image), QByteArray("15 13 09 40 51 09"));
}

void TestBandLimits::clamp_data()
{
    QTest::addColumn<BandBoxes>("before");
    QTest::addColumn<BandBox>("left");
    QTest::addColumn<BandBoxes>("after");
    const BandBoxes usual {136, 174, 400, 480};
    QTest::newRow("emptied VHF low") << BandBoxes {0, 174, 400, 480} << BandBox::VhfLow << usual;
    QTest::newRow("VHF low above high")
        << BandBoxes {150, 140, 0, 0} << BandBox::VhfHigh << BandBoxes {136, 174, 0, 0};
    QTest::newRow("equal VHF edges stay")
        << BandBoxes {150, 150, 400, 480} << BandBox::VhfHigh << BandBoxes {150, 150, 400, 480};
    QTest::newRow("VHF high 136") << BandBoxes {136, 136, 400, 480} << BandBox::VhfHigh << usual;
    QTest::newRow("equal UHF edges reset")
        << BandBoxes {136, 174, 450, 450} << BandBox::UhfLow << usual;
    QTest::newRow("UHF high 520") << BandBoxes {136, 174, 400, 520} << BandBox::UhfHigh << usual;
    QTest::newRow("UHF low left keeps high 520")
        << BandBoxes {136, 174, 400, 520} << BandBox::UhfLow << BandBoxes {136, 174, 400, 520};
}

void TestBandLimits::clamp()
{
    QFETCH(BandBoxes, before);
    QFETCH(BandBox, left);
    QFETCH(BandBoxes, after);
    QCOMPARE(ClampBands(before, left), after);
}

void TestBandLimits::hugeBoxesSaturate()
{
    SetBandLimits(BandBoxes {-99999, 99999, 21474, 0});
    QCOMPARE(BandLimits.vhfLow, std::numeric_limits<qint32>::min());
    QCOMPARE(BandLimits.vhfHigh, std::numeric_limits<qint32>::max());
    QCOMPARE(BandLimits.uhfLow, 2147400000);
}

QTEST_GUILESS_MAIN(TestBandLimits)
#include "tst_bandlimits.moc"
