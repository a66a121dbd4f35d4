#include "channels/bandlimits.h"
#include "channels/channelcodec.h"
#include "channels/textnumbers.h"
#include "channels/tonetable.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {
QByteArray Hex(const quint8 *data, int size)
{
    return QByteArray(reinterpret_cast<const char *>(data), size).toHex();
}
QString Zh(const char *text)
{
    return QString::fromUtf8(text);
}
} // namespace

class TestChannelCodec : public QObject
{
    Q_OBJECT

private slots:
    void frequencyText_data();
    void frequencyText();
    void wholeNumbers_data();
    void wholeNumbers();
    void frequenciesRoundTrip();
    void checkFrequencyEntry_data();
    void checkFrequencyEntry();
    void tones_data();
    void tones();
    void storedTonesRoundTrip();
    void readToneTextIsExactOrRefuses();
    void everyFlagByteRoundTrips();
    void names_data();
    void names();
    void encodeChannel();
    void encodeExactKeepsWhatDidNotChange();
    void decodeEncodeKeepsUnownedBytes_data();
    void decodeEncodeKeepsUnownedBytes();
};

// Typed text -> stored bytes -> shown text.
void TestChannelCodec::frequencyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("146.525") << "146.525" << QByteArray("00256514") << "146.52500";
    QTest::newRow("sixth decimal cut") << "146.525009" << QByteArray("00256514") << "146.52500";
    QTest::newRow("trailing text, leading blank")
        << " 146.525abc" << QByteArray("00256514") << "146.52500";
    QTest::newRow("largest storable") << "999.99999" << QByteArray("99999999") << "999.99999";
    QTest::newRow("not a number") << "abc" << QByteArray("ffffffff") << "";
    QTest::newRow("negative is absent, not garbage") << "-146.525" << QByteArray("ffffffff") << "";
    QTest::newRow("1000 MHz does not fit") << "1000" << QByteArray("ffffffff") << "";
    QTest::newRow("below 10 MHz reads as absent") << "9.99999" << QByteArray("ffffffff") << "";
    QTest::newRow("beyond 32 bits") << "1e30" << QByteArray("ffffffff") << "";
}

void TestChannelCodec::frequencyText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    quint8 out[4] = {1, 2, 3, 4};
    TextToFrequency(text, out);
    QCOMPARE(Hex(out, 4), bytes);
    QCOMPARE(FrequencyToText(out), shown);
}

// Text read from outside counts only when it is wholly a number.
void TestChannelCodec::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("plain");
    QTest::newRow("frequency") << "146.525" << true;
    QTest::newRow("white space around") << " 146.525\t" << true;
    QTest::newRow("whole MHz") << "146" << true;
    QTest::newRow("point last") << "146." << true;
    QTest::newRow("point first") << ".5" << true;
    QTest::newRow("decimal comma") << "145,5" << false;
    QTest::newRow("unit") << "146.5 MHz" << false;
    QTest::newRow("two points") << "146.5.2" << false;
    QTest::newRow("sign") << "-146.5" << false;
    QTest::newRow("exponent") << "1e2" << false;
    QTest::newRow("not a number") << "nan" << false;
    QTest::newRow("infinity") << "inf" << false;
    QTest::newRow("point alone") << "." << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("١٤٦") << false;
}

void TestChannelCodec::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, plain);
    QCOMPARE(IsPlainDecimal(text), plain);
}

void TestChannelCodec::frequenciesRoundTrip()
{
    for (qint32 units = 1000000; units <= 99999999; units += 3331) {
        const QString text = FormatFrequency(units);
        quint8 bytes[4];
        TextToFrequency(text, bytes);
        if (FrequencyToText(bytes) != text || FrequencyUnits(text) != units)
            QFAIL(qPrintable(text));
    }
    const quint8 nibbles[4] = {0xFF, 0xFF, 0xFF, 0x01}; // nibbles above 9 count as their value
    QCOMPARE(FrequencyToText(nibbles), QString("26.66665"));
    const quint8 zeroTop[4] = {0x00, 0x25, 0x65, 0x00};
    QCOMPARE(FrequencyToText(zeroTop), QString());
}

