#include "codecs/featurescodec.h"
#include "document/programdoc.h"
#include "files/filelock.h"
#include "settings/language.h"
#include "settings/usersettings.h"
#include "support/channelimages.h"
#include "support/testfiles.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

using namespace ImageMap;

namespace {

const QByteArray kCatalogueIni = "[Setup]\nAppName = RadioTool\nType1=Alpha\nField1=136-174MHz\n"
                                 "Type2=Beta\nField2=136-174MHz|400-470MHz|400-480MHz\n";

ChannelTexts Channel(const char *rx, const char *name = "")
{
    ChannelTexts texts = NewChannelTexts(QString::fromLatin1(rx), false);
    texts[kColName] = QString::fromLatin1(name);
    return texts;
}

// A radio's image: two channels (one of them record 106, which shares its name
// slot with the product range), product type 2 with range 3 (400-480 MHz).
MemoryImage RadioImage(bool channel106)
{
    MemoryImage image = NewImage();
    EncodeChannel(image, 1, Channel("145.50000", "CALL"));
    if (channel106)
        EncodeChannel(image, 106, Channel("446.00625", "ABCDEF"));
    image[kProductType] = 1;
    image[kProductField] = 2;
    return image;
}

} // namespace

using DocumentChange = std::function<bool(CProgramDoc &)>;
Q_DECLARE_METATYPE(DocumentChange)

class TestDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void newDocument_data();
    void newDocument();
    void openedImage_data();
    void openedImage();
    void openFailureChangesNothing();
    void untouchedOddImageIsNotModified();
    void undoRedo_data();
    void undoRedo();
    void commandTexts_data();
    void commandTexts();
    void saveIsTheCleanState();
    void saveWaitsForAnotherProcess();
    void readRefreshesOnce();

private:
    QTemporaryDir m_dir;
};

void TestDocument::init()
{
    QVERIFY(LoadTestIni(m_dir.path(), kCatalogueIni));
    SetLanguageState(QStringLiteral("English"));
    UserSettings::SetProductSelection(0, 0);
}

void TestDocument::cleanup()
{
    g_iniFile.Clear();
    SetLanguageState(QStringLiteral("English"));
}

void TestDocument::newDocument_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << "English"
                             << "Channel Information";
    QTest::newRow("Chinese") << "Chinese"
                             << "信道信息";
}

void TestDocument::newDocument()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    SetLanguageState(language);
    UserSettings::SetProductSelection(1, 1);
    g_bNewImage = false;

    CProgramDoc doc;
    QVERIFY(doc.OnNewDocument());
    QCOMPARE(doc.title(), title);
    QCOMPARE(doc.pathName(), QStringLiteral("RadioTool"));
    QVERIFY(doc.isUntitled());
    QVERIFY(g_bNewImage);
    QVERIFY(!doc.IsModified());

    // The defaults, with the user's product choice and its range (400-470 MHz).
    MemoryImage expected = NewImage();
    expected[kProductType] = 1;
    expected[kProductField] = 1;
    expected[kProductRange] = 0x40;
    expected[kProductRange + 1] = 0x46;
    expected[kProductRange + 2] = 0x09;
    QCOMPARE(doc.image(), expected);
    QCOMPARE(doc.rows().size(), kChannelCount);
    QVERIFY(doc.rowTexts(0)[kColRx].isEmpty());
}

void TestDocument::openedImage_data()
{
    QTest::addColumn<bool>("channel106");
    QTest::addColumn<QByteArray>("slot106");
    QTest::newRow("channel 106 keeps its name over the range")
        << true << QByteArray("\x0a\x0b\x0c");
    QTest::newRow("empty channel 106 takes the range") << false << QByteArray("\x40\x47\x09");
}

void TestDocument::openedImage()
{
    QFETCH(bool, channel106);
    QFETCH(QByteArray, slot106);
    const QString path = m_dir.filePath(QStringLiteral("radio.dat"));
    const MemoryImage radio = RadioImage(channel106);
    QVERIFY(SaveDatFile(path, radio).ok());

    CProgramDoc doc;
    QVERIFY(doc.OnOpenDocument(path).ok());
    QVERIFY(!g_bNewImage);
    QVERIFY(!doc.IsModified());
    QCOMPARE(doc.rowTexts(1)[kColName], QStringLiteral("CALL"));
    QCOMPARE(doc.rowTexts(106)[kColName], QString::fromLatin1(channel106 ? "ABCDEF" : ""));
    // The image's product choice becomes the user's.
    QCOMPARE(UserSettings::ProductType(), 1);
    QCOMPARE(UserSettings::ProductField(), 2);

    const MemoryImage &image = doc.image();
    QCOMPARE(ImageBytes(image, kProductRange, 3), slot106);
    for (int address = 0; address < kImageSize; ++address) {
        if (address < kProductRange || address > kProductRange + 2)
            QCOMPARE(image[address], radio[address]);
    }
}

