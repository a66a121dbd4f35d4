#include "image/datfile.h"
#include "image/memoryimage.h"
#include "status/status.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <sys/stat.h>

using namespace ImageMap;

namespace {

QByteArray PatternBytes(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) & 0xFF);
    return bytes;
}

MemoryImage ImageFrom(const QByteArray &bytes)
{
    MemoryImage image;
    std::copy(bytes.constBegin(), bytes.constBegin() + kImageSize, image.begin());
    return image;
}

// The first address where the images differ, -1 when they are equal.
int FirstDifference(const MemoryImage &a, const MemoryImage &b)
{
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin());
    return mismatch.first == a.end() ? -1 : int(mismatch.first - a.begin());
}

} // namespace

class TestImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newImageDefaults();
    void loadDat_data();
    void loadDat();
    void saveDatRoundTrip_data();
    void saveDatRoundTrip();
    void failedSaveKeepsTheOldFile();
    void statusWords_data();
    void statusWords();
};

// A new image is unset (0xFF) but for the squelch levels and the settings below,
// also when the defaults are filled over a used image.
void TestImage::newImageDefaults()
{
    MemoryImage expected;
    expected.fill(0xFF);
    std::fill_n(&expected[kVhfSquelch], kVhfSquelchCount, quint8(30));
    std::fill_n(&expected[kUhfSquelch], kUhfSquelchCount, quint8(20));
    // From 0x1FC0: squelch level 1, time-out timer 1, product type and range 0, step 4,
    // display bits D4, scan bits 21, voice 0, call tone 1, battery saver 0, bands 136-174
    // and 400-480 MHz.
    const QByteArray settings = QByteArray::fromHex("ff01ff01ffffffffffffffffffffffff"
                                                    "ffffffffffff0000ffffffffffffffff"
                                                    "04d421ff0001ff00ffffffffffffffff"
                                                    "131763404709");
    std::copy(settings.begin(), settings.end(), &expected[0x1FC0]);
    QCOMPARE(FirstDifference(NewImage(), expected), -1);

    MemoryImage reused;
    reused.fill(0x00);
    FillNewImageDefaults(reused);
    QCOMPARE(FirstDifference(reused, expected), -1);
}

void TestImage::loadDat_data()
{
    // -1: a folder, -2: no file, -3: a FIFO, -4: a device, -5: a name that is not UTF-8
    QTest::addColumn<int>("size");
    QTest::addColumn<Status::Kind>("kind");
    QTest::addColumn<QString>("messagePart");

    using Kind = Status::Kind;
    QTest::newRow("empty file") << 0 << Kind::WrongSize << "holds 0 bytes";
    QTest::newRow("one byte short") << 8191 << Kind::WrongSize << "holds 8191 bytes";
    QTest::newRow("exact image") << 8192 << Kind::Ok << "";
    QTest::newRow("longer file loads its first 8192 bytes") << 9000 << Kind::Ok << "";
    QTest::newRow("a folder") << -1 << Kind::NotAFile << "folder";
    QTest::newRow("no such file") << -2 << Kind::NotFound << "Check the file name";
    // Opening a FIFO would wait for a writer for ever; /dev/zero would load as an image.
    QTest::newRow("a FIFO") << -3 << Kind::NotAFile << "is not a regular file";
    QTest::newRow("a device") << -4 << Kind::NotAFile << "is not a regular file";
    QTest::newRow("a name that is not UTF-8") << -5 << Kind::NotFound << "not valid UTF-8";
}

void TestImage::loadDat()
{
    QFETCH(int, size);
    QFETCH(Status::Kind, kind);
    QFETCH(QString, messagePart);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("radio.dat"));
    const QByteArray bytes = PatternBytes(qMax(size, 0), 5);
    if (size == -1)
        QVERIFY(QDir().mkdir(path));
    else if (size == -3)
        MAKE_FIFO(path);
    else if (size == -4)
        LINK_TO_DEVICE(path);
    else if (size == -5) {
#ifdef Q_OS_WIN
        QSKIP("Windows names files in UTF-16: every name is text");
#endif
        const QByteArray name = QFile::encodeName(dir.path()) + "/lat\xe9.dat";
        QVERIFY(WriteFile(QFile::decodeName(name), bytes)); // under another name
        path = QFile::decodeName(name);
        QVERIFY(::rename(QFile::encodeName(path).constData(), name.constData()) == 0);
    } else if (size >= 0)
        QVERIFY(WriteFile(path, bytes));

    MemoryImage image = NewImage();
    const Status result = LoadDatFile(path, image);
    QCOMPARE(result.kind(), kind);
    QVERIFY2(result.text().contains(messagePart), qPrintable(result.text()));
    if (result.ok()) {
        QVERIFY(result.text().isEmpty());
        QCOMPARE(image, ImageFrom(bytes));
    } else {
        QCOMPARE(image, NewImage());
    }
}

void TestImage::saveDatRoundTrip_data()
{
    QTest::addColumn<int>("before"); // size of the file replaced, -1: none
    QTest::addColumn<bool>("anySize");
    QTest::addColumn<bool>("replaced");

    QTest::newRow("new file") << -1 << false << true;
    QTest::newRow("an image") << kImageSize << false << true;
    QTest::newRow("an empty file") << 0 << false << true;
    // Its bytes past the image would be lost.
    QTest::newRow("a longer file is refused") << kImageSize * 2 << false << false;
    QTest::newRow("a shorter file is refused") << 100 << false << false;
    QTest::newRow("a longer file, when told to") << kImageSize * 2 << true << true;
}