void TestChannelCodec::checkFrequencyEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wideLimits");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("units");
    const int ok = FrequencyCheck::Accepted, range = FrequencyCheck::OutOfRange;
    QTest::newRow("6.25 kHz raster") << "146.5125" << false << ok << 14651250;
    QTest::newRow("off step") << "146.5126" << false << int(FrequencyCheck::OffStep) << 14651260;
    QTest::newRow("not a number") << "abc" << false << range << 0;
    QTest::newRow("VHF high edge excluded") << "174" << false << range << 17400000;
    QTest::newRow("just below VHF high") << "173.9975" << false << ok << 17399750;
    QTest::newRow("UHF high edge excluded") << "520" << false << range << 52000000;
    QTest::newRow("range reported before step") << "180.0001" << false << range << 18000010;
    QTest::newRow("beyond 32 bits") << "99999999999" << true << range << INT_MAX;
    QTest::newRow("wide limits refuse 1500 MHz") << "1500" << true << range << 150000000;
    QTest::newRow("wide limits refuse 5 MHz") << "5" << true << range << 500000;
    QTest::newRow("wide limits accept 999.9975") << "999.9975" << true << ok << 99999750;
}

void TestChannelCodec::checkFrequencyEntry()
{
    QFETCH(QString, text);
    QFETCH(bool, wideLimits);
    QFETCH(int, status);
    QFETCH(int, units);
    const BandLimitValues usual {13600000, 17400000, 40000000, 52000000};
    const BandLimitValues wide {0, INT_MAX, 0, INT_MAX};
    const FrequencyCheck check = CheckFrequencyEntry(text, wideLimits ? wide : usual);
    QCOMPARE(int(check.status), status);
    QCOMPARE(check.units, units);
    QCOMPARE(check.text, FormatFrequency(units));
}

// Shown text <-> stored (low, high), both ways unless the text is not a table form.
void TestChannelCodec::tones_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<bool>("bothWays");
    QTest::newRow("67.0 Hz") << "67.0" << 0x70 << 0x06 << true;
    QTest::newRow("tone outside the list") << "100.5" << 0x05 << 0x10 << true;
    QTest::newRow("D023N") << "D023N" << 0x23 << 0x80 << true;
    QTest::newRow("D754I") << "D754I" << 0x54 << 0xC7 << true;
    QTest::newRow("one-digit DCS code") << "D05N" << 0x05 << 0x80 << true;
    QTest::newRow("None") << "None" << 0xFF << 0xFF << true;
    QTest::newRow("Chinese none") << Zh("无") << 0xFF << 0xFF << false;
    QTest::newRow("D without N is inverted") << "D023" << 0x23 << 0xC0 << false;
    QTest::newRow("lower-case d is not DCS") << "d023n" << 0xFF << 0xFF << false;
    QTest::newRow("negative tone") << "-67.0" << 0xFF << 0xFF << false;
    QTest::newRow("tone that would read as DCS") << "850.0" << 0xFF << 0xFF << false;
    QTest::newRow("largest CTCSS") << "799.9" << 0x99 << 0x79 << true;
    QTest::newRow("empty text") << "" << 0xFF << 0xFF << false;
}

void TestChannelCodec::tones()
{
    QFETCH(QString, text);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(bool, bothWays);
    quint8 l = 0x11, h = 0x22;
    TextToTone(text, &l, &h);
    QCOMPARE(int(l), low);
    QCOMPARE(int(h), high);
    if (bothWays)
        QCOMPARE(ToneToText(l, h, false), text);
}

// Every stored tone with decimal digits reads back into the same two bytes.
void TestChannelCodec::storedTonesRoundTrip()
{
    const auto isBcd = [](int b) { return (b >> 4) <= 9 && (b & 15) <= 9; };
    for (int high = 0x01; high <= 0xFE; ++high) {
        for (int low = 0; low < 256; ++low) {
            if (!isBcd(low) || (high < 0x80 && !isBcd(high)))
                continue;
            const QString text = ToneToText(quint8(low), quint8(high), false);
            quint8 l = 0, h = 0;
            TextToTone(text, &l, &h);
            if (l != low || h != high)
                QFAIL(qPrintable(text));
        }
    }
    QCOMPARE(ToneToText(0x70, 0x00, true), Zh("无")); // high byte 0x00 is no tone as well
    QCOMPARE(ToneToText(0x70, 0x00, false), QString("None"));
}

