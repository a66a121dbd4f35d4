// Backup copies: names by kind and time, never replacing a file, pruning to the
// newest 200 of a kind, the list newest first, and failures that leave nothing
// half-written behind.
#include "backups/backupstore.h"
#include "channels/channelcodec.h"
#include "support/channelimages.h"
#include "support/linkfakes.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <thread>

Q_DECLARE_METATYPE(BackupKind)

namespace {

const QDateTime kNoon(QDate(2024, 5, 1), QTime(12, 0, 0));

QStringList Names(const QVector<BackupEntry> &entries)
{
    QStringList names;
    for (const BackupEntry &entry : entries)
        names << QFileInfo(entry.path).fileName();
    return names;
}

// A file as if written at that time.
bool WriteFileAt(const QString &path, const QDateTime &written, const QByteArray &bytes)
{
    QFile file(path);
    return WriteFile(path, bytes) && file.open(QIODevice::ReadWrite)
        && file.setFileTime(written, QFileDevice::FileModificationTime);
}

// A copy as the store would have written it at that time.
bool WriteCopyAt(const QString &folder, const char *kind, const QDateTime &time,
    const QDateTime &written = QDateTime())
{
    return WriteFileAt(folder + QLatin1Char('/') + QString::fromLatin1(kind)
            + time.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QStringLiteral(".dat"),
        written.isValid() ? written : time, QByteArray(kImageSize, '\0'));
}

} // namespace

class TestBackupStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void copiesAreNamedAndNeverReplaced_data();
    void copiesAreNamedAndNeverReplaced();
    void copiesMadeAtOnceAreAllKept();
    void pruningKeepsTheNewest200OfAKind_data();
    void pruningKeepsTheNewest200OfAKind();
    void oddNamesAreNeitherListedNorPruned();
    void listShowsChannelsAndPowerOnName();
    void failureLeavesNothingBehind_data();
    void failureLeavesNothingBehind();
    void writeEndNotes_data();
    void writeEndNotes();
    void prunedCopyTakesItsNote();
    void newestIsTheLatestWholeRead();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->filePath(QStringLiteral("backups")); }
};

void TestBackupStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestBackupStore::copiesAreNamedAndNeverReplaced_data()
{
    QTest::addColumn<QList<BackupKind>>("kinds"); // kept in this order, all at noon
    QTest::addColumn<QStringList>("names"); // the list afterwards, newest first

    const auto radio = BackupKind::Radio;
    const auto sent = BackupKind::Sent;
    QTest::newRow("one read") << QList<BackupKind> {radio}
                              << QStringList {"radio-20240501-120000.dat"};
    QTest::newRow("two reads in one second") << QList<BackupKind> {
        radio, radio} << QStringList {"radio-20240501-120000-2.dat", "radio-20240501-120000.dat"};
    QTest::newRow("a read and a write in one second") << QList<BackupKind> {
        sent, radio} << QStringList {"sent-20240501-120000.dat", "radio-20240501-120000.dat"};
    QList<BackupKind> eleven(11, radio);
    QTest::newRow("sequence numbers sort as numbers")
        << eleven
        << QStringList {"radio-20240501-120000-11.dat", "radio-20240501-120000-10.dat",
               "radio-20240501-120000-9.dat"};
}

void TestBackupStore::copiesAreNamedAndNeverReplaced()
{
    QFETCH(QList<BackupKind>, kinds);
    QFETCH(QStringList, names);

    const BackupStore store(folder());
    for (int i = 0; i < kinds.size(); ++i) {
        QString path;
        const Status kept = store.keep(Pattern(i), kinds[i], &path, kNoon);
        QVERIFY2(kept.ok(), qPrintable(kept.text()));
        QCOMPARE(ReadFile(path), ImageBytes(Pattern(i)));
    }
    QCOMPARE(Names(store.list()).mid(0, names.size()), names);
    QCOMPARE(store.list().size(), kinds.size());
    QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), kinds.size());
}

