// Backup copies: names by kind and time, never replacing a file, pruning to the
// newest 200 of a kind, the list newest first, and failures that leave nothing
// half-written behind.
#include "backupstore.h"
#include "channelcodec.h"
#include "linkfakes.h"
#include "testfiles.h"

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

} // namespace

class TestBackupStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void copiesAreNamedAndNeverReplaced_data();
    void copiesAreNamedAndNeverReplaced();
    void copiesMadeAtOnceAreAllKept();
    void pruningKeepsTheNewest200OfAKind();
    void listShowsChannelsAndPowerOnName();
    void failureLeavesNothingBehind_data();
    void failureLeavesNothingBehind();

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
        const BackupResult kept = store.keep(Pattern(i), kinds[i], kNoon);
        QVERIFY2(kept.ok(), qPrintable(kept.error));
        QCOMPARE(ReadFile(kept.path),
            QByteArray(reinterpret_cast<const char *>(Pattern(i).data()), kImageSize));
    }
    QCOMPARE(Names(store.list()).mid(0, names.size()), names);
    QCOMPARE(store.list().size(), kinds.size());
    QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), kinds.size());
}

// Two programs reading at the same moment: each copy gets a name of its own.
void TestBackupStore::copiesMadeAtOnceAreAllKept()
{
    const BackupStore store(folder());
    std::atomic<int> failures {0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&store, &failures, t] {
            for (int i = 0; i < 10; ++i)
                failures += store.keep(Pattern(t), BackupKind::Radio, kNoon).ok() ? 0 : 1;
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    QCOMPARE(failures.load(), 0);
    QCOMPARE(store.list().size(), 40);
}

void TestBackupStore::pruningKeepsTheNewest200OfAKind()
{
    const BackupStore store(folder());
    for (int i = 0; i < 3; ++i)
        QVERIFY(store.keep(Pattern(1), BackupKind::Sent, kNoon.addDays(-1)).ok());
    QVERIFY(WriteFile(folder() + "/notes.txt", "mine"));
    QVERIFY(WriteFile(folder() + "/radio-old.dat", "mine"));
    for (int i = 0; i < 205; ++i)
        QVERIFY(store.keep(Pattern(2), BackupKind::Radio, kNoon.addSecs(i)).ok());
    // A clock set back: the copy just made stays even though it is the oldest.
    const BackupResult early = store.keep(Pattern(3), BackupKind::Radio, kNoon.addYears(-1));
    QVERIFY(early.ok());

    const QStringList names = Names(store.list());
    const QStringList radio = names.filter(QRegularExpression("^radio-"));
    QCOMPARE(radio.size(), 200);
    QCOMPARE(radio.first(), QStringLiteral("radio-20240501-120324.dat")); // the 205th
    QCOMPARE(radio.at(198), QStringLiteral("radio-20240501-120006.dat"));
    QCOMPARE(radio.last(), QFileInfo(early.path).fileName());
    QCOMPARE(names.size() - radio.size(), 3); // the sent copies stay
    QVERIFY(QFile::exists(folder() + "/notes.txt"));
    QVERIFY(QFile::exists(folder() + "/radio-old.dat"));
}

void TestBackupStore::listShowsChannelsAndPowerOnName()
{
    const BackupStore store(folder());
    MemoryImage image = NewImage();
    EncodeChannel(image, 0, NewChannelTexts("145.00000", false));
    EncodeChannel(image, 199, NewChannelTexts("435.00000", false));
    image[ImageMap::kPowerOnName] = 17; // "H"
    image[ImageMap::kPowerOnName + 1] = 18; // "I"
    QVERIFY(store.keep(image, BackupKind::Radio, kNoon).ok());
    QVERIFY(WriteFile(folder() + "/radio-20240501-130000.dat", "cut short"));

    const QVector<BackupEntry> entries = store.list();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].channels, -1);
    QCOMPARE(entries[0].time, kNoon.addSecs(3600));
    QCOMPARE(entries[1].channels, 2);
    QCOMPARE(entries[1].powerOnName, QStringLiteral("HI"));
    QCOMPARE(entries[1].time, kNoon);
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
    BackupResult result;
    {
        FileSizeLimit limit(failure == QLatin1String("full") ? 100 : RLIM_INFINITY);
        result = store.keep(Pattern(5), BackupKind::Radio, kNoon);
    }

    QVERIFY(!result.ok());
    QVERIFY(result.path.isEmpty());
    QVERIFY2(failure == QLatin1String("none") || result.error.contains(folder()),
        qPrintable(result.error));
    QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(TestBackupStore)
#include "tst_backupstore.moc"