void TestDocument::openFailureChangesNothing()
{
    const QString shortFile = m_dir.filePath(QStringLiteral("short.dat"));
    QVERIFY(WriteFile(shortFile, QByteArray(100, '\x01')));

    CProgramDoc doc;
    doc.OnNewDocument();
    const MemoryImage before = doc.image();
    QVERIFY(doc.commitCell(3, kColRx, Channel("146.52000")));
    QVERIFY(!doc.OnOpenDocument(shortFile).ok());
    QVERIFY(g_bNewImage);
    QVERIFY(doc.isUntitled());
    QVERIFY(doc.IsModified());
    QCOMPARE(doc.rowTexts(3)[kColRx], QStringLiteral("146.52000"));
    QVERIFY(doc.undoStack()->canUndo());
    doc.undoStack()->undo();
    QCOMPARE(doc.image(), before);
}

void TestDocument::untouchedOddImageIsNotModified()
{
    // Random bytes: tone codes outside the table, power 11, BCD nibbles above 9.
    // Opening and closing must not count as a change, and every byte that no grid
    // column, band box or product field owns is saved as it was read.
    MemoryImage odd;
    QRandomGenerator random(4711);
    for (quint8 &byte : odd)
        byte = quint8(random.bounded(256));
    for (int record = 0; record < kChannelCount; record += 3)
        odd[record * kChannelSize + 3] = 0xFF; // every third record empty
    const QString path = m_dir.filePath(QStringLiteral("odd.dat"));
    const QString copy = m_dir.filePath(QStringLiteral("copy.dat"));
    QVERIFY(SaveDatFile(path, odd).ok());

    CProgramDoc doc;
    QVERIFY(doc.OnOpenDocument(path).ok());
    QVERIFY(!doc.IsModified());
    QVERIFY(doc.OnSaveDocument(copy).ok());
    const MemoryImage &saved = doc.image();
    QCOMPARE(ReadFile(copy), ImageBytes(saved));

    QVector<bool> owned(kImageSize, false);
    for (int record = 0; record < kChannelCount; ++record) {
        const quint8 top = odd[record * kChannelSize + 3];
        const bool empty = top == 0xFF || top == 0x00;
        for (int i = 0; i < (empty ? 16 : 13); ++i)
            owned[record * kChannelSize + i] = true;
        for (int i = 0; i < kNameSize && !empty; ++i)
            owned[kNameBase + record * kNameSize + i] = true;
    }
    for (int address : {kVhfBand, kVhfBand + 1, kVhfBand + 2, kUhfBand, kUhfBand + 1, kUhfBand + 2,
             kProductType, kProductField, kProductRange, kProductRange + 1, kProductRange + 2})
        owned[address] = true;
    for (int address = 0; address < kImageSize; ++address) {
        if (!owned[address])
            QVERIFY2(saved[address] == odd[address], qPrintable(QString::number(address, 16)));
    }
    for (int record = 0; record < kChannelCount; ++record) { // flag bits 7, 6 and 0 are kept
        if (!owned[record * kChannelSize + 13])
            QCOMPARE(
                saved[record * kChannelSize + 12] & 0xC1, odd[record * kChannelSize + 12] & 0xC1);
    }
}

void TestDocument::undoRedo_data()
{
    using Change = DocumentChange;
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("address"); // a byte the change writes
    QTest::addColumn<int>("after");

    QTest::newRow("grid commit of a new channel")
        << Change([](CProgramDoc &d) { return d.commitCell(5, kColRx, Channel("146.52000")); })
        << 5 * kChannelSize + 3 << 0x14;
    QTest::newRow("grid commit that clears a channel")
        << Change([](CProgramDoc &d) { return d.commitCell(1, kColRx, ChannelTexts()); })
        << 1 * kChannelSize + 3 << 0xFF;
    QTest::newRow("band box") << Change([](CProgramDoc &d) {
        BandBoxes boxes = d.bands();
        boxes.vhfLow = 140;
        return d.setBands(boxes);
    }) << kVhfBand << 0x14;
    QTest::newRow("Optional Features") << Change([](CProgramDoc &d) {
        MemoryImage updated = d.image();
        OptionFeatures features = DecodeFeatures(updated);
        features.beep = !features.beep;
        EncodeFeatures(updated, features);
        return d.changeBytes(updated, QStringLiteral("Change Optional Features"));
    }) << kBeep << ((NewImage()[kBeep] & 1) ? NewImage()[kBeep] & ~1 : NewImage()[kBeep] | 1);
    QTest::newRow("whole-image read") << Change([](CProgramDoc &d) {
        MemoryImage radio = NewImage();
        EncodeChannel(radio, 7, Channel("438.50000"));
        d.replaceFromRadio(radio);
        return true;
    }) << 7 * kChannelSize + 3 << 0x43;
    QTest::newRow("File New") << Change([](CProgramDoc &d) {
        d.clearToNew();
        return true;
    }) << 1 * kChannelSize + 3 << 0xFF;
}

