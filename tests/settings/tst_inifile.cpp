#include "settings/inifile.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void lookup_data();
    void lookup();
    void rewrite_data();
    void rewrite();
    void dirtyRules_data();
    void dirtyRules();
    void unchangedFileIsNotRewritten();
    void destructorSavesOnlyWhenAsked();
    void backupName_data();
    void backupName();
    void backupIsReusedAndHoldsTheOldFile();
    void missingFileIsCreatedEmpty();
    void unreadablePathLeavesStoreEmpty_data();
    void unreadablePathLeavesStoreEmpty();
    void manySectionsLoadInLinearTime();
    void reloadSavesThePreviousFile();
    void saveNeverReplacesAFolder();
    void failedSaveKeepsTheOldFile();
    void openUsesTheExecutableFolder();

private:
    QString writeIni(
        const QByteArray &content, const QString &name = QStringLiteral("Program.ini"));

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestIniFile::writeIni(const QByteArray &content, const QString &name)
{
    const QString path = m_dir->filePath(name);
    if (!WriteFile(path, content))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestIniFile::lookup_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *name, const char *content, const char *section, const char *key,
                   const char *def, const char *expected) {
        QTest::newRow(name) << QByteArray(content) << QString::fromUtf8(section)
                            << QString::fromUtf8(key) << QString::fromUtf8(def)
                            << QString::fromUtf8(expected);
    };
    row("entries before any header are in the unnamed section", "a=1\n[S]\na=2\n", "", "a", "",
        "1");
    row("spaces around key and value are trimmed", "  Key  =  Some value  \n", "", "Key", "",
        "Some value");
    row("a line without = is a key with an empty value", "flag\n", "", "flag", "d", "");
    row("the value runs from the first =", "x=a=b\n", "", "x", "", "a=b");
    row("CR LF and LF both end a line", "[S]\r\na=1\r\nb=2\nc=3", "S", "c", "", "3");
    row("; starts a comment line", "[S]\n;k=1\n", "S", ";k", "d", "d");
    row("/ starts a comment line", "[S]\n//k=1\n", "S", "//k", "d", "d");
    row("* starts a comment line", "[S]\n * k=1\n", "S", "* k", "d", "d");
    row("backslash starts a comment line", "[S]\n\\k=1\n", "S", "\\k", "d", "d");
    row("# is an ordinary key", "[S]\n#note=1\n", "S", "#note", "", "1");
    row("a line that begins with = is dropped", "[S]\n=1\n", "S", "", "d", "d");
    row("the header test comes before the split", "[a=b]\nk=1\n", "a=b", "k", "", "1");
    row("tab and ; cut the value", "[S]\nv=12\t; note\n", "S", "v", "", "12");
    row("; without a tab is part of the value", "[S]\nv=12 ; note\n", "S", "v", "", "12 ; note");
    row("// cuts the value", "[S]\nv=path//x\n", "S", "v", "", "path");
    row("the value is not trimmed again after a cut", "[S]\nv=10 // max\n", "S", "v", "", "10 ");
    row("/* cuts the value, */ alone does not", "[S]\nv=a */ b /* c\n", "S", "v", "", "a */ b ");
    row("the first of two sections wins", "[S]\na=1\n[S]\na=2\nb=3\n", "S", "b", "d", "d");
    row("the last of two keys wins", "[S]\nLanguage=English\nLanguage=Chinese\n", "S", "Language",
        "", "Chinese");
    row("section names ignore letter case", "[setup]\nLanguage=English\n", "Setup", "LANGUAGE", "",
        "English");
    row("spaces inside brackets belong to the name", "[ Setup ]\na=1\n", "Setup", "a", " d ",
        " d ");
    row("a missing section gives the default unchanged", "[S]\n", "T", "a", "  d\t", "  d\t");
    row("a missing key gives the default trimmed", "[S]\n", "S", "a", "  d\t", "d");
    row("a UTF-8 signature does not hide the first header",
        "\xEF\xBB\xBF[Setup]\nLanguage=Chinese\n", "Setup", "Language", "", "Chinese");
    row("UTF-8 texts pass through", "[Chinese]\nCompany=无线电\n", "Chinese", "Company", "",
        "无线电");
    // C4 80 58 and E4 80 58 differ only in a byte that Latin-1 folding would pair.
    row("only ASCII letters fold", "[S]\nĀX=1\n", "S", "䀘", "d", "d");
}

