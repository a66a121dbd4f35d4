// The comparison of two images: which channel cells, settings and other bytes
// differ after given byte changes, and that nothing differing is ever left out.
#include "channels/channelcodec.h"
#include "compare/imagediff.h"
#include "settings/inifile.h"
#include "support/testfiles.h"

#include <QtTest>

namespace {

// Channel 12 at 145.00000 MHz, High, named "ABC"; the rest as a new image.
MemoryImage BaseImage()
{
    MemoryImage image = NewImage();
    EncodeChannel(image, 12,
        {"145.00000", "145.00000", "88.5", "None", "High", "Lock", "Yes", "Wide", "ABC"});
    return image;
}

// One line per difference: "Channel|Field|A|B", "Setting|A|B" or the line of
// an address range with what owns it.
QStringList Describe(const ImageDiff &diff, bool chinese = false)
{
    QStringList lines;
    for (const ChannelDifference &c : diff.channels)
        lines << QStringList {c.channel, c.field, c.a, c.b}.join(QLatin1Char('|'));
    for (const SettingDifference &s : diff.settings)
        lines << QStringList {s.name, s.a, s.b}.join(QLatin1Char('|'));
    for (const ByteRangeDifference &r : diff.otherBytes)
        lines << ByteRangeLine(r, chinese);
    return lines;
}

using Edits = QList<QPair<int, int>>; // address, new byte value

} // namespace

class TestImageDiff : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void differences_data();
    void differences();
    void productNamesComeFromTheCatalogue();
    void setAtOpen_data();
    void setAtOpen();
};

void TestImageDiff::differences_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("expected");

    const int ch12 = 12 * 16; // record 12 at 0x00C0
    QTest::newRow("identical") << Edits {} << false << QStringList {};
    QTest::newRow("one channel field")
        << Edits {{ch12 + 2, 0x51}} << false << QStringList {"12|Rx Frequency|145.00000|145.10000"};
    QTest::newRow("one channel field, Chinese")
        << Edits {{ch12 + 12, 0xCF}} << true << QStringList {"12|功率|高|低"};
    QTest::newRow("channel emptied")
        << Edits {{ch12 + 3, 0xFF}} << false
        << QStringList {"12|Rx Frequency|145.00000|", "12|Tx Frequency|145.00000|",
               "12|Rx Tone|88.5|", "12|Tx Tone|None|", "12|Power|High|", "12|Cha Lock|Lock|",
               "12|Scan Add|Yes|", "12|Bandwidth|Wide|", "12|Cha Name|ABC|"};
    QTest::newRow("flag bit no column shows")
        << Edits {{ch12 + 12, 0xEE}} << false << QStringList {"Bytes 0x00CC (Channel 12)"};
    QTest::newRow("record of an empty channel") << Edits {{50 * 16, 0x12},
        {50 * 16 + 1, 0x34}} << false << QStringList {"Bytes 0x0320-0x0321 (Channel 50)"};
    QTest::newRow("record of the empty priority channel, Chinese")
        << Edits {{0x0005, 0x00}} << true << QStringList {"字节 0x0005（信道Pr）"};
    QTest::newRow("name slot of an empty channel")
        << Edits {{0x0CA0 + 50 * 8, 0x01}} << false << QStringList {"Bytes 0x0E30 (Channel 50)"};
    Edits span;
    for (int address = 50 * 16 + 15; address <= 54 * 16; ++address)
        span.append({address, 0});
    QTest::newRow("a range over five empty channels names three")
        << span << false
        << QStringList {"Bytes 0x032F-0x0360 (Channel 50, Channel 51, Channel 52, ...)"};
    QTest::newRow("one setting") << Edits {{0x1FC0, 0xFE}} << false << QStringList {"Beep|On|Off"};
    QTest::newRow("setting bits with the same text") // steps 4 and 5 both print "25k"
        << Edits {{0x1FE0, 0x05}} << false << QStringList {"Bytes 0x1FE0 (Step)"};
    QTest::newRow("power-on name")
        << Edits {{0x12E8, 0x0A}} << false << QStringList {"Power-on Name||A"};
    QTest::newRow("squelch level")
        << Edits {{0x1FA0, 21}} << false << QStringList {"Sql Adjust UHF 1|20|21"};
    QTest::newRow("band limit") << Edits {{0x1FF1, 0x16}} << false
                                << QStringList {"VHF|136-174|136-164"};
    QTest::newRow("stored product range in an empty channel's name slot") << Edits {
        {0x0FF0, 0x14}} << false << QStringList {"Stored Frequency|(not set)|155-1666MHz"};
    QTest::newRow("stored product range erased, Chinese") << Edits {{0x0FF0, 0x13}, {0x0FF1, 0x17},
        {0x0FF2, 0x63}} << true << QStringList {"存储的频率|(未设置)|136-174MHz"};
    QTest::newRow("bytes outside every field, one range") << Edits {{0x1FF6, 0x00}, {0x1FF7, 0x01},
        {0x1FF9, 0x02}} << false << QStringList {"Bytes 0x1FF6-0x1FF7", "Bytes 0x1FF9"};
    QTest::newRow("squelch calibration block")
        << Edits {{0x1F80, 0x00}} << false << QStringList {"Bytes 0x1F80 (Sql Adjust)"};
}

