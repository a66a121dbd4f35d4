// Where the program finds Program.ini and its other files, and where a language
// change goes: a program folder bin/ and an installed data folder share/htprog/
// in a temporary folder, with the user's configuration folder there as well.
#include "settings/datapaths.h"
#include "settings/inifile.h"
#include "settings/programini.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#ifdef Q_OS_UNIX
#include <pwd.h>
#endif
#include <unistd.h>

namespace {

const QByteArray kShipped
    = "[Setup]\nLanguage=English\nAppName=HtTest\n[English]\nCompany=Shipped\n";
const QString kSetup = QStringLiteral("Setup");
const QString kLanguage = QStringLiteral("Language");

} // namespace

class TestDataPaths : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void fileLookup_data();
    void fileLookup();
    void iniChoice_data();
    void iniChoice();
    void languageSavedWhereTheNextStartReadsIt_data();
    void languageSavedWhereTheNextStartReadsIt();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void userFoldersFollowThePlatform_data();
    void userFoldersFollowThePlatform();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    DataPaths paths() const { return DataPaths(path(QStringLiteral("bin"))); }
    // The Program.ini of a place: "bin", "read-only bin", "installed bin" (beside
    // the setup program's uninstaller), "share" or "user".
    QString iniOf(const QString &place) const;
    // Writes Program.ini into each place; false when a read-only place can
    // still be written (root can write anything).
    bool placeIni(const QStringList &places);

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_configHome;
};

void TestDataPaths::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(path(QStringLiteral("bin"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("share/htprog"))));
    m_configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toLocal8Bit());
#ifdef Q_OS_WIN
    // Windows keeps the user's copy in its known folder (the suite's own), not
    // under XDG_CONFIG_HOME: each case starts without one.
    QVERIFY(QDir(QFileInfo(DataPaths::userIniPath()).absolutePath()).removeRecursively());
#endif
}

void TestDataPaths::cleanup()
{
    g_iniFile.Clear();
    QFile(path(QStringLiteral("bin")))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", m_configHome);
    m_dir.reset();
}

QString TestDataPaths::iniOf(const QString &place) const
{
    if (place == QLatin1String("user"))
        return DataPaths::userIniPath();
    if (place == QLatin1String("share"))
        return path(QStringLiteral("share/htprog/Program.ini"));
    return path(QStringLiteral("bin/Program.ini"));
}

bool TestDataPaths::placeIni(const QStringList &places)
{
    for (const QString &place : places) {
        const QString ini = iniOf(place);
        QDir().mkpath(QFileInfo(ini).absolutePath());
        if (!WriteFile(ini, kShipped))
            qFatal("cannot write %s", qPrintable(ini));
        // The setup program leaves its uninstaller beside an installed program.
        if (place == QLatin1String("installed bin")
            && !WriteFile(path(QStringLiteral("bin/uninstall.exe")), "MZ"))
            qFatal("cannot write the uninstaller");
        if (place == QLatin1String("read-only bin")) {
            QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            QFile(path(QStringLiteral("bin"))).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            if (QFileInfo(ini).isWritable())
                return false;
        }
    }
    return true;
}

void TestDataPaths::fileLookup_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("found");
    QTest::newRow("beside the program wins") << QStringList {"bin", "share/htprog"} << "bin";
    QTest::newRow("installed data folder") << QStringList {"share/htprog"} << "share/htprog";
    QTest::newRow("nowhere: where it would be beside the program") << QStringList {} << "bin";
}

void TestDataPaths::fileLookup()
{
    QFETCH(QStringList, present);
    QFETCH(QString, found);
    for (const QString &folder : present) {
        QVERIFY(WriteFile(path(folder + QStringLiteral("/Chinese.qm")), "qm"));
        QVERIFY(QDir().mkpath(path(folder + QStringLiteral("/help/zh"))));
    }
    QCOMPARE(paths().filePath(QStringLiteral("Chinese.qm")),
        path(found + QStringLiteral("/Chinese.qm")));
    QCOMPARE(paths().filePath(QStringLiteral("help")), path(found + QStringLiteral("/help")));
    // What an executable in /usr/bin finds.
    QCOMPARE(DataPaths(QStringLiteral("/usr/bin")).installedDataDir(),
        QStringLiteral("/usr/share/htprog"));
}

