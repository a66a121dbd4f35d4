#include "codecs/featurescodec.h"

#include <QTest>
#include <map>

using namespace ImageMap;

namespace {

using Field = int OptionFeatures::*;

// Every list-valued field of the dialog with the list it indexes.
const std::map<QString, std::pair<FeatureList, Field>> &Fields()
{
    static const std::map<QString, std::pair<FeatureList, Field>> fields = {
        {"led", {FeatureList::Led, &OptionFeatures::led}},
        {"batterySaver", {FeatureList::BatterySaver, &OptionFeatures::batterySaver}},
        {"keypadLock", {FeatureList::KeypadLock, &OptionFeatures::keypadLock}},
        {"timeOutTimer", {FeatureList::TimeOutTimer, &OptionFeatures::timeOutTimer}},
        {"voiceSensitivity", {FeatureList::VoiceSensitivity, &OptionFeatures::voiceSensitivity}},
        {"priorityScan", {FeatureList::PriorityScan, &OptionFeatures::priorityScan}},
        {"channelDisplay", {FeatureList::ChannelDisplay, &OptionFeatures::channelDisplay}},
        {"priScanTime", {FeatureList::PriScanTime, &OptionFeatures::priScanTime}},
        {"step", {FeatureList::Step, &OptionFeatures::step}},
        {"callTone", {FeatureList::CallTone, &OptionFeatures::callTone}},
        {"squelchLevel", {FeatureList::SquelchLevel, &OptionFeatures::squelchLevel}},
        {"encoder", {FeatureList::Encoder, &OptionFeatures::encoder}},
        {"mode", {FeatureList::Mode, &OptionFeatures::mode}},
        {"busy", {FeatureList::Busy, &OptionFeatures::busy}},
        {"scanMode", {FeatureList::ScanMode, &OptionFeatures::scanMode}},
        {"vSqlAdjust", {FeatureList::SqlAdjust, &OptionFeatures::vSqlAdjust}},
        {"uSqlAdjust", {FeatureList::SqlAdjust, &OptionFeatures::uSqlAdjust}},
    };
    return fields;
}

int &FieldOf(OptionFeatures &f, const QString &name)
{
    return f.*Fields().at(name).second;
}

QByteArray Bytes(const MemoryImage &image, int address, int count)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()) + address, count);
}

} // namespace

class TestFeaturesCodec : public QObject
{
    Q_OBJECT

private slots:
    void decodeField_data();
    void decodeField();
    void encodeByte_data();
    void encodeByte();
    void roundTripEveryIndex_data();
    void roundTripEveryIndex();
    void encodeKeepsUnownedBits_data();
    void encodeKeepsUnownedBits();
    void powerOnName_data();
    void powerOnName();
};