// Two programs reading at the same moment: each copy gets a name of its own.
void TestBackupStore::copiesMadeAtOnceAreAllKept()
{
#ifdef Q_OS_WIN
    QSKIP("crashes under wine when four threads of one process write at once; each "
          "program writes its copies from one thread");
#endif
    const BackupStore store(folder());
    std::atomic<int> failures {0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&store, &failures, t] {
            for (int i = 0; i < 10; ++i)
                failures += store.keep(Pattern(t), BackupKind::Radio, nullptr, kNoon).ok() ? 0 : 1;
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    QCOMPARE(failures.load(), 0);
    QCOMPARE(store.list().size(), 40);
}

// Copies are ranked by file time, which a name cannot fake, and only the
// store's own copies older than a day are removed.
void TestBackupStore::pruningKeepsTheNewest200OfAKind_data()
{
    QTest::addColumn<int>("aged"); // the store's copies, written days ago
    QTest::addColumn<int>("young"); // the store's copies, written within the hour
    QTest::addColumn<int>("laterNames"); // copies named 2031, written now
    QTest::addColumn<int>("reads"); // copies kept now
    QTest::addColumn<int>("left"); // radio copies afterwards

    QTest::newRow("the oldest go") << 205 << 0 << 0 << 3 << 200;
    QTest::newRow("names of a later date push no read out") << 0 << 0 << 200 << 3 << 203;
    QTest::newRow("copies younger than a day stay") << 0 << 205 << 0 << 1 << 206;
    QTest::newRow("later names are not counted") << 150 << 0 << 200 << 60 << 400;
}

void TestBackupStore::pruningKeepsTheNewest200OfAKind()
{
    QFETCH(int, aged);
    QFETCH(int, young);
    QFETCH(int, laterNames);
    QFETCH(int, reads);
    QFETCH(int, left);

    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(QDir().mkpath(folder()));
    for (int i = 0; i < 3; ++i)
        QVERIFY(WriteCopyAt(folder(), "sent-", now.addDays(-400).addSecs(i)));
    for (int i = 0; i < aged; ++i)
        QVERIFY(WriteCopyAt(folder(), "radio-", now.addDays(-3).addSecs(i)));
    for (int i = 0; i < young; ++i)
        QVERIFY(WriteCopyAt(folder(), "radio-", now.addSecs(-3600 + i)));
    const QDateTime later(QDate(2031, 1, 1), QTime(12, 0));
    for (int i = 0; i < laterNames; ++i)
        QVERIFY(WriteCopyAt(folder(), "radio-", later.addSecs(i), now.addSecs(-i)));

    const BackupStore store(folder());
    QStringList kept;
    for (int i = 0; i < reads; ++i) {
        QString path;
        const Status result = store.keep(Pattern(i), BackupKind::Radio, &path, now.addSecs(i));
        QVERIFY2(result.ok(), qPrintable(result.text()));
        kept << QFileInfo(path).fileName();
    }

    const QStringList names = Names(store.list());
    const QStringList radio = names.filter(QRegularExpression("^radio-"));
    QCOMPARE(radio.size(), left);
    for (const QString &read : kept)
        QVERIFY2(radio.contains(read), qPrintable(read));
    if (aged > 0) // the oldest by file time went first
        QVERIFY(!radio.contains(now.addDays(-3).toString("'radio-'yyyyMMdd-HHmmss'.dat'")));
    QCOMPARE(names.size() - radio.size(), 3); // the other kind stays
}

// Only names exactly like a copy's are copies: a user's "...dat.bak", a name
// ending in a line break or a link is neither listed nor removed; a file that
// is no complete image is listed, and not removed either.
void TestBackupStore::oddNamesAreNeitherListedNorPruned()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime old = now.addDays(-30);
    const QString stem = folder() + "/radio-" + old.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QVERIFY(QDir().mkpath(folder()));
    const QByteArray image(kImageSize, '\0');
#ifdef Q_OS_WIN
    // Windows allows no line break in a name, and its links are shortcut files.
    const QString lookalike = stem + ".dat.old";
#else
    const QString lookalike = stem + ".dat\n";
    QVERIFY(QFile::link(stem + ".dat.bak", stem + "-3.dat"));
#endif
    QVERIFY(WriteFileAt(stem + ".dat.bak", old, image));
    QVERIFY(WriteFileAt(lookalike, old, image));
    QVERIFY(WriteFileAt(stem + "-2.dat", old, "cut short"));
    // 200 newer copies of the store's own fill the count.
    for (int i = 0; i < 200; ++i)
        QVERIFY(WriteCopyAt(folder(), "radio-", now.addDays(-2).addSecs(i)));

    const BackupStore store(folder());
    QVERIFY(store.keep(Pattern(1), BackupKind::Radio, nullptr, now).ok());

    const QStringList names = Names(store.list());
    QVERIFY(!names.contains(QFileInfo(stem + ".dat.bak").fileName()));
    QVERIFY(!names.contains(QFileInfo(lookalike).fileName()));
    QVERIFY(names.contains(QFileInfo(stem + "-2.dat").fileName()));
    for (const QString &path : QStringList {stem + ".dat.bak", lookalike, stem + "-2.dat"})
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
#ifdef Q_OS_WIN
    QCOMPARE(names.filter(QRegularExpression("^radio-")).size(), 200 + 1); // the oldest went
#else
    QVERIFY(QFileInfo(stem + "-3.dat").isSymLink());
    QCOMPARE(names.filter(QRegularExpression("^radio-")).size(), 200 + 2); // the oldest went
#endif
}