void TestImage::saveDatRoundTrip()
{
    QFETCH(int, before);
    QFETCH(bool, anySize);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.dat"));
    const QByteArray old = PatternBytes(qMax(before, 0), 9);
    if (before >= 0)
        QVERIFY(WriteFile(path, old));
    const MemoryImage image = ImageFrom(PatternBytes(kImageSize, 3));
    const Status result = SaveDatFile(path, image, anySize);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"radio.dat"});
    if (!replaced) {
        QCOMPARE(result.kind(), Status::Kind::WrongSize);
        QVERIFY2(result.text().contains(
                     QStringLiteral("is %1 bytes, not an 8192-byte image; nothing was changed")
                         .arg(before)),
            qPrintable(result.text()));
        QCOMPARE(ReadFile(path), old);
        return;
    }
    QVERIFY2(result.ok(), qPrintable(result.text()));
    QCOMPARE(ReadFile(path).size(), kImageSize);
    MemoryImage loaded = NewImage();
    QVERIFY(LoadDatFile(path, loaded).ok());
    QCOMPARE(loaded, image);
}

void TestImage::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.dat"));
    const QByteArray old = PatternBytes(kImageSize, 42);
    QVERIFY(WriteFile(path, old));

    Status result;
    {
        const FileSizeLimit fullDisk(4096); // the write fails half-way
        REQUIRE_FULL_DISK(fullDisk);
        result = SaveDatFile(path, ImageFrom(PatternBytes(kImageSize, 7)));
    }
    // The system's error comes through the message that names the file.
    QCOMPARE(result.systemError(), EFBIG);
    QVERIFY(result.text().contains(QStringLiteral("radio.dat")));
    QVERIFY2(result.text().contains(result.systemText()), qPrintable(result.text()));
    QCOMPARE(ReadFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"radio.dat"});

    // A file that did not exist is not made.
    const QString fresh = dir.filePath(QStringLiteral("fresh.dat"));
    {
        const FileSizeLimit fullDisk(4096);
        result = SaveDatFile(fresh, NewImage());
    }
    QVERIFY2(
        result.text().endsWith(QStringLiteral("No file was made.")), qPrintable(result.text()));
    QVERIFY(!QFile::exists(fresh));

    // A folder or a FIFO in the way of the file is refused, and stays.
    const QString folder = dir.filePath(QStringLiteral("folder.dat"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(!SaveDatFile(folder, NewImage()).ok());
    QVERIFY(QFileInfo(folder).isDir());
    const QString fifo = dir.filePath(QStringLiteral("fifo.dat"));
    MAKE_FIFO(fifo);
    result = SaveDatFile(fifo, NewImage());
    QCOMPARE(result.kind(), Status::Kind::NotAFile);
    QVERIFY2(
        result.text().contains(QStringLiteral("not a regular file")), qPrintable(result.text()));
    QVERIFY(!QFileInfo(fifo).isFile() && QFileInfo(fifo).exists());
}

// The words of a failure: arguments filled in one pass (an argument that holds
// "%2", such as a file name, stays as written), the words of a cause taken in
// with its system error, the system's words where there are no others.
void TestImage::statusWords_data()
{
    using Kind = Status::Kind;
    QTest::addColumn<Status>("status");
    QTest::addColumn<Status::Kind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("systemError");

    QTest::newRow("success says nothing") << Status() << Kind::Ok << "" << 0;
    QTest::newRow("an argument is not filled again")
        << Status(Kind::BadInput, nullptr, "%1 then %2").arg("a%2").arg(2) << Kind::BadInput
        << "a%2 then 2" << 0;
    QTest::newRow("a missing argument stays a marker")
        << Status(Kind::Failed, nullptr, "%1 of %2").arg("one") << Kind::Failed << "one of %2" << 0;
    QTest::newRow("a cause in the words")
        << Status(Kind::NotFound, nullptr, "Cannot read %1: %2.")
               .arg("x.dat")
               .arg(Status::fromErrno(ENOENT))
        << Kind::NotFound << "Cannot read x.dat: " + QString::fromLocal8Bit(strerror(ENOENT)) + "."
        << ENOENT;
    QTest::newRow("a full disk in plain words")
        << Status::fromErrno(ENOSPC) << Kind::NoSpace << "no space left on the device" << ENOSPC;
    QTest::newRow("no permission") << Status::fromErrno(EACCES) << Kind::NoAccess
                                   << QString::fromLocal8Bit(strerror(EACCES)) << EACCES;
    QTest::newRow("words that Qt gave")
        << Status::fromSystemText(Kind::Busy, "Device or resource busy") << Kind::Busy
        << "Device or resource busy" << 0;
}

void TestImage::statusWords()
{
    QFETCH(Status, status);
    QFETCH(Status::Kind, kind);
    QFETCH(QString, text);
    QFETCH(int, systemError);
    QCOMPARE(status.ok(), kind == Status::Kind::Ok);
    QCOMPARE(status.kind(), kind);
    QCOMPARE(status.text(), text);
    QCOMPARE(status.systemError(), systemError);
}

QTEST_GUILESS_MAIN(TestImage)
#include "tst_image.moc"
