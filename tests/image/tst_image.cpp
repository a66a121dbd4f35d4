#include "datfile.h"
#include "inifile.h"
#include "language.h"
#include "memoryimage.h"
#include "programdoc.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace ImageMap;

Q_DECLARE_METATYPE(DatError)

namespace {

QByteArray patternBytes(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) & 0xFF);
    return bytes;
}

MemoryImage imageFrom(const QByteArray &bytes)
{
    MemoryImage image;
    std::copy(bytes.constBegin(), bytes.constBegin() + kImageSize, image.begin());
    return image;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newImageDefaults_data();
    void newImageDefaults();
    void newImageLeavesEverythingElseUnset();
    void writeBlocksCoverTheImageExceptProtectedBytes();
    void loadDat_data();
    void loadDat();
    void saveDatRoundTrip();
    void failedSaveKeepsTheOldFile();
    void newDocument_data();
    void newDocument();
    void openDocumentFailureChangesNothing();
    void saveDocumentWritesWhatTheViewPulled();
};

void TestImage::newImageDefaults_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");

    for (int i = 0; i < kVhfSquelchCount; ++i)
        QTest::addRow("VHF squelch level %d is 30", i + 1) << kVhfSquelch + i << 0x1E;
    for (int i = 0; i < kUhfSquelchCount; ++i)
        QTest::addRow("UHF squelch level %d is 20", i + 1) << kUhfSquelch + i << 0x14;
    const struct
    {
        const char *name;
        int address;
        int value;
    } rows[] = {
        {"squelch level", 0x1FC1, 0x01},
        {"time-out timer", 0x1FC3, 0x01},
        {"product type", 0x1FD6, 0x00},
        {"product range", 0x1FD7, 0x00},
        {"step", 0x1FE0, 0x04},
        {"display bits", 0x1FE1, 0xD4},
        {"scan bits", 0x1FE2, 0x21},
        {"voice sensitivity", 0x1FE4, 0x00},
        {"call tone", 0x1FE5, 0x01},
        {"battery saver", 0x1FE7, 0x00},
        {"VHF low 136", 0x1FF0, 0x13},
        {"VHF high 174", 0x1FF1, 0x17},
        {"VHF units", 0x1FF2, 0x63},
        {"UHF low 400", 0x1FF3, 0x40},
        {"UHF high 480", 0x1FF4, 0x47},
        {"UHF units", 0x1FF5, 0x09},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.address << row.value;
}

void TestImage::newImageDefaults()
{
    QFETCH(int, address);
    QFETCH(int, value);
    QCOMPARE(int(NewImage()[address]), value);

    // Filling over a used image gives the same bytes.
    MemoryImage reused;
    reused.fill(0x00);
    FillNewImageDefaults(reused);
    QCOMPARE(int(reused[address]), value);
}

void TestImage::newImageLeavesEverythingElseUnset()
{
    const MemoryImage image = NewImage();
    QList<int> set;
    for (int a = 0; a < kImageSize; ++a) {
        if (image[a] != 0xFF)
            set.append(a);
    }
    QCOMPARE(set.size(), 36);
    QCOMPARE(set.first(), kVhfSquelch);
    QCOMPARE(set.last(), kLastWrittenByte);
    for (int a : {0x1FC0, 0x1FC4, 0x1FC5, 0x1FE8, 0x0000, 0x0CA0, 0x12E8, 0x1FF6, 0x1FFF})
        QVERIFY2(!set.contains(a), qPrintable(QString::number(a, 16)));
}

void TestImage::writeBlocksCoverTheImageExceptProtectedBytes()
{
    const QVector<WriteBlock> &blocks = WholeImageWriteBlocks();
    QCOMPARE(blocks.size(), 1018 + 1);
    QCOMPARE(blocks.last().address, 0x1FF0);
    QCOMPARE(blocks.last().length, 6);

    // Play the write onto a "radio" that holds other bytes: only the protected
    // ranges keep the radio's bytes, everything else becomes the image's.
    const MemoryImage image = imageFrom(patternBytes(kImageSize, 1));
    MemoryImage radio = imageFrom(patternBytes(kImageSize, 100));
    const MemoryImage before = radio;
    int previousEnd = 0;
    for (const WriteBlock &block : blocks) {
        QVERIFY(block.address >= previousEnd);
        QVERIFY(block.length == 8 || &block == &blocks.last());
        previousEnd = block.address + block.length;
        for (int i = 0; i < block.length; ++i)
            radio[block.address + i] = image[block.address + i];
    }
    for (int a = 0; a < kImageSize; ++a) {
        const bool protectedByte = (a >= 0x1F80 && a <= 0x1F9F) || a >= kLastWrittenByte + 1;
        QCOMPARE(radio[a], protectedByte ? before[a] : image[a]);
    }
}