void TestBackupStore::listShowsChannelsAndPowerOnName()
{
    const BackupStore store(folder());
    MemoryImage image = NewImage();
    EncodeChannel(image, 0, NewChannelTexts("145.00000", false));
    EncodeChannel(image, 199, NewChannelTexts("435.00000", false));
    image[ImageMap::kPowerOnName] = 17; // "H"
    image[ImageMap::kPowerOnName + 1] = 18; // "I"
    QVERIFY(store.keep(image, BackupKind::Radio, nullptr, kNoon).ok());
    QVERIFY(WriteFile(folder() + "/radio-20240501-130000.dat", "cut short"));

    const QVector<BackupEntry> entries = store.list();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].channels, -1);
    QCOMPARE(entries[0].time, kNoon.addSecs(3600));
    QCOMPARE(entries[1].channels, 2);
    QCOMPARE(entries[1].powerOnName, QStringLiteral("HI"));
    QCOMPARE(entries[1].time, kNoon);
}

Q_DECLARE_METATYPE(WriteEnd::Kind)

void TestBackupStore::writeEndNotes_data()
{
    QTest::addColumn<QByteArray>("note"); // written as the store writes it when empty
    QTest::addColumn<WriteEnd::Kind>("kind");
    QTest::addColumn<int>("block");
    QTest::addColumn<WriteEnd::Kind>("listed");
    QTest::addColumn<int>("listedBlock");

    const auto Failed = WriteEnd::Kind::Failed;
    const auto Cancelled = WriteEnd::Kind::Cancelled;
    const auto Complete = WriteEnd::Kind::Complete;
    QTest::newRow("failed at block 150") << QByteArray() << Failed << 150 << Failed << 150;
    QTest::newRow("failed before the first block") << QByteArray() << Failed << 0 << Failed << 0;
    QTest::newRow("cancelled after block 7") << QByteArray() << Cancelled << 7 << Cancelled << 7;
    QTest::newRow("a complete write leaves no note")
        << QByteArray() << Complete << 0 << Complete << 0;
    QTest::newRow("an unknown end is read as sent")
        << QByteArray("end=exploded\nblock=3\n") << Failed << 0 << Complete << 0;
    QTest::newRow("a bad block number is read as 0")
        << QByteArray("end=failed\r\nblock=-4\r\n") << Failed << 0 << Failed << 0;
}