void TestFeaturesCodec::decodeField_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("expected");

    QTest::newRow("new image: step 25k") << -1 << 0 << "step" << 4;
    QTest::newRow("new image: scan mode CO") << -1 << 0 << "scanMode" << 1;
    QTest::newRow("new image: LED Auto") << -1 << 0 << "led" << 1;
    QTest::newRow("new image: mode Frequency") << -1 << 0 << "mode" << 1;
    QTest::newRow("new image: V SQL falls back to 30") << -1 << 0 << "vSqlAdjust" << 30;
    QTest::newRow("new image: U SQL falls back to 20") << -1 << 0 << "uSqlAdjust" << 20;

    QTest::newRow("step 5 selects nothing") << kStep << 0x05 << "step" << -1;
    QTest::newRow("step reads bits 2-0 only") << kStep << 0xFA << "step" << 2;
    QTest::newRow("time-out 0x0C selects nothing") << kTimeOutTimer << 0x0C << "timeOutTimer" << -1;
    QTest::newRow("call tone 10 selects nothing") << kCallTone << 0x0A << "callTone" << -1;
    QTest::newRow("voice 16 is the last item")
        << kVoiceSensitivity << 0xF0 << "voiceSensitivity" << 16;
    QTest::newRow("voice 17 selects nothing")
        << kVoiceSensitivity << 0x11 << "voiceSensitivity" << -1;
    QTest::newRow("battery 6 falls back to Off") << kBatterySaver << 6 << "batterySaver" << 0;
    QTest::newRow("pri-scan 4 falls back to 3s") << kPriScanTime << 4 << "priScanTime" << 0;
    QTest::newRow("scan mode bits 11 show TO") << kDisplayBits << 0x30 << "scanMode" << 2;
    QTest::newRow("mode bits 11 show Memory") << kScanBits << 0x03 << "mode" << 2;
    QTest::newRow("channel display bit 0 is On") << kDisplayBits << 0x7F << "channelDisplay" << 1;
    QTest::newRow("keypad bit 1 is Auto") << kDisplayBits << 0x02 << "keypadLock" << 1;
    QTest::newRow("squelch level reads bits 3-0") << kSquelchLevel << 0xA3 << "squelchLevel" << 3;
    QTest::newRow("busy bit 6 set is Off") << kDisplayBits << 0x40 << "busy" << 0;
    QTest::newRow("priority scan bit 6") << kScanBits << 0x40 << "priorityScan" << 1;
    QTest::newRow("encoder bit 5") << kScanBits << 0x20 << "encoder" << 1;
    QTest::newRow("call tone 9 is 1750") << kCallTone << 0x09 << "callTone" << 9;
    QTest::newRow("V SQL 127 kept") << kVSqlAdjust << 127 << "vSqlAdjust" << 127;
    QTest::newRow("V SQL 128 falls back") << kVSqlAdjust << 128 << "vSqlAdjust" << 30;
}

void TestFeaturesCodec::decodeField()
{
    QFETCH(int, address);
    QFETCH(int, byte);
    QFETCH(QString, field);
    QFETCH(int, expected);

    MemoryImage image = NewImage();
    if (address >= 0)
        image[address] = quint8(byte);
    OptionFeatures f = DecodeFeatures(image);
    QCOMPARE(FieldOf(f, field), expected);
}

void TestFeaturesCodec::encodeByte_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("after");

    QTest::newRow("step without selection stores 0") << kStep << 0x05 << "step" << -1 << 0x00;
    QTest::newRow("time-out without selection stores 0x0F")
        << kTimeOutTimer << 0x0C << "timeOutTimer" << -1 << 0x0F;
    QTest::newRow("call tone without selection stores 0x0F")
        << kCallTone << 0x0A << "callTone" << -1 << 0x0F;
    QTest::newRow("voice without selection stores 0x1F")
        << kVoiceSensitivity << 0x11 << "voiceSensitivity" << -1 << 0x1F;
    QTest::newRow("pri-scan without selection stores 0")
        << kPriScanTime << 3 << "priScanTime" << -1 << 0x00;
    QTest::newRow("LED Auto to On keeps bit 0") << kDisplayBits << 0xD5 << "led" << 2 << 0xD9;
    QTest::newRow("scan mode 11 becomes 10") << kDisplayBits << 0xF4 << "scanMode" << 2 << 0xE4;
    QTest::newRow("mode Memory keeps unowned bits") << kScanBits << 0x9C << "mode" << 2 << 0x9E;
    QTest::newRow("three-state without selection left alone")
        << kDisplayBits << 0xD4 << "led" << -1 << 0xD4;
    QTest::newRow("channel display On clears bit 7")
        << kDisplayBits << 0xD4 << "channelDisplay" << 1 << 0x54;
    QTest::newRow("keypad Auto sets bit 1") << kDisplayBits << 0xD4 << "keypadLock" << 1 << 0xD6;
    QTest::newRow("encoder Off clears bit 5") << kScanBits << 0xFE << "encoder" << 0 << 0xDE;
    QTest::newRow("squelch level stores bits 3-0 only")
        << kSquelchLevel << 0xA3 << "squelchLevel" << 3 << 0x03;
    QTest::newRow("V SQL without selection stores 30")
        << kVSqlAdjust << 0x50 << "vSqlAdjust" << -1 << 30;
    QTest::newRow("U SQL past the list stores 20")
        << kUSqlAdjust << 0x50 << "uSqlAdjust" << 128 << 20;
}