// Over every pair of bytes: a text of the tone list is read as TextToTone writes
// it; any other text is read only when exactly one pair shows as it, and then as
// that pair. What is read always shows as the text again.
void TestChannelCodec::readToneTextIsExactOrRefuses()
{
    const ToneTable english(false);
    QHash<QString, QList<int>> pairsShowing;
    for (int pair = 0; pair < 0x10000; ++pair) {
        const quint8 low = quint8(pair & 0xFF), high = quint8(pair >> 8);
        pairsShowing[ToneToText(low, high, false)].append(pair);
    }
    for (auto it = pairsShowing.cbegin(); it != pairsShowing.cend(); ++it) {
        quint8 low = 0x11, high = 0x22;
        bool ambiguous = false;
        const bool read = ReadToneText(it.key(), &low, &high, &ambiguous);
        const bool listed = english.texts().contains(it.key());
        if (read != (listed || it.value().size() == 1) || ambiguous != (!read && !listed)
            || (read && !listed && (high << 8 | low) != it.value().first())
            || (read && ToneToText(low, high, false) != it.key()))
            QFAIL(qPrintable(it.key()));
    }
    quint8 low = 0, high = 0;
    QVERIFY(ReadToneText(Zh("无"), &low, &high) && low == 0xFF && high == 0xFF);
    QVERIFY(!ReadToneText(QStringLiteral("D6500N"), &low, &high)); // no pair shows it
    QVERIFY(!ReadToneText(QStringLiteral("067.0"), &low, &high));
    bool ambiguous = false;
    QVERIFY(!ReadToneText(QStringLiteral("D6415N"), &low, &high, &ambiguous) && ambiguous);
}

void TestChannelCodec::everyFlagByteRoundTrips()
{
    for (bool chinese : {false, true}) {
        for (int flags = 0; flags < 256; ++flags) {
            const FlagTexts texts = FlagsToTexts(quint8(flags), chinese);
            // Power 11 has no text and is written back as Low; bits 7, 6, 0 stay.
            const int expected = (flags & 0x30) == 0x30 ? flags & ~0x30 : flags;
            QCOMPARE(texts.power.isEmpty(), expected != flags);
            QCOMPARE(int(TextsToFlags(quint8(~flags), texts)), (expected & 0x3E) | (~flags & 0xC1));
        }
    }
    // Texts the grid does not offer write the set states.
    QCOMPARE(int(TextsToFlags(0x00, {"high", "unlock", "no", ""})), 0x0E);
}

void TestChannelCodec::names_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("every kind of character")
        << "AB-1_" << QByteArray("0a0b240126ffffff") << "AB-1_";
    QTest::newRow("space ends the name") << "A B" << QByteArray("0aff0bffffffffff") << "A";
    QTest::newRow("eight characters") << "Z9Z9Z9Z9" << QByteArray("2309230923092309") << "Z9Z9Z9Z9";
    QTest::newRow("cut to the slot")
        << "ABCDEFGHIJ" << QByteArray("0a0b0c0d0e0f1011") << "ABCDEFGH";
    QTest::newRow("lower case cannot be shown") << "ab" << QByteArray("ffffffffffffffff") << "";
}

void TestChannelCodec::names()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    quint8 slot[8];
    TextToName(text, slot);
    QCOMPARE(Hex(slot, 8), bytes);
    QCOMPARE(NameToText(slot), readBack);
}

void TestChannelCodec::encodeChannel()
{
    MemoryImage image;
    image.fill(0x00);
    EncodeChannel(
        image, 37, {"146.525", "abc", "67.0", "D754I", Zh("中"), "Lock", Zh("无"), "Wide", "AB-1"});
    QCOMPARE(Hex(&image[37 * 16], 16), QByteArray("00256514ffffffff700654c71a000000"));
    QCOMPARE(Hex(&image[0x0CA0 + 37 * 8], 8), QByteArray("0a0b2401ffffffff"));
    const ChannelTexts back = DecodeChannel(image, 37, true);
    QCOMPARE(QStringList(back.begin(), back.end()),
        QStringList(
            {"146.52500", "", "67.0", "D754I", Zh("中"), Zh("锁定"), Zh("无"), Zh("宽"), "AB-1"}));
    // An emptied row clears the record and leaves the name slot.
    EncodeChannel(image, 37, NewChannelTexts("", false));
    QCOMPARE(Hex(&image[37 * 16], 16), QByteArray(32, 'f'));
    QCOMPARE(Hex(&image[0x0CA0 + 37 * 8], 8), QByteArray("0a0b2401ffffffff"));
    QVERIFY(IsChannelEmpty(image, 37) && DecodeChannel(image, 37, false)[kColName].isEmpty());
    // Records outside the table are never written.
    const MemoryImage before = image;
    EncodeChannel(image, 200, NewChannelTexts("146.525", false));
    EncodeChannel(image, -1, NewChannelTexts("146.525", false));
    QVERIFY(image == before && IsChannelEmpty(image, 200));
}