// A copy of a write that did not complete says so in the list; the copy itself
// stays an image file that opens as before.
void TestBackupStore::writeEndNotes()
{
    QFETCH(QByteArray, note);
    QFETCH(WriteEnd::Kind, kind);
    QFETCH(int, block);
    QFETCH(WriteEnd::Kind, listed);
    QFETCH(int, listedBlock);

    const BackupStore store(folder());
    QString path;
    QVERIFY(store.keep(Pattern(2), BackupKind::Sent, &path, kNoon).ok());
    QVERIFY(store.keep(Pattern(3), BackupKind::Radio, nullptr, kNoon).ok());
    QVERIFY(store.noteWriteEnd(path, {kind, block}).ok());
    QCOMPARE(QFileInfo::exists(path + ".end"), kind != WriteEnd::Kind::Complete);
    if (!note.isEmpty())
        QVERIFY(WriteFile(path + ".end", note));

    const QVector<BackupEntry> entries = store.list();
    QCOMPARE(entries.size(), 2); // the note is no copy of its own
    const BackupEntry &sent = entries[0].kind == BackupKind::Sent ? entries[0] : entries[1];
    QCOMPARE(sent.writeEnd.kind, listed);
    QCOMPARE(sent.writeEnd.block, listedBlock);
    QVERIFY(sent.channels >= 0);
    QCOMPARE(ReadFile(path), ImageBytes(Pattern(2)));
}

void TestBackupStore::prunedCopyTakesItsNote()
{
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(QDir().mkpath(folder()));
    for (int i = 0; i < BackupStore::kKeptPerKind; ++i)
        QVERIFY(WriteCopyAt(folder(), "sent-", now.addDays(-3).addSecs(i)));
    const QString oldest
        = folder() + now.addDays(-3).toString(QStringLiteral("'/sent-'yyyyMMdd-HHmmss'.dat'"));
    const BackupStore store(folder());
    QVERIFY(store.noteWriteEnd(oldest, {WriteEnd::Kind::Failed, 12}).ok());
    QVERIFY(store.keep(Pattern(1), BackupKind::Sent, nullptr, now).ok());
    QVERIFY(!QFileInfo::exists(oldest));
    QVERIFY(!QFileInfo::exists(oldest + ".end"));
}

void TestBackupStore::failureLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("folder is a file") << "file";
    QTest::newRow("disk full") << "full";
    QTest::newRow("no data folder") << "none";
}

void TestBackupStore::failureLeavesNothingBehind()
{
    QFETCH(QString, failure);

    if (failure == QLatin1String("file"))
        QVERIFY(WriteFile(folder(), "not a folder"));
    else
        QVERIFY(QDir().mkpath(folder()));
    const BackupStore store(failure == QLatin1String("none") ? QString() : folder());
    Status result;
    QString path = QStringLiteral("unset");
    {
        FileSizeLimit limit(failure == QLatin1String("full") ? 100 : RLIM_INFINITY);
        if (failure == QLatin1String("full"))
            REQUIRE_FULL_DISK(limit);
        result = store.keep(Pattern(5), BackupKind::Radio, &path, kNoon);
    }

    QVERIFY(!result.ok());
    QVERIFY(path.isEmpty());
    QVERIFY2(failure == QLatin1String("none")
            || result.text().contains(QDir::toNativeSeparators(folder())),
        qPrintable(result.text()));
    QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// What a write would change is shown against the newest copy read from the
// radio that holds a whole image: copies sent to a radio and short files are
// passed over, and a second copy within one second is the newer.
void TestBackupStore::newestIsTheLatestWholeRead()
{
    const BackupStore store(folder());
    BackupEntry entry;
    MemoryImage image;
    QVERIFY(!store.newest(BackupKind::Radio, &entry, &image)); // no folder yet
    for (int i = 1; i <= 2; ++i)
        QVERIFY(store.keep(Pattern(i), BackupKind::Radio, nullptr, kNoon).ok());
    QVERIFY(store.keep(Pattern(3), BackupKind::Sent, nullptr, kNoon.addSecs(60)).ok());
    QVERIFY(WriteFile(folder() + QStringLiteral("/radio-20240501-130000.dat"), "short"));

    QVERIFY(store.newest(BackupKind::Radio, &entry, &image));
    QCOMPARE(QFileInfo(entry.path).fileName(), QStringLiteral("radio-20240501-120000-2.dat"));
    QVERIFY(image == Pattern(2));
}

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