void TestFeaturesCodec::encodeByte()
{
    QFETCH(int, address);
    QFETCH(int, before);
    QFETCH(QString, field);
    QFETCH(int, index);
    QFETCH(int, after);

    MemoryImage image = NewImage();
    image[address] = quint8(before);
    OptionFeatures f = DecodeFeatures(image);
    FieldOf(f, field) = index;
    EncodeFeatures(image, f);
    QCOMPARE(int(image[address]), after);
}

void TestFeaturesCodec::roundTripEveryIndex_data()
{
    QTest::addColumn<QString>("field");
    for (const auto &[name, entry] : Fields())
        QTest::newRow(qPrintable(name)) << name;
}

// Every item of every list survives OK and a fresh opening, and the list is
// exactly as long as the values the decoder accepts.
void TestFeaturesCodec::roundTripEveryIndex()
{
    QFETCH(QString, field);
    const int items = int(FeatureListItems(Fields().at(field).first, false).size());
    QVERIFY(items >= 2);
    for (int index = 0; index < items; ++index) {
        MemoryImage image = NewImage();
        OptionFeatures f = DecodeFeatures(image);
        FieldOf(f, field) = index;
        EncodeFeatures(image, f);
        OptionFeatures back = DecodeFeatures(image);
        QCOMPARE(FieldOf(back, field), index);
    }
}

void TestFeaturesCodec::encodeKeepsUnownedBits_data()
{
    QTest::addColumn<int>("fill");
    QTest::newRow("all zero") << 0x00;
    QTest::newRow("all ones") << 0xFF;
    QTest::newRow("0xA5") << 0xA5;
}

void TestFeaturesCodec::encodeKeepsUnownedBits()
{
    QFETCH(int, fill);
    MemoryImage image;
    image.fill(quint8(fill));
    const MemoryImage before = image;
    EncodeFeatures(image, DecodeFeatures(image));

    // Bits of the shared bytes that no control owns.
    const std::map<int, int> unowned = {{kBeep, 0xFE}, {kDisplayBits, 0x01}, {kScanBits, 0x9C}};
    const QList<int> owned = {kSquelchLevel, kTimeOutTimer, kVSqlAdjust, kUSqlAdjust, kStep,
        kVoiceSensitivity, kCallTone, kBatterySaver, kPriScanTime};
    for (int a = 0; a < kImageSize; ++a) {
        if (unowned.count(a)) {
            QCOMPARE(image[a] & unowned.at(a), before[a] & unowned.at(a));
        } else if (owned.contains(a) || (a >= kPowerOnNameFill && a < kPowerOnNameFill + 6)
            || (a >= kPowerOnName && a < kPowerOnName + kPowerOnNameLength)) {
            continue;
        } else {
            QVERIFY2(image[a] == before[a], qPrintable(QString::number(a, 16)));
        }
    }
    QCOMPARE(Bytes(image, kPowerOnNameFill, 6), QByteArray(6, char(0xFF)));
}

// The characters themselves are the channel names' (tst_channelcodec); here the
// slot's length and its unused bytes.
void TestFeaturesCodec::powerOnName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letters, digits and marks")
        << "AB-1_" << QByteArray("\x0A\x0B\x24\x01\x26\xFF") << "AB-1_";
    QTest::newRow("six characters fill the slot")
        << "Z09-_A" << QByteArray("\x23\x00\x09\x24\x26\x0A", 6) << "Z09-_A";
}

void TestFeaturesCodec::powerOnName()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);

    MemoryImage image = NewImage();
    OptionFeatures f = DecodeFeatures(image);
    f.powerOnName = typed;
    EncodeFeatures(image, f);
    QCOMPARE(Bytes(image, kPowerOnName, 6), stored);
    QCOMPARE(DecodeFeatures(image).powerOnName, shown);
}

QTEST_GUILESS_MAIN(TestFeaturesCodec)
#include "tst_featurescodec.moc"