void TestImageDiff::differences()
{
    QFETCH(Edits, edits);
    QFETCH(bool, chinese);
    QFETCH(QStringList, expected);

    const MemoryImage a = BaseImage();
    MemoryImage b = a;
    for (const auto &[address, value] : edits)
        b[size_t(address)] = quint8(value);
    CIniFile noCatalogue;

    const ImageDiff diff = DiffImages(a, b, chinese, noCatalogue);

    QCOMPARE(Describe(diff, chinese), expected);
    QCOMPARE(diff.same(), a == b);
    // Back the other way: the same lines with A and B swapped.
    QCOMPARE(Describe(DiffImages(b, a, chinese, noCatalogue)).size(), expected.size());
}

void TestImageDiff::productNamesComeFromTheCatalogue()
{
    QTemporaryDir dir;
    CIniFile catalogue;
    QVERIFY(LoadTestIni(dir.path(),
        "[Setup]\nType1=T1\nType2=T2\nField1=136-174MHz|144-146MHz\nField2=400-480MHz\n",
        catalogue));
    MemoryImage a = BaseImage();
    MemoryImage b = a;
    a[0x1FD6] = 0;
    a[0x1FD7] = 1;
    b[0x1FD6] = 1;
    b[0x1FD7] = 5; // beyond the list of type 2

    QCOMPARE(Describe(DiffImages(a, b, false, catalogue)),
        QStringList({"Type|T1|T2", "Frequency|144-146MHz|5"}));
}

void TestImageDiff::setAtOpen_data()
{
    QTest::addColumn<Edits>("sinceOpen"); // edits of the document after it was opened
    QTest::addColumn<QStringList>("marked"); // the settings marked as set at open
    QTest::newRow("untouched: the range that opening set")
        << Edits {} << QStringList {"Stored Frequency"};
    QTest::newRow("another setting changed since: only the range")
        << Edits {{0x1FC0, 0xFE}} << QStringList {"Stored Frequency"};
    QTest::newRow("the range changed since: not the program's any more")
        << Edits {{0x0FF0, 0x14}} << QStringList {};
}

// Opening a file whose range bytes are erased fills them in; compared with the
// file, that difference is the program's, until the user changes the value.
void TestImageDiff::setAtOpen()
{
    QFETCH(Edits, sinceOpen);
    QFETCH(QStringList, marked);
    const MemoryImage file = BaseImage();
    MemoryImage opened = file;
    opened[0x0FF0] = 0x13; // 136-174MHz
    opened[0x0FF1] = 0x17;
    opened[0x0FF2] = 0x63;
    MemoryImage now = opened;
    for (const auto &[address, value] : sinceOpen)
        now[size_t(address)] = quint8(value);
    CIniFile noCatalogue;

    ImageDiff diff = DiffImages(now, file, false, noCatalogue);
    MarkSetAtOpen(diff, file, opened, now, noCatalogue);

    QStringList found;
    for (const SettingDifference &s : diff.settings) {
        if (s.setAtOpen)
            found << s.key;
    }
    QCOMPARE(found, marked);
}

QTEST_GUILESS_MAIN(TestImageDiff)
#include "tst_imagediff.moc"
