#include "files/filelock.h"
#include "support/testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestFileLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lockTakesTurns();
    void leftOverLockIsTakenOver_data();
    void leftOverLockIsTakenOver();
};

// Two holders of one file take turns, whatever name each uses for it; a lock
// "file" that is no file is refused rather than read.
void TestFileLock::lockTakesTurns()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.dat"));
    QVERIFY(WriteFile(path, QByteArray("radio")));
#ifdef Q_OS_WIN
    // Windows names a file without regard to case (and its links are shortcuts,
    // other files).
    const QString otherName = dir.filePath(QStringLiteral("RADIO.DAT"));
    const QStringList files {"radio.dat"};
#else
    const QString otherName = dir.filePath(QStringLiteral("link.dat"));
    QVERIFY(QFile::link(path, otherName));
    const QStringList files {"link.dat", "radio.dat"};
#endif

    QVERIFY(FileLock::heldBy(path).isEmpty());
    FileLock first(path);
    QVERIFY(first.lock().ok());
    // Looking does not take the lock, under any name of the file.
    const QString holder = FileLock::heldBy(otherName);
    QVERIFY2(holder.contains(QStringLiteral("process %1").arg(QCoreApplication::applicationPid())),
        qPrintable(holder));
    QVERIFY(first.isLocked());
    FileLock second(otherName);
    QElapsedTimer clock;
    clock.start();
    const Status held = second.lock(300);
    QVERIFY(clock.elapsed() >= 300);
    QCOMPARE(held.kind(), Status::Kind::Busy);
    QVERIFY2(held.text().contains(QStringLiteral("is in use by another process")),
        qPrintable(held.text()));
    first.unlock();
    QVERIFY(FileLock::heldBy(path).isEmpty());
    QVERIFY(second.lock(300).ok());
    second.unlock();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System), files);

    MAKE_FIFO(FileLock::lockPath(path));
    FileLock blocked(path);
    const Status refused = blocked.lock(300);
    QCOMPARE(refused.kind(), Status::Kind::NotAFile);
    QVERIFY2(
        refused.text().contains(QStringLiteral("not a regular file")), qPrintable(refused.text()));
}

// A lock file that no running process holds is left over (an empty file just
// made, a link pointing nowhere) and taken over at once.
void TestFileLock::leftOverLockIsTakenOver_data()
{
    QTest::addColumn<QString>("left"); // what is in the lock file's place

    QTest::newRow("an empty file") << "empty";
    QTest::newRow("a link pointing nowhere") << "dangling";
    QTest::newRow("a link to another file") << "link";
}

void TestFileLock::leftOverLockIsTakenOver()
{
    QFETCH(QString, left);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("radio.dat"));
    const QString other = dir.filePath(QStringLiteral("other"));
    QVERIFY(WriteFile(path, QByteArray("radio")));
    QVERIFY(WriteFile(other, "keep"));
    const QString lockName = FileLock::lockPath(path);
    if (left == QLatin1String("empty"))
        QVERIFY(WriteFile(lockName, QByteArray()));
    else
        QVERIFY(
            QFile::link(left == QLatin1String("link") ? other : dir.filePath("gone"), lockName));

    QVERIFY(FileLock::heldBy(path).isEmpty());
    QElapsedTimer clock;
    clock.start();
    FileLock lock(path);
    const Status locked = lock.lock();
    QVERIFY2(locked.ok(), qPrintable(locked.text()));
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(QFileInfo(lockName).isFile() && !QFileInfo(lockName).isSymLink());
    lock.unlock();
    QVERIFY(!QFileInfo::exists(lockName));
    QCOMPARE(ReadFile(other), QByteArray("keep"));
}

QTEST_GUILESS_MAIN(TestFileLock)
#include "tst_filelock.moc"
