#include "print/featuretexts.h"
#include "print/printpages.h"

#include <QTest>

using namespace ImageMap;

namespace {

ChannelTexts Row(const QString &rx)
{
    ChannelTexts row;
    row[kColRx] = rx;
    return row;
}

// 200 grid rows with the given records in use.
QVector<ChannelTexts> Rows(const QList<int> &records)
{
    QVector<ChannelTexts> rows(kChannelCount);
    for (int r : records)
        rows[r] = Row(QString::asprintf("146.%03d00", r));
    return rows;
}

QList<int> FirstRecords(int count)
{
    QList<int> records;
    for (int r = 0; r < count; ++r)
        records << r;
    return records;
}

PrintSource Source(const QList<int> &records, bool chinese = false)
{
    PrintSource source;
    source.image = NewImage();
    source.rows = Rows(records);
    source.owner = QStringLiteral("Owner Ltd.");
    source.chinese = chinese;
    return source;
}

// The channel headings of a page, as (block, text).
QList<QPair<int, QString>> ChannelHeadings(const QVector<PrintItem> &items)
{
    QList<QPair<int, QString>> headings;
    for (const PrintItem &item : items) {
        if (item.kind == PrintItem::Text && item.x.w == 4 && item.y.d == -4)
            headings << qMakePair(item.y.block, item.text);
    }
    return headings;
}

const PrintItem *FindText(const QVector<PrintItem> &items, const QString &text)
{
    for (const PrintItem &item : items) {
        if (item.kind == PrintItem::Text && item.text == text)
            return &item;
    }
    return nullptr;
}

QString Value(const MemoryImage &image, const QString &key, bool chinese)
{
    for (const FeatureLine &line : FeatureLines(image, chinese)) {
        if (line.key == key)
            return line.value;
    }
    return QStringLiteral("<missing>");
}

} // namespace

class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void pageCount_data();
    void pageCount();
    void recountEveryTime();
    void rowsLandOnBlocks();
    void featureValue_data();
    void featureValue();
    void featuresPageLayout();
    void footer_data();
    void footer();
    void resolveLength_data();
    void resolveLength();
};

void TestPages::pageCount_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("lastPageChannels");

    QTest::newRow("no channels: features page only") << 0 << 1 << 0;
    QTest::newRow("one channel") << 1 << 2 << 1;
    QTest::newRow("seven channels fill one page") << 7 << 2 << 7;
    QTest::newRow("eighth channel starts page 3") << 8 << 3 << 1;
    QTest::newRow("all 200 rows") << 200 << 30 << 4;
}

void TestPages::pageCount()
{
    QFETCH(int, channels);
    QFETCH(int, pages);
    QFETCH(int, lastPageChannels);

    const PrintSource source = Source(FirstRecords(channels));
    QCOMPARE(CountPages(source.rows).pageCount(), pages);
    const auto headings = ChannelHeadings(PageItems(pages, source));
    QCOMPARE(headings.size(), lastPageChannels);
    if (lastPageChannels > 0)
        QCOMPARE(headings.first().first, 0);
}

// Channels far apart count by the rows in use, not by their numbers.
void TestPages::recountEveryTime()
{
    const PrintSource three = Source({2, 50, 120});
    QCOMPARE(CountPages(three.rows).pageCount(), 2);
    const auto headings = ChannelHeadings(PageItems(2, three));
    QCOMPARE(headings.size(), 3);
    QCOMPARE(headings.at(2).second, QStringLiteral("Channel 120:"));
    QVERIFY(FindText(PageItems(2, three), QStringLiteral("Page 2 of 2")));
}

void TestPages::rowsLandOnBlocks()
{
    // Grid rows 1, 5 and 200 are records 0, 4 and 199.
    const PrintSource source = Source({0, 4, 199});
    const auto headings = ChannelHeadings(PageItems(2, source));
    const QList<QPair<int, QString>> expected = {{0, QStringLiteral("Channel 0:")},
        {1, QStringLiteral("Channel 4:")}, {2, QStringLiteral("Channel 199:")}};
    QCOMPARE(headings, expected);

    PrintSource chinese = source;
    chinese.chinese = true;
    QCOMPARE(ChannelHeadings(PageItems(2, chinese)).at(2).second, QStringLiteral("信道199:"));
}