void TestImage::loadDat_data()
{
    QTest::addColumn<int>("size"); // -1: a folder, -2: no file
    QTest::addColumn<DatError>("error");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("empty file") << 0 << DatError::TooShort << "holds 0 bytes";
    QTest::newRow("one byte") << 1 << DatError::TooShort << "holds 1 bytes";
    QTest::newRow("one byte short") << 8191 << DatError::TooShort << "holds 8191 bytes";
    QTest::newRow("exact image") << 8192 << DatError::None << "";
    QTest::newRow("longer file loads its first 8192 bytes") << 9000 << DatError::None << "";
    QTest::newRow("a folder") << -1 << DatError::CannotOpen << "folder";
    QTest::newRow("no such file") << -2 << DatError::CannotOpen << "Check the file name";
}

void TestImage::loadDat()
{
    QFETCH(int, size);
    QFETCH(DatError, error);
    QFETCH(QString, messagePart);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("radio.dat"));
    const QByteArray bytes = patternBytes(qMax(size, 0), 5);
    if (size == -1)
        QVERIFY(QDir().mkdir(path));
    else if (size >= 0)
        QVERIFY(writeFile(path, bytes));

    MemoryImage image = NewImage();
    const DatResult result = LoadDatFile(path, image);
    QCOMPARE(result.error, error);
    QVERIFY2(result.message.contains(messagePart), qPrintable(result.message));
    if (result.ok()) {
        QVERIFY(result.message.isEmpty());
        QCOMPARE(image, imageFrom(bytes));
    } else {
        QCOMPARE(image, NewImage());
    }
}

void TestImage::saveDatRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.dat"));
    QVERIFY(writeFile(path, patternBytes(9000, 9))); // an older, longer file is replaced
    const MemoryImage image = imageFrom(patternBytes(kImageSize, 3));
    QVERIFY(SaveDatFile(path, image).ok());
    const QByteArray saved = readFile(path);
    QCOMPARE(saved.size(), kImageSize);
    MemoryImage loaded = NewImage();
    QVERIFY(LoadDatFile(path, loaded).ok());
    QCOMPARE(loaded, image);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"radio.dat"});
}

void TestImage::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.dat"));
    const QByteArray old = patternBytes(kImageSize, 42);
    QVERIFY(writeFile(path, old));

    // A disk that fills up after 4096 bytes: the write fails half-way.
    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const DatResult result = SaveDatFile(path, imageFrom(patternBytes(kImageSize, 7)));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    QCOMPARE(result.error, DatError::CannotWrite);
    QVERIFY(result.message.contains(QStringLiteral("radio.dat")));
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"radio.dat"});

    // A folder in the way of the file is refused too.
    const QString folder = dir.filePath(QStringLiteral("folder.dat"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(!SaveDatFile(folder, NewImage()).ok());
    QVERIFY(QFileInfo(folder).isDir());
}

void TestImage::newDocument_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << "English"
                             << "Channel Information";
    QTest::newRow("Chinese") << "Chinese"
                             << "信道信息";
}

void TestImage::newDocument()
{
    QFETCH(QString, language);
    QFETCH(QString, title);

    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Program.ini"));
    QVERIFY(writeFile(ini, "[Setup]\nAppName = RadioTool \n"));
    QVERIFY(g_iniFile.Load(ini, false, true, false));
    SetLanguageState(language);
    g_bNewImage = false;

    CProgramDoc doc;
    doc.image().fill(0x00);
    QVERIFY(doc.OnNewDocument());
    QCOMPARE(doc.image(), NewImage());
    QCOMPARE(doc.title(), title);
    QCOMPARE(doc.pathName(), QStringLiteral("RadioTool"));
    QVERIFY(g_bNewImage);
    QVERIFY(!doc.IsModified());
    g_iniFile.Clear();
    SetLanguageState(QStringLiteral("English"));
}

void TestImage::openDocumentFailureChangesNothing()
{
    QTemporaryDir dir;
    const QString shortFile = dir.filePath(QStringLiteral("short.dat"));
    QVERIFY(writeFile(shortFile, patternBytes(100, 1)));
    const QString good = dir.filePath(QStringLiteral("good.dat"));
    QVERIFY(writeFile(good, patternBytes(kImageSize, 2)));

    CProgramDoc doc;
    doc.OnNewDocument();
    QVERIFY(!doc.OnOpenDocument(shortFile).ok());
    QCOMPARE(doc.image(), NewImage());
    QVERIFY(g_bNewImage);
    QVERIFY(doc.isUntitled());

    QVERIFY(doc.OnOpenDocument(good).ok());
    QCOMPARE(doc.image(), imageFrom(patternBytes(kImageSize, 2)));
    QVERIFY(!g_bNewImage);
    QCOMPARE(doc.pathName(), good);
}

void TestImage::saveDocumentWritesWhatTheViewPulled()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.dat"));
    CProgramDoc doc;
    doc.OnNewDocument();
    connect(&doc, &CProgramDoc::aboutToSave, &doc, [&doc] { doc.image()[0x0003] = 0x14; });
    QVERIFY(doc.OnSaveDocument(path).ok());
    const QByteArray saved = readFile(path);
    QCOMPARE(saved.size(), kImageSize);
    QCOMPARE(quint8(saved[3]), quint8(0x14));
    QCOMPARE(doc.pathName(), path);
    QVERIFY(!doc.isUntitled());
}

QTEST_GUILESS_MAIN(TestImage)
#include "tst_image.moc"