// A row read from outside writes what changed and keeps the bytes of the rest,
// whatever another program stored there; it never turns a tone into another code.
void TestChannelCodec::encodeExactKeepsWhatDidNotChange()
{
    MemoryImage image;
    image.fill(0x00);
    const QByteArray record = QByteArray::fromHex("0A25651412346514AFBF05AA3E000000");
    std::copy(record.begin(), record.end(), &image[5 * 16]);
    image[0x0CA0 + 5 * 8] = 0x0A;
    image[0x0CA0 + 5 * 8 + 1] = 0x25; // a code past the radio's characters ends the name
    for (int pair = 0; pair < 0x10000; ++pair) {
        image[5 * 16 + 8] = quint8(pair & 0xFF);
        image[5 * 16 + 9] = quint8(pair >> 8);
        const MemoryImage before = image;
        EncodeChannelExact(image, 5, DecodeChannel(image, 5, pair & 1));
        if (image != before)
            QFAIL(qPrintable(QString::number(pair, 16)));
    }

    ChannelTexts texts = DecodeChannel(image, 5, false);
    QCOMPARE(texts[kColTxTone], QStringLiteral("D4205N")); // high byte 0xAA: 42 hundreds
    QCOMPARE(texts[kColPower], QString()); // power bits 11 have no text
    texts[kColScan] = QStringLiteral("No");
    texts[kColRxTone] = QStringLiteral("D754I");
    EncodeChannelExact(image, 5, texts);
    QCOMPARE(Hex(&image[5 * 16], 16), QByteArray("0a2565141234651454c705aa3a000000"));
    QCOMPARE(image[0x0CA0 + 5 * 8 + 1], quint8(0x25));
}

void TestChannelCodec::decodeEncodeKeepsUnownedBytes_data()
{
    QTest::addColumn<int>("record");
    QTest::newRow("priority channel") << 0;
    QTest::newRow("channel 106, whose name slot holds the product range") << 106;
    QTest::newRow("channel 199, the last slot") << 199;
}

// Reading a row into the grid and writing it back never touches bytes the row
// does not own, whatever value any record or name byte holds.
void TestChannelCodec::decodeEncodeKeepsUnownedBytes()
{
    QFETCH(int, record);
    const int base = record * 16, nameBase = 0x0CA0 + record * 8;
    QRandomGenerator random(quint32(record) + 1);
    for (int offset = 0; offset < 24; ++offset) {
        MemoryImage start;
        for (quint8 &b : start)
            b = quint8(random.bounded(256));
        start[base + 3] = 0x14;
        for (int value = 0; value < 256; ++value) {
            MemoryImage image = start;
            image[offset < 16 ? base + offset : nameBase + offset - 16] = quint8(value);
            const MemoryImage before = image;
            const bool empty = IsChannelEmpty(image, record);
            EncodeChannel(image, record, DecodeChannel(image, record, value & 1));
            if (empty) {
                QCOMPARE(Hex(&image[base], 16), QByteArray(32, 'f'));
                std::copy(&before[base], &before[base + 16], &image[base]);
            } else {
                QCOMPARE(image[base + 12] & 0xC1, before[base + 12] & 0xC1);
                std::copy(&before[base], &before[base + 13], &image[base]);
                std::copy(&before[nameBase], &before[nameBase + 8], &image[nameBase]);
            }
            if (image != before) // what is left to differ is a byte the row does not own
                QFAIL(qPrintable(QString("offset %1 value %2").arg(offset).arg(value)));
        }
    }
}

QTEST_GUILESS_MAIN(TestChannelCodec)
#include "tst_channelcodec.moc"