void TestIniFile::lookup()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);
    QFETCH(QString, expected);

    CIniFile ini(4);
    QVERIFY(ini.Load(writeIni(content), false, true, false));
    QCOMPARE(ini.GetValue(section, key, defaultValue), expected);
}

void TestIniFile::rewrite_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");

    auto row = [](const char *name, const char *content, const char *section, const char *key,
                   const char *value, const char *expected) {
        QTest::newRow(name) << QByteArray(content) << section << key << value
                            << QByteArray(expected);
    };
    row("spaces go, lines end with CR LF, no header for the unnamed section",
        "  Key  =  Some value  \nflag\n", "", "n", "1", "Key=Some value\r\nflag=\r\nn=1\r\n");
    row("comment lines and blank lines go, trailing comments stay",
        "; head\n\n[S]\n// c\nv=12\t; note\n/* a\n * b\n */\n", "S", "w", "2",
        "[S]\r\nv=12\t; note\r\nw=2\r\n");
    row("a new key goes into the first of two sections", "[Setup]\na=1\n[Setup]\na=2\n", "Setup",
        "b", "3", "[Setup]\r\na=1\r\nb=3\r\n[Setup]\r\na=2\r\n");
    row("the second of two keys is replaced", "[Setup]\nLanguage=English\nLanguage=German\n",
        "Setup", "Language", "Chinese", "[Setup]\r\nLanguage=English\r\nLanguage=Chinese\r\n");
    row("a new section is appended after all others", "x=1\n[A]\n", "B", "k", "v",
        "x=1\r\n[A]\r\n[B]\r\nk=v\r\n");
    row("an empty key is written without =", "[A]\n", "A", "", "lone", "[A]\r\nlone\r\n");
    // The load drops one signature; a first key that begins with one keeps it.
    row("a first key that begins with a UTF-8 signature", "; c\n\xEF\xBB\xBFk=1\n", "A", "b", "2",
        "\xEF\xBB\xBF\xEF\xBB\xBFk=1\r\n[A]\r\nb=2\r\n");
}

void TestIniFile::rewrite()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);

    const QString path = writeIni(content);
    CIniFile ini(1);
    QVERIFY(ini.Load(path, false, true, false));
    ini.SetValue(section, key, value);
    QVERIFY(ini.isDirty());
    QCOMPARE(ini.Save(false), QString());
    QCOMPARE(ReadFile(path), expected);

    // What was written loads back to the same lookups (an empty key reloads as a key).
    CIniFile again(4);
    QVERIFY(again.Load(path, false, true, false));
    if (!key.isEmpty())
        QCOMPARE(again.GetValue(section, key), ini.GetValue(section, key));
    QCOMPARE(again.GetValue("", QString::fromUtf8("\xEF\xBB\xBFk"), "-"),
        ini.GetValue("", QString::fromUtf8("\xEF\xBB\xBFk"), "-"));
}

void TestIniFile::dirtyRules_data()
{
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("dirty");

    auto row = [](const char *name, bool ignoreCase, const char *section, const char *key,
                   const char *value, bool dirty) {
        QTest::newRow(name) << ignoreCase << section << key << value << dirty;
    };
    row("same value", true, "Setup", "Language", "English", false);
    row("letter case only", true, "setup", "language", "english", false);
    row("letter case only, case kept", false, "Setup", "Language", "english", true);
    row("other value", true, "Setup", "Language", "Chinese", true);
    row("new key", true, "Setup", "ShowLang", "1", true);
    row("new section", true, "Other", "Language", "English", true);
}

void TestIniFile::dirtyRules()
{
    QFETCH(bool, ignoreCase);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, dirty);

    CIniFile ini(4);
    QVERIFY(ini.Load(writeIni("[Setup]\nLanguage=English\n"), false, ignoreCase, false));
    ini.SetValue(section, key, value);
    QCOMPARE(ini.isDirty(), dirty);
    // The new text reaches memory even when it does not make the store dirty.
    QCOMPARE(ini.GetValue(section, key), value);
}

