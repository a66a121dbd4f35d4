// The print-out rendered to PDF by htprog-cli, read back with pdftotext.
#include "channels/channelcodec.h"
#include "image/datfile.h"
#include "support/clirun.h"
#include "support/testfiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

QString PdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPrintCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsExpectedText_data();
    void printsExpectedText();
    void failureLeavesPdf_data();
    void failureLeavesPdf();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestPrintCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    const CliRun created = RunCli({QStringLiteral("new"), path(QStringLiteral("new.dat"))});
    QVERIFY2(created.exitCode == 0, qPrintable(created.err));

    // Twelve channels, Pr and 1-11: the features page and two channel pages.
    MemoryImage image = NewImage();
    for (int record = 0; record < 12; ++record) {
        ChannelTexts texts
            = NewChannelTexts(QStringLiteral("%1.12500").arg(146 + record % 3), false);
        texts[kColName] = QStringLiteral("CH%1").arg(record);
        EncodeChannel(image, record, texts);
    }
    QVERIFY(SaveDatFile(path(QStringLiteral("twelve.dat")), image).ok());
}

void TestPrintCli::printsExpectedText_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("texts");

    auto row = [](const char *name, const char *image, const char *lang, QStringList texts) {
        QTest::newRow(name) << image << lang << texts;
    };
    row("new image, English", "new.dat", "en",
        {"Option", "Function", "Time Out Timer:", "Page 1 of 1", "25k"});
    row("twelve channels, English", "twelve.dat", "en",
        {"Channel 0:", "Channel 11:", "Receive Frequency:", "148.12500", "CH11", "Page 2 of 3",
            "Page 3 of 3"});
    row("twelve channels, Chinese", "twelve.dat", "zh",
        {"可选功能",
            "超时定时器:", "电池省电:", "信道11:", "接收频率:", "信道名字:", "Page 3 of 3"});
}

void TestPrintCli::printsExpectedText()
{
    QFETCH(QString, image);
    QFETCH(QString, lang);
    QFETCH(QStringList, texts);

    const QString pdf = path(QStringLiteral("%1-%2.pdf").arg(image, lang));
    // The print-out needs no display and no session, whatever the environment names.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        env.remove(QString::fromLatin1(name));
    const CliRun run = RunCli(
        {QStringLiteral("print"), path(image), pdf, QStringLiteral("--lang"), lang}, {}, env);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.err, QString());
    const QString text = PdfText(pdf);
    for (const QString &expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in:\n") + text));
}

void TestPrintCli::failureLeavesPdf_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("fileLimit"); // bytes a file may grow to; 0: no limit

    const QStringList print {"print", "@/new.dat", "@/kept.pdf"};
    QTest::newRow("missing image") << QStringList {"print", "@/absent.dat", "@/kept.pdf"} << 1 << 0;
    QTest::newRow("unknown language") << print + QStringList {"--lang", "fr"} << 2 << 0;
    QTest::newRow("missing PDF argument") << QStringList {"print", "@/new.dat"} << 2 << 0;
    // An argument that Qt would take as its own is the command's: here one too many.
    QTest::newRow("Qt's own option")
        << QStringList {"print", "@/new.dat", "@/kept.pdf", "-platform", "xcb"} << 2 << 0;
    QTest::newRow("folder that does not exist")
        << QStringList {"print", "@/new.dat", "@/no/such/dir/out.pdf"} << 1 << 0;
    // The whole PDF is still buffered when the file is closed: only that last write fails.
    QTest::newRow("disk full at the end") << print << 1 << 4096;
}

void TestPrintCli::failureLeavesPdf()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(int, fileLimit);

    const QByteArray old("not a pdf, must survive");
    QVERIFY(WriteFile(path(QStringLiteral("kept.pdf")), old));

    args.replaceInStrings(QStringLiteral("@"), m_dir.path());
    CliRun run;
    {
        std::optional<FileSizeLimit> fullDisk;
        if (fileLimit > 0)
            QVERIFY(fullDisk.emplace(rlim_t(fileLimit)).active());
        run = RunCli(args);
    }
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(!run.err.isEmpty());
    QCOMPARE(ReadFile(path(QStringLiteral("kept.pdf"))), old);
    QVERIFY(!QFile::exists(path(QStringLiteral("no/such/dir/out.pdf"))));
}

QTEST_GUILESS_MAIN(TestPrintCli)
#include "tst_printcli.moc"
