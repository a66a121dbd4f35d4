#include "channelcodec.h"
#include "datfile.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString stdErr;
};

Run RunCli(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(HTPROG_CLI), args);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.stdErr = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString PdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
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

    const Run created = RunCli({QStringLiteral("new"), path(QStringLiteral("new.dat"))});
    QVERIFY2(created.exitCode == 0, qPrintable(created.stdErr));

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

    QTest::newRow("new image, English")
        << "new.dat"
        << "en" << QStringList {"Option", "Function", "Time Out Timer:", "Page 1 of 1", "25k"};
    QTest::newRow("new image, Chinese")
        << "new.dat"
        << "zh"
        << QStringList {"可选功能", "功能", "超时定时器:", "电池省电:", "LED", "Page 1 of 1"};
    QTest::newRow("twelve channels, English")
        << "twelve.dat"
        << "en"
        << QStringList {"Channel 0:", "Channel 11:", "Receive Frequency:", "148.12500", "CH11",
               "Page 2 of 3", "Page 3 of 3"};
    QTest::newRow("twelve channels, Chinese")
        << "twelve.dat"
        << "zh" << QStringList {"信道", "信道11:", "接收频率:", "信道名字:", "Page 3 of 3"};
}

void TestPrintCli::printsExpectedText()
{
    QFETCH(QString, image);
    QFETCH(QString, lang);
    QFETCH(QStringList, texts);

    const QString pdf = path(QStringLiteral("%1-%2.pdf").arg(image, lang));
    const Run run
        = RunCli({QStringLiteral("print"), path(image), pdf, QStringLiteral("--lang"), lang});
    QVERIFY2(run.exitCode == 0, qPrintable(run.stdErr));
    const QString text = PdfText(pdf);
    for (const QString &expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in:\n") + text));
}

void TestPrintCli::failureLeavesPdf_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("missing image") << QStringList {"print", "@/absent.dat", "@/kept.pdf"} << 1;
    QTest::newRow("short image") << QStringList {"print", "@/short.dat", "@/kept.pdf"} << 1;
    QTest::newRow("unknown language")
        << QStringList {"print", "@/new.dat", "@/kept.pdf", "--lang", "fr"} << 2;
    QTest::newRow("missing PDF argument") << QStringList {"print", "@/new.dat"} << 2;
    QTest::newRow("folder that does not exist")
        << QStringList {"print", "@/new.dat", "@/no/such/dir/out.pdf"} << 1;
}

void TestPrintCli::failureLeavesPdf()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);

    QFile shortFile(path(QStringLiteral("short.dat")));
    QVERIFY(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(100, char(0xFF)));
    shortFile.close();
    const QByteArray old("not a pdf, must survive");
    QFile kept(path(QStringLiteral("kept.pdf")));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write(old);
    kept.close();

    args.replaceInStrings(QStringLiteral("@"), m_dir.path());
    const Run run = RunCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(!run.stdErr.isEmpty());
    QCOMPARE(ReadFile(path(QStringLiteral("kept.pdf"))), old);
    QVERIFY(!QFile::exists(path(QStringLiteral("no/such/dir/out.pdf"))));
}

QTEST_GUILESS_MAIN(TestPrintCli)
#include "tst_printcli.moc"