void TestIniFile::unchangedFileIsNotRewritten()
{
    const QByteArray content(
        "; installer comment\r\n[Setup]\r\nLanguage = English\r\nMax=10 // c\r\n");
    const QString path = writeIni(content);
    {
        CIniFile ini(4);
        QVERIFY(ini.Load(path, true, true, true));
        ini.SetValue("Setup", "Language", QStringLiteral("english"));
        QCOMPARE(ini.Save(true), QString());
    }
    QCOMPARE(ReadFile(path), content);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {"Program.ini"});
}

void TestIniFile::destructorSavesOnlyWhenAsked()
{
    const QString path = writeIni("[Setup]\nLanguage=English\n");
    for (bool saveOnClose : {false, true}) {
        {
            CIniFile ini(4);
            QVERIFY(ini.Load(path, saveOnClose, true, false));
            ini.SetValue("Setup", "Language",
                saveOnClose ? QStringLiteral("Chinese") : QStringLiteral("German"));
        }
        CIniFile check(4);
        QVERIFY(check.Load(path, false, true, false));
        QCOMPARE(check.GetValue("Setup", "Language"),
            saveOnClose ? QStringLiteral("Chinese") : QStringLiteral("English"));
    }
}

void TestIniFile::backupName_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first backup") << QStringList() << "Program.ini.001";
    QTest::newRow("largest number plus one")
        << QStringList {"Program.ini.004", "Program.ini.012"} << "Program.ini.013";
    QTest::newRow("other stems do not count")
        << QStringList {"Other.ini.050", "Prog.ini.070"} << "Program.ini.001";
    QTest::newRow("last three characters read as a number")
        << QStringList {"Program.txt", "Program.bak.7x", "Program.old.x20"} << "Program.ini.001";
    QTest::newRow("a name without a dot after the stem does not count")
        << QStringList {"Program900"} << "Program.ini.001";
    QTest::newRow("above 999 four digits") << QStringList {"Program.ini.999"} << "Program.ini.1000";
}

void TestIniFile::backupName()
{
    QFETCH(QStringList, present);
    QFETCH(QString, expected);

    for (const QString &name : present)
        writeIni("x", name);
    CIniFile ini(4);
    QVERIFY(ini.Load(writeIni("[S]\na=1\n"), false, true, false));
    ini.SetValue("S", "a", QStringLiteral("2"));
    QCOMPARE(ini.Save(true), m_dir->filePath(expected));
    QCOMPARE(ReadFile(m_dir->filePath(expected)), QByteArray("[S]\na=1\n"));
}

void TestIniFile::backupIsReusedAndHoldsTheOldFile()
{
    const QString path = writeIni("[S]\na=1\n");
    CIniFile ini(4);
    QVERIFY(ini.Load(path, false, true, false));
    ini.SetValue("S", "a", QStringLiteral("2"));
    const QString first = ini.Save(true);
    ini.SetValue("S", "a", QStringLiteral("3"));
    QCOMPARE(ini.Save(true), first);
    QCOMPARE(ReadFile(first), QByteArray("[S]\r\na=2\r\n"));
    QCOMPARE(ReadFile(path), QByteArray("[S]\r\na=3\r\n"));
    // A save without backup still reports the backup made earlier.
    QCOMPARE(ini.Save(false), first);
}

void TestIniFile::missingFileIsCreatedEmpty()
{
    const QString path = m_dir->filePath(QStringLiteral("Program.ini"));
    CIniFile ini(4);
    QVERIFY(ini.Load(path, false, true, false));
    QVERIFY(QFile::exists(path));
    QCOMPARE(ReadFile(path), QByteArray());
    QCOMPARE(ini.GetValue("Setup", "Language"), QString());
    ini.SetValue("Setup", "Language", QStringLiteral("English"));
    ini.Save(false);
    QCOMPARE(ReadFile(path), QByteArray("[Setup]\r\nLanguage=English\r\n"));
}

void TestIniFile::unreadablePathLeavesStoreEmpty_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder") << "folder"
                              << "a folder, not a file";
    QTest::newRow("in a missing folder") << "missing"
                                         << "Cannot create";
    // Opening a FIFO for reading would wait for a writer for ever; a device never ends.
    QTest::newRow("a FIFO") << "fifo"
                            << "not a regular file";
    QTest::newRow("a device") << "device"
                              << "not a regular file";
    QTest::newRow("larger than 1 MB") << "large"
                                      << "larger than 1048576 bytes";
}