void TestDocument::undoRedo()
{
    QFETCH(DocumentChange, change);
    QFETCH(int, address);
    QFETCH(int, after);
    const QString path = m_dir.filePath(QStringLiteral("radio.dat"));
    QVERIFY(SaveDatFile(path, RadioImage(true)).ok());
    CProgramDoc doc;
    QVERIFY(doc.OnOpenDocument(path).ok());
    const MemoryImage before = doc.image();
    const QVector<ChannelTexts> rowsBefore = doc.rows();
    QSignalSpy modified(&doc, &CProgramDoc::modifiedChanged);

    QVERIFY(change(doc));
    const MemoryImage changed = doc.image();
    QCOMPARE(int(changed[address]), after);
    QVERIFY(changed != before);
    QVERIFY(doc.IsModified());
    QCOMPARE(doc.undoStack()->count(), 1);

    doc.undoStack()->undo();
    QCOMPARE(doc.image(), before);
    QCOMPARE(doc.rows(), rowsBefore);
    QVERIFY(!doc.IsModified());
    doc.undoStack()->redo();
    QCOMPARE(doc.image(), changed);
    QVERIFY(doc.IsModified());
    // The window's "*" follows the value: on after the change, off after the
    // undo, on again after the redo.
    QList<bool> values;
    for (const QList<QVariant> &emitted : modified)
        values << emitted.at(0).toBool();
    QCOMPARE(values, (QList<bool> {true, false, true}));
}

void TestDocument::commandTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QString>("text");
    QTest::newRow("English edit") << "English" << 12 << int(kColRx) << false
                                  << "Edit Rx Frequency of channel 12";
    QTest::newRow("English priority channel")
        << "English" << 0 << int(kColName) << false << "Edit Cha Name of channel Pr";
    QTest::newRow("English clear") << "English" << 3 << int(kColRx) << true << "Clear channel 3";
    QTest::newRow("Chinese edit") << "Chinese" << 12 << int(kColPower) << false
                                  << "编辑信道12的功率";
    QTest::newRow("Chinese clear") << "Chinese" << 199 << int(kColTx) << true << "清除信道199";
}

void TestDocument::commandTexts()
{
    QFETCH(QString, language);
    QFETCH(int, record);
    QFETCH(int, column);
    QFETCH(bool, cleared);
    QFETCH(QString, text);
    SetLanguageState(language);
    QCOMPARE(CProgramDoc::cellCommandText(record, column, cleared), text);
}

void TestDocument::saveIsTheCleanState()
{
    CProgramDoc doc;
    doc.OnNewDocument();
    QVERIFY(!doc.commitCell(2, kColRx, ChannelTexts())); // nothing changes: no command
    QVERIFY(doc.commitCell(2, kColRx, Channel("145.00000")));
    QVERIFY(doc.OnSaveDocument(m_dir.filePath(QStringLiteral("saved.dat"))).ok());
    QVERIFY(!doc.IsModified());
    QVERIFY(!doc.isUntitled());

    doc.undoStack()->undo();
    QVERIFY(doc.IsModified());
    doc.undoStack()->redo();
    QVERIFY(!doc.IsModified());
    QCOMPARE(ReadFile(m_dir.filePath(QStringLiteral("saved.dat"))), ImageBytes(doc.image()));
}

void TestDocument::saveWaitsForAnotherProcess()
{
    const QString path = m_dir.filePath(QStringLiteral("locked.dat"));
    QVERIFY(SaveDatFile(path, NewImage()).ok());
    CProgramDoc doc;
    doc.OnNewDocument();
    QVERIFY(doc.commitCell(2, kColRx, Channel("145.00000")));

    FileLock other(path); // an import of htprog-cli, say, busy with the same file
    QVERIFY(other.lock().ok());
    const Status refused = doc.OnSaveDocument(path);
    QCOMPARE(refused.kind(), Status::Kind::Busy);
    QVERIFY2(refused.text().contains(QStringLiteral("in use")), qPrintable(refused.text()));
    QCOMPARE(ReadFile(path), ImageBytes(NewImage()));
    QVERIFY(doc.IsModified());

    other.unlock();
    QVERIFY(doc.OnSaveDocument(path).ok());
    QVERIFY(!doc.IsModified());
}

void TestDocument::readRefreshesOnce()
{
    CProgramDoc doc;
    doc.OnNewDocument();
    QSignalSpy reset(&doc, &CProgramDoc::stateReset);
    QSignalSpy rows(&doc, &CProgramDoc::rowsChanged);

    doc.replaceFromRadio(RadioImage(false));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(rows.size(), 0);
    QVERIFY(!g_bNewImage);
    QCOMPARE(doc.undoStack()->undoText(), QStringLiteral("Read from radio"));

    // The same data again changes nothing but is still shown anew.
    doc.replaceFromRadio(RadioImage(false));
    QCOMPARE(reset.size(), 2);
    QCOMPARE(doc.undoStack()->count(), 1);
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