void TestDataPaths::iniChoice_data()
{
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("a writable one beside the program wins")
        << QStringList {"bin", "user", "share"} << "bin";
    QTest::newRow("installed") << QStringList {"share"} << "share";
    QTest::newRow("the user's copy wins over the installed one")
        << QStringList {"user", "share"} << "user";
    QTest::newRow("the user's copy wins over a read-only one beside the program")
        << QStringList {"read-only bin", "user"} << "user";
    QTest::newRow("read-only beside the program, no copy")
        << QStringList {"read-only bin", "share"} << "bin";
    QTest::newRow("installed by the setup program, no copy")
        << QStringList {"installed bin"} << "bin";
    QTest::newRow("the user's copy wins over an installed one beside the program")
        << QStringList {"installed bin", "user"} << "user";
    QTest::newRow("none") << QStringList {} << QString();
}

void TestDataPaths::iniChoice()
{
    QFETCH(QStringList, places);
    QFETCH(QString, chosen);
    if (!placeIni(places))
        QSKIP("this user may write a read-only file");
    QCOMPARE(paths().programIni(), chosen.isEmpty() ? QString() : iniOf(chosen));
    QCOMPARE(ProgramIni::Load(paths(), true), !chosen.isEmpty());
    // What an installation brought is read, never saved over.
    if (places.contains(QLatin1String("installed bin")))
        QVERIFY(!paths().isUsersOwn(iniOf(QStringLiteral("bin"))));
}

void TestDataPaths::languageSavedWhereTheNextStartReadsIt_data()
{
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QString>("savedIn");
    QTest::newRow("writable beside the program: saved in place") << QStringList {"bin"} << "bin";
    QTest::newRow("installed: the first change makes the user's copy")
        << QStringList {"share"} << "user";
}

void TestDataPaths::languageSavedWhereTheNextStartReadsIt()
{
    QFETCH(QStringList, places);
    QFETCH(QString, savedIn);
    QVERIFY(placeIni(places));
    const QString shipped = iniOf(places.constFirst());

    for (const char *language : {"Chinese", "English", "Chinese"}) {
        QVERIFY(ProgramIni::Load(paths(), true));
        g_iniFile.SetValue(kSetup, kLanguage, QString::fromLatin1(language));
        QVERIFY(ProgramIni::SaveLanguage(paths()).ok());
        g_iniFile.Clear(); // the program ends; the next one starts
        QVERIFY(ProgramIni::Load(paths(), true));
        QCOMPARE(g_iniFile.GetValue(kSetup, kLanguage), QString::fromLatin1(language));
        // The rest of the shipped file comes along into the user's copy.
        QCOMPARE(g_iniFile.GetValue(QStringLiteral("English"), QStringLiteral("Company")),
            QStringLiteral("Shipped"));
        QCOMPARE(g_iniFile.path(), iniOf(savedIn));
    }
    if (savedIn == QLatin1String("user"))
        QCOMPARE(ReadFile(shipped), kShipped);
    else
        QVERIFY(!QFile::exists(DataPaths::userIniPath()));
}

void TestDataPaths::failedSaveIsReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("no configuration folder can be made") << "config under a file"
                                                         << "cannot create the folder";
    QTest::newRow("a full disk") << "full disk"
                                 << "cannot copy";
    QTest::newRow("a disk that fills up after the copy") << "disk fills after copy"
                                                         << "could not be written";
    QTest::newRow("the user's copy is a folder") << "copy is a folder"
                                                 << "not a regular file";
}

