// The translation sources resources/en/English.ts and resources/zh/Chinese.ts
// against the texts that src/ marks for translation: every text has a finished
// translation, and a translation keeps the argument markers, the menu
// accelerator and the shortcut text of its source.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<TsMessage> ReadTs(const QString &path)
{
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            messages.append({context, xml.readElementText(), QString(), false});
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().finished = type.isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QString TsPath(const QString &language)
{
    const QString folder
        = language == QLatin1String("Chinese") ? QStringLiteral("zh") : QStringLiteral("en");
    return QStringLiteral(HTPROG_SOURCE_DIR "/resources/%1/%2.ts").arg(folder, language);
}

QString TargetLanguage(const QString &language)
{
    return language == QLatin1String("Chinese") ? QStringLiteral("zh_CN") : QStringLiteral("en");
}

QStringList Placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The letter after a single '&' ("&&" is a literal ampersand), upper case.
QString Accelerator(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("(?<!&)&([^&\\s])"));
    const QRegularExpressionMatch match = mark.match(text);
    return match.hasMatch() ? match.captured(1).toUpper() : QString();
}

QString ShortcutText(const QString &text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? QString() : text.mid(tab);
}

void AddMessageRows()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    for (const QString &language : {QStringLiteral("English"), QStringLiteral("Chinese")}) {
        const QList<TsMessage> messages = ReadTs(TsPath(language));
        QVERIFY2(!messages.isEmpty(), qPrintable(TsPath(language)));
        for (const TsMessage &m : messages) {
            const QString row
                = language + QLatin1String(": ") + m.context + QLatin1String(": ") + m.source;
            QTest::newRow(qPrintable(row)) << m.source << m.translation;
        }
    }
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextTranslated_data();
    void everyTextTranslated();
    void argumentsKept_data() { AddMessageRows(); }
    void argumentsKept();
    void acceleratorsKept_data() { AddMessageRows(); }
    void acceleratorsKept();
};

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("English");
    QTest::newRow("Chinese") << QStringLiteral("Chinese");
}

// Collects the texts of src/ into a copy of the checked-in file, as the update
// script does: a text added to the code since the last run, or one whose
// translation is still open, comes out unfinished.
void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, language);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(language + QLatin1String(".ts"));
    QVERIFY(QFile::copy(TsPath(language), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(HTPROG_LUPDATE),
        {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
            QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui"),
            QStringLiteral("-source-language"), QStringLiteral("en"),
            QStringLiteral("-target-language"), TargetLanguage(language),
            QStringLiteral(HTPROG_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
    QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

    const QList<TsMessage> collected = ReadTs(copy);
    QVERIFY2(!collected.isEmpty(), "lupdate found no texts in src/");
    QStringList open;
    for (const TsMessage &m : collected) {
        if (!m.finished || m.translation.isEmpty())
            open << m.context + QLatin1String(": ") + m.source;
    }
    QVERIFY2(open.isEmpty(),
        qPrintable(QStringLiteral("run scripts/update-translations.sh and translate:\n")
            + open.join(QLatin1Char('\n'))));
}

void TestTranslations::argumentsKept()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QCOMPARE(Placeholders(translation), Placeholders(source));
}

void TestTranslations::acceleratorsKept()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QCOMPARE(Accelerator(translation), Accelerator(source));
    QCOMPARE(ShortcutText(translation), ShortcutText(source));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
