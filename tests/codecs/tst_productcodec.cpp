#include "codecs/productcodec.h"
#include "settings/inifile.h"
#include "support/channelimages.h"
#include "support/testfiles.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace ImageMap;

class TestProductCodec : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void splitFieldList_data();
    void splitFieldList();
    void parseRange_data();
    void parseRange();
    void packRange_data();
    void packRange();
    void typesStopAtFirstGap();
    void rangesOfType();
    void refreshedSelection_data();
    void refreshedSelection();

private:
    QTemporaryDir m_dir;
    CIniFile m_ini;
};

void TestProductCodec::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QVERIFY(LoadTestIni(m_dir.path(),
        "[Setup]\nType1=Alpha\nField1=136-174MHz\nType2=Beta\n"
        "Field2=136-174MHz|400-470MHz|400-480MHz\nType3=\nType4=Delta\n",
        m_ini));
}

void TestProductCodec::splitFieldList_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("three ranges, two bars")
        << "136-174MHz|400-470MHz|400-480MHz"
        << QStringList {"136-174MHz", "400-470MHz", "400-480MHz"};
    QTest::newRow("no bar gives one item") << "136-174MHz" << QStringList {"136-174MHz"};
    QTest::newRow("empty text gives one empty item") << "" << QStringList {""};
    QTest::newRow("double bar keeps the empty item") << "a||b" << QStringList {"a", "", "b"};
}

void TestProductCodec::splitFieldList()
{
    QFETCH(QString, field);
    QFETCH(QStringList, items);
    QCOMPARE(SplitFieldList(field), items);
}

void TestProductCodec::parseRange_data()
{
    QTest::addColumn<QString>("range");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");

    QTest::newRow("VHF") << "136-174MHz" << 136 << 174;
    QTest::newRow("without unit") << "136-174" << 136 << 174;
    QTest::newRow("space before the dash stops reading") << "136 - 174MHz" << 136 << 0;
    QTest::newRow("space after the dash is skipped") << "136- 174MHz" << 136 << 174;
    QTest::newRow("no numbers") << "wide" << 0 << 0;
    QTest::newRow("missing upper") << "136-" << 136 << 0;
    QTest::newRow("huge number saturates") << "99999999999-5MHz" << 2147483647 << 5;
    QTest::newRow("negative lower") << "-5-10MHz" << -5 << 10;
}

void TestProductCodec::parseRange()
{
    QFETCH(QString, range);
    QFETCH(int, low);
    QFETCH(int, high);
    int l = -1;
    int h = -1;
    ParseRange(range, &l, &h);
    QCOMPARE(l, low);
    QCOMPARE(h, high);
}

void TestProductCodec::packRange_data()
{
    QTest::addColumn<QString>("range");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("136-174MHz") << "136-174MHz" << QByteArray("\x13\x17\x63", 3);
    QTest::newRow("400-470MHz") << "400-470MHz" << QByteArray("\x40\x46\x09", 3);
    QTest::newRow("two-digit limits") << "50-54MHz" << QByteArray("\x05\x05\x03", 3);
    QTest::newRow("malformed text packs zeros") << "" << QByteArray("\x00\x00\x00", 3);
    QTest::newRow("limits above 999 held at 999")
        << "1000-3000MHz" << QByteArray("\x99\x99\x99", 3);
    QTest::newRow("negative lower held at 0") << "-5-10MHz" << QByteArray("\x00\x00\x09", 3);
}

void TestProductCodec::packRange()
{
    QFETCH(QString, range);
    QFETCH(QByteArray, bytes);
    MemoryImage image = NewImage();
    const MemoryImage before = image;
    PackProductRange(image, range);
    QCOMPARE(ImageBytes(image, kProductRange, 3), bytes);
    for (int a = 0; a < kImageSize; ++a) {
        if (a < kProductRange || a > kProductRange + 2)
            QCOMPARE(image[a], before[a]);
    }
}

void TestProductCodec::typesStopAtFirstGap()
{
    QCOMPARE(ProductTypes(m_ini), (QStringList {"Alpha", "Beta"}));
}

void TestProductCodec::rangesOfType()
{
    QCOMPARE(ProductRanges(m_ini, 1).size(), 3);
    QCOMPARE(ProductRanges(m_ini, 1).at(2), QStringLiteral("400-480MHz"));
    QCOMPARE(ProductRanges(m_ini, 2), QStringList {QString()});
}

void TestProductCodec::refreshedSelection_data()
{
    QTest::addColumn<bool>("newImage");
    QTest::addColumn<int>("storedType");
    QTest::addColumn<int>("storedField");
    QTest::addColumn<int>("imageType");
    QTest::addColumn<int>("imageField");
    QTest::addColumn<int>("expectType");
    QTest::addColumn<int>("expectField");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("new image takes the user's choice")
        << true << 1 << 1 << 0 << 0 << 1 << 1 << QByteArray("\x40\x46\x09", 3);
    QTest::newRow("new image takes the low bytes of the user's choice")
        << true << 0x101 << 0x201 << 0 << 0 << 1 << 1 << QByteArray("\x40\x46\x09", 3);
    QTest::newRow("opened image keeps its choice")
        << false << 0 << 0 << 1 << 2 << 1 << 2 << QByteArray("\x40\x47\x09", 3);
    QTest::newRow("range index past the list takes the last range")
        << false << 0 << 0 << 1 << 9 << 1 << 9 << QByteArray("\x40\x47\x09", 3);
    QTest::newRow("unknown type packs zeros")
        << false << 0 << 0 << 7 << 0 << 7 << 0 << QByteArray("\x00\x00\x00", 3);
}

void TestProductCodec::refreshedSelection()
{
    QFETCH(bool, newImage);
    QFETCH(int, storedType);
    QFETCH(int, storedField);
    QFETCH(int, imageType);
    QFETCH(int, imageField);
    QFETCH(int, expectType);
    QFETCH(int, expectField);
    QFETCH(QByteArray, bytes);

    MemoryImage image = NewImage();
    image[kProductType] = quint8(imageType);
    image[kProductField] = quint8(imageField);
    const MemoryImage before = image;
    const ProductSelection selection
        = RefreshedProductSelection(image, newImage, {storedType, storedField});
    QCOMPARE(image, before);
    QCOMPARE(selection, (ProductSelection {expectType, expectField}));

    StoreProductSelection(image, selection, SelectedRange(m_ini, selection));
    QCOMPARE(int(image[kProductType]), expectType);
    QCOMPARE(int(image[kProductField]), expectField);
    QCOMPARE(ImageBytes(image, kProductRange, 3), bytes);
}

QTEST_GUILESS_MAIN(TestProductCodec)
#include "tst_productcodec.moc"