void TestPages::featureValue_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");

    auto row = [](const char *name, int address, int byte, const char *key, const char *english,
                   const char *chinese) {
        QTest::newRow(name) << address << byte << key << english << chinese;
    };
    row("step 4", kStep, 4, "Step", "25k", "25k");
    row("step 0xFF", kStep, 0xFF, "Step", "25k", "25k");
    row("step 2 prints 6.5k", kStep, 2, "Step", "6.5k", "6.5k");
    row("scan mode bits 11", kDisplayBits, 0x30, "Scan Mode", "TO", "TO");
    row("time-out 0x0F uses bits 1-0", kTimeOutTimer, 0x0F, "Time Out Timer", "10", "10");
    row("battery 6", kBatterySaver, 6, "Battery Saver", "1.2", "1.2");
    row("battery 7", kBatterySaver, 7, "Battery Saver", "1.4", "1.4");
    row("battery uses bits 2-0", kBatterySaver, 0xF8, "Battery Saver", "Off", "关");
    row("call tone 9", kCallTone, 0x09, "Call Tone", "1750", "1750");
    row("call tone 12", kCallTone, 0x0C, "Call Tone", "12", "12");
    row("busy bit 6 clear", kDisplayBits, 0x00, "Busy", "On", "开");
    row("keypad auto", kDisplayBits, 0x02, "Keypad Lock", "Auto", "自动");
    row("LED bits 11", kDisplayBits, 0x0C, "LED", "On", "开");
    row("mode bits 11", kScanBits, 0x03, "Mode", "Memory", "存储");
    row("pri-scan time 0xFF", kPriScanTime, 0xFF, "Pri-Scanning Time", "10s", "10s");
    row("voice 31", kVoiceSensitivity, 0xFF, "Voice Sensitivity", "31", "31");
}

void TestPages::featureValue()
{
    QFETCH(int, address);
    QFETCH(int, byte);
    QFETCH(QString, key);
    QFETCH(QString, english);
    QFETCH(QString, chinese);

    MemoryImage image = NewImage();
    image[address] = quint8(byte);
    QCOMPARE(Value(image, key, false), english);
    QCOMPARE(Value(image, key, true), chinese);
}

void TestPages::featuresPageLayout()
{
    const QVector<PrintItem> items = PageItems(1, Source({}));
    const PrintItem *title = FindText(items, QStringLiteral("Option"));
    QVERIFY(title);
    QCOMPARE(title->font, PrintFont::Large);
    const PrintItem *function = FindText(items, QStringLiteral("Function"));
    QVERIFY(function);
    QCOMPARE(function->y.d, -4);

    const PrintItem *first = FindText(items, QStringLiteral("Time Out Timer:"));
    const PrintItem *last = FindText(items, QStringLiteral("Battery Saver:"));
    QVERIFY(first && last);
    QCOMPARE(first->y.d, -5);
    QCOMPARE(last->y.d, -20);
    QCOMPARE(first->x.w, 9);
    QVERIFY(ChannelHeadings(items).isEmpty());
}

void TestPages::footer_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("numbering");

    QTest::newRow("only page") << 0 << 1 << "Page 1 of 1";
    QTest::newRow("features page of three") << 8 << 1 << "Page 1 of 3";
    QTest::newRow("last channel page") << 8 << 3 << "Page 3 of 3";
}

void TestPages::footer()
{
    QFETCH(int, channels);
    QFETCH(int, page);
    QFETCH(QString, numbering);

    const QVector<PrintItem> items = PageItems(page, Source(FirstRecords(channels), true));
    const PrintItem *number = FindText(items, numbering);
    QVERIFY(number);
    QCOMPARE(number->x.w, 45);
    QCOMPARE(number->y.c, -36);
    QCOMPARE(number->font, PrintFont::Small);
    const PrintItem *owner = FindText(items, QStringLiteral("Owner Ltd."));
    QVERIFY(owner);
    QCOMPARE(owner->x.w, 10);
    QCOMPARE(owner->y.c, -36);

    int rules = 0;
    for (const PrintItem &item : items)
        rules += item.kind == PrintItem::Line ? 1 : 0;
    QCOMPARE(rules, 3);
}

void TestPages::resolveLength_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("halfC");
    QTest::addColumn<int>("expected");

    // W 170, C 415, D 333: block tops are trunc(k × 333 × 5.7).
    QTest::newRow("block 3 truncates") << 3 << -4 << 0 << -5694 - 1332;
    QTest::newRow("block 6 name line") << 6 << -8 << 0 << -11388 - 2664;
    QTest::newRow("half of an odd C rounds down") << 0 << 0 << 1 << 207;
}

void TestPages::resolveLength()
{
    QFETCH(int, block);
    QFETCH(int, d);
    QFETCH(int, halfC);
    QFETCH(int, expected);

    PrintMetrics metrics;
    metrics.w = 170;
    metrics.c = 415;
    metrics.d = 333;
    PrintLength length;
    length.block = block;
    length.d = d;
    length.halfC = halfC;
    QCOMPARE(ResolveLength(length, metrics), expected);
}

QTEST_GUILESS_MAIN(TestPages)
#include "tst_pages.moc"