void TestIniFile::unreadablePathLeavesStoreEmpty()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QString path = m_dir->filePath(QStringLiteral("Program.ini"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(path));
    else if (kind == QLatin1String("missing"))
        path = m_dir->filePath(QStringLiteral("no/such/x.ini"));
    else if (kind == QLatin1String("fifo"))
        MAKE_FIFO(path);
    else if (kind == QLatin1String("device"))
        LINK_TO_DEVICE(path);
    else
        writeIni("[Setup]\n" + QByteArray(CIniFile::kLargestFileSize, ';'));

    CIniFile ini(4);
    QVERIFY(!ini.Load(path, true, true, false));
    QVERIFY2(ini.loadStatus().text().contains(reason), qPrintable(ini.loadStatus().text()));
    QCOMPARE(ini.path(), QString());
    ini.SetValue("S", "a", QStringLiteral("1"));
    QVERIFY(!ini.isDirty());
    QCOMPARE(ini.GetValue("S", "a", QStringLiteral(" d ")), QStringLiteral(" d "));
    QVERIFY(kind != QLatin1String("missing") || !QFileInfo::exists(path));
}

// Loading takes time in proportion to the file: 250 000 sections in well under
// a second (growing the section tables by the step alone took minutes).
void TestIniFile::manySectionsLoadInLinearTime()
{
    QByteArray content;
    for (int i = 0; i < 250000; ++i)
        content += "[]\n";
    content += "[Setup]\nLanguage=Chinese\n";
    const QString path = writeIni(content);
    QElapsedTimer clock;
    clock.start();
    CIniFile ini(4);
    QVERIFY(ini.Load(path, false, true, false));
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ini.GetValue("Setup", "Language"), QStringLiteral("Chinese"));
}

void TestIniFile::reloadSavesThePreviousFile()
{
    const QString first = writeIni("[S]\na=1\n", QStringLiteral("one.ini"));
    const QString second = writeIni("[S]\na=9\n", QStringLiteral("two.ini"));
    CIniFile ini(4);
    QVERIFY(ini.Load(first, false, true, false));
    ini.SetValue("S", "a", QStringLiteral("2"));
    QVERIFY(ini.Load(second, false, true, false));
    QVERIFY(!ini.isDirty());
    QCOMPARE(ReadFile(first), QByteArray("[S]\r\na=2\r\n"));
    QCOMPARE(ini.GetValue("S", "a"), QStringLiteral("9"));
}

void TestIniFile::saveNeverReplacesAFolder()
{
    const QString path = writeIni("[S]\na=1\n");
    CIniFile ini(4);
    QVERIFY(ini.Load(path, false, true, false));
    ini.SetValue("S", "a", QStringLiteral("2"));
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path));
    QCOMPARE(ini.Save(false), QString());
    QVERIFY(QFileInfo(path).isDir());
}

void TestIniFile::failedSaveKeepsTheOldFile()
{
    const QByteArray old("[Setup]\nLanguage=English\n; the installer's notes\n");
    const QString path = writeIni(old);
    CIniFile ini(4);
    QVERIFY(ini.Load(path, false, true, false));
    ini.SetValue("Setup", "Company", QString(200, QLatin1Char('x')));

    QString result = QStringLiteral("<not saved>");
    {
        const FileSizeLimit fullDisk(64); // the write fails half-way
        REQUIRE_FULL_DISK(fullDisk);
        result = ini.Save(false);
    }
    QCOMPARE(result, QString());
    QCOMPARE(ReadFile(path), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {"Program.ini"});
}

void TestIniFile::openUsesTheExecutableFolder()
{
    const QString name
        = QStringLiteral("tst_inifile_open_%1.ini").arg(QCoreApplication::applicationPid());
    const QString expected = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    {
        CIniFile ini(4);
        QVERIFY(ini.Open(name, false, true, false));
        QCOMPARE(ini.path(), expected);
    }
    QVERIFY(QFile::remove(expected));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
