// The translation sources resources/en/English.ts and resources/zh/Chinese.ts
// against the texts that src/ marks for translation: every text has a finished
// translation, and a translation keeps the argument markers, the menu
// accelerator and the shortcut text of its source. The core's sources hold no
// English sentence that is neither marked for translation nor given beside its
// Chinese form.

#include <QDir>
#include <QDirIterator>
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

// The folders of src/ that hold the core: widget-free code whose texts the
// interface and the CLI show.
const char *const kCoreFolders[] = {"csv", "channels", "image", "files", "settings", "link",
    "backups", "codecs", "compare", "status", "fleet"};

// Literals of the core that read as English words but are no text of the
// interface: file contents, keys, and texts that are shown as written.
struct Allowed
{
    const char *file; // under src/
    const char *text; // nullptr: every literal of the file
};
const Allowed kAllowed[] = {
    // The link log: a file for developers, in English.
    {"link/linktrace.cpp", nullptr},
    // The simulated radio that stands in for a radio on a pseudo-terminal: its
    // faults are named on the command line, its warnings go to the console.
    {"link/ptyserver.cpp", nullptr},
    {"link/simulatedport.cpp", nullptr},
    {"link/simulatedradio.cpp", nullptr},
    // The end messages of a squelch transfer, shown as written in both languages.
    {"link/squelchtransfer.cpp", "Open the serial port fails"},
    {"link/squelchtransfer.cpp", "Communication Error"},
    // Keys of the named settings (the CLI's diff and its JSON name them so); the
    // names shown are the English/Chinese pairs beside them.
    {"compare/imagediff.cpp", "Sql Adjust"},
    {"compare/imagediff.cpp", "Stored Frequency"},
    {"compare/imagediff.cpp", "VHF Band"},
    {"compare/imagediff.cpp", "UHF Band"},
    {"compare/imagediff.cpp", "Power-on Name"},
    {"compare/imagediff.cpp", "V SQL Adjust"},
    {"compare/imagediff.cpp", "U SQL Adjust"},
    // The time format of the fleet log's CSV.
    {"fleet/fleetlog.cpp", "yyyy-MM-dd HH:mm:ss"},
};

bool IsAllowed(const QString &file, const QString &text)
{
    for (const Allowed &allowed : kAllowed) {
        if (file == QLatin1String(allowed.file)
            && (!allowed.text || text == QLatin1String(allowed.text)))
            return true;
    }
    return false;
}

bool HasChinese(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF)
            return true;
    }
    return false;
}

struct Literal
{
    int line = 0;
    QString text; // adjacent literals joined
    bool marked = false; // an argument of a translation macro or tr()
    bool paired = false; // followed by its Chinese form: "English", "中文"
};

// The string literals of a C++ source. A raw string literal is not read as one
// (the core writes none).
QList<Literal> ReadLiterals(const QString &source)
{
    static const QStringList marks {QStringLiteral("QT_TRANSLATE_NOOP"),
        QStringLiteral("QT_TRANSLATE_NOOP3"), QStringLiteral("QT_TR_NOOP"), QStringLiteral("tr"),
        QStringLiteral("translate")};
    QList<Literal> literals;
    QStringList calls; // the name before each open parenthesis
    QString word; // the name just read
    QString tokens; // 'L' a literal, ',' a comma, '.' anything else: to find pairs
    int line = 1;
    const qsizetype n = source.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = source.at(i);
        if (c == QLatin1Char('\n')) {
            ++line;
            ++i;
        } else if (c.isSpace()) {
            ++i;
        } else if (source.mid(i, 2) == QLatin1String("//")) {
            while (i < n && source.at(i) != QLatin1Char('\n'))
                ++i;
        } else if (source.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = source.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            line += int(source.mid(i, stop - i).count(QLatin1Char('\n')));
            i = stop;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            QString text;
            for (++i; i < n && source.at(i) != c; ++i) {
                if (source.at(i) == QLatin1Char('\\'))
                    text += source.at(i++);
                text += source.at(i);
            }
            ++i;
            if (c == QLatin1Char('\''))
                tokens += QLatin1Char('.');
            else if (tokens.endsWith(QLatin1Char('L')))
                literals.last().text += text;
            else {
                literals.append({line, text, marks.contains(calls.value(calls.size() - 1)), false});
                tokens += QLatin1Char('L');
            }
            word.clear();
        } else if (c.isLetterOrNumber() || c == QLatin1Char('_')) {
            word.clear();
            while (i < n && (source.at(i).isLetterOrNumber() || source.at(i) == QLatin1Char('_')))
                word += source.at(i++);
            tokens += QLatin1Char('.');
        } else {
            if (c == QLatin1Char('('))
                calls.append(word);
            else if (c == QLatin1Char(')') && !calls.isEmpty())
                calls.removeLast();
            tokens += c == QLatin1Char(',') ? QLatin1Char(',') : QLatin1Char('.');
            word.clear();
            ++i;
        }
    }
    // "English", "中文": the English text of a pair.
    for (qsizetype t = 0, index = -1; t < tokens.size(); ++t) {
        if (tokens.at(t) != QLatin1Char('L'))
            continue;
        ++index;
        if (tokens.mid(t, 3) == QLatin1String("L,L") && HasChinese(literals.at(index + 1).text))
            literals[index].paired = true;
    }
    return literals;
}

// "file:line: text" of each literal of the core that reads as English words
// and is not marked for translation, not paired with its Chinese form and not
// allowed.
QStringList UnmarkedSentences(const QString &root)
{
    static const QRegularExpression words(QStringLiteral("[A-Za-z]+ [A-Za-z]+"));
    QStringList found;
    for (const char *folder : kCoreFolders) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(folder),
            {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return {path + QLatin1String(": cannot be read")};
            const QString relative = QDir(root).relativeFilePath(path);
            for (const Literal &l : ReadLiterals(QString::fromUtf8(file.readAll()))) {
                if (l.marked || l.paired || HasChinese(l.text) || !l.text.contains(words)
                    || IsAllowed(relative, l.text))
                    continue;
                found << QStringLiteral("%1:%2: %3").arg(relative).arg(l.line).arg(l.text);
            }
        }
    }
    found.sort();
    return found;
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
    void coreTextsHaveChineseForms();
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

// A sentence the core shows must come in the interface language: marked for
// translation (its Chinese form in Chinese.ts) or given with its Chinese form.
void TestTranslations::coreTextsHaveChineseForms()
{
    const QStringList found = UnmarkedSentences(QStringLiteral(HTPROG_SOURCE_DIR "/src"));
    QVERIFY2(found.isEmpty(),
        qPrintable(QStringLiteral("mark these for translation (QT_TRANSLATE_NOOP), or list them "
                                  "in kAllowed with the reason no user reads them:\n")
            + found.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