void TestDataPaths::failedSaveIsReported()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QVERIFY(placeIni({QStringLiteral("share")}));
    QVERIFY(ProgramIni::Load(paths(), true));
    g_iniFile.SetValue(kSetup, kLanguage, QStringLiteral("Chinese"));

    if (fault == QLatin1String("config under a file")) {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps the user's copy in its known folder, not XDG_CONFIG_HOME");
#endif
        QVERIFY(WriteFile(path(QStringLiteral("file")), "x"));
        qputenv("XDG_CONFIG_HOME", path(QStringLiteral("file/config")).toLocal8Bit());
    } else if (fault == QLatin1String("copy is a folder")) {
        QVERIFY(QDir().mkpath(DataPaths::userIniPath()));
    }
    QString error;
    if (fault.contains(QLatin1String("disk"))) {
        FileSizeLimit limit(fault == QLatin1String("full disk") ? 16 : kShipped.size());
        if (!limit.active())
            QSKIP("cannot limit the file size");
        error = ProgramIni::SaveLanguage(paths()).text();
    } else {
        error = ProgramIni::SaveLanguage(paths()).text();
    }
    QVERIFY2(error.contains(message), qPrintable(error));

    // Nothing changed on disk: the next start-up is English again.
    QCOMPARE(ReadFile(iniOf(QStringLiteral("share"))), kShipped);
    QVERIFY(!QFileInfo(DataPaths::userIniPath()).isFile());
    g_iniFile.Clear();
    QVERIFY(ProgramIni::Load(paths(), true));
    QCOMPARE(g_iniFile.GetValue(kSetup, kLanguage), QStringLiteral("English"));
}

// $XDG_..._HOME when absolute, else below the home ($HOME when absolute, else
// the user database's); a home that does not exist gives no folder at all.
void TestDataPaths::userFoldersFollowThePlatform_data()
{
    QTest::addColumn<QString>("home"); // "-": unset; %1: the test's folder
    QTest::addColumn<QString>("xdg"); // both XDG_CONFIG_HOME and XDG_DATA_HOME
    QTest::addColumn<QString>("data"); // %2: the user database's home; "": none
    QTest::addColumn<QString>("config");

    const QString app = QCoreApplication::applicationName();
    QTest::newRow("absolute XDG folders") << "%1/missing"
                                          << "%1/xdg"
                                          << "%1/xdg/" + app << "%1/xdg/" + app + "/Program.ini";
    QTest::newRow("relative XDG folders are ignored")
        << "%1/bin"
        << "xdg"
        << "%1/bin/.local/share/" + app << "%1/bin/.config/" + app + "/Program.ini";
    QTest::newRow("HOME missing") << "%1/missing"
                                  << "-"
                                  << ""
                                  << "";
    QTest::newRow("HOME relative")
        << "bin"
        << ""
        << "%2/.local/share/" + app << "%2/.config/" + app + "/Program.ini";
}

void TestDataPaths::userFoldersFollowThePlatform()
{
    QFETCH(QString, home);
    QFETCH(QString, xdg);
    QFETCH(QString, data);
    QFETCH(QString, config);
#ifdef Q_OS_WIN
    QSKIP("Windows has its own folders for these, not HOME and the XDG variables");
#else
    const QByteArray saved[] = {qgetenv("HOME"), qgetenv("XDG_DATA_HOME")};
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", saved[0]);
        qputenv("XDG_DATA_HOME", saved[1]);
    });
    const auto set = [this](const char *name, const QString &value) {
        if (value == QLatin1String("-"))
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value.arg(m_dir->path())));
    };
    set("HOME", home);
    set("XDG_DATA_HOME", xdg);
    set("XDG_CONFIG_HOME", xdg);
    const QString database = QFile::decodeName(::getpwuid(::getuid())->pw_dir);
    const auto expected = [&](QString text) {
        return text.replace(QStringLiteral("%1"), m_dir->path())
            .replace(QStringLiteral("%2"), database);
    };
    Status why;
    QCOMPARE(DataPaths::userDataFolder(&why), expected(data));
    QCOMPARE(DataPaths::userIniPath(), expected(config));
    if (data.isEmpty())
        QVERIFY2(
            why.text().contains(QStringLiteral("missing does not exist")), qPrintable(why.text()));
#endif
}

QTEST_GUILESS_MAIN(TestDataPaths)
#include "tst_datapaths.moc"
